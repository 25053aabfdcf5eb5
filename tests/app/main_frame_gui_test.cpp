#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocalServer>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <atomic>
#include <cstddef>
#include <cstring>
#include <map>

#include "alignment/factory_password.h"
#include "alignment/password_dialog.h"
#include "app/app_instance.h"
#include "app/app_profile.h"
#include "app/configuration_dialog.h"
#include "app/help_window.h"
#include "app/main_frame.h"
#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "blocks/image_ops.h"
#include "blocks/signaling_type.h"
#include "channels/visible_items.h"
#include "document/data_file.h"
#include "document/document.h"
#include "image/accessors.h"
#include "image/process_state.h"
#include "link/link_state.h"
#include "resources/command_ids.h"
#include "support/gui/app_fixture.h"
#include "support/tool_process.h"
#include "widgets/enter_combo.h"

namespace kp07 {
namespace {

class AppTest : public test::ProgramFolderTest {
  protected:
    // Writes `values` into the profile, as a user editing it by hand would.
    void EditProfile(const std::map<QString, QVariant>& values) {
        QSettings ini(ProfilePath(), QSettings::IniFormat);
        for (const auto& [key, value] : values) ini.setValue(key, value);
    }
    int ProfileInt(const QString& key) const {
        return QSettings(ProfilePath(), QSettings::IniFormat).value(key).toInt();
    }
};

TEST_F(AppTest, AFirstStartWritesACompleteProfile) {
    AppProfile profile(ProfilePath());
    profile.ReadConfiguration();
    EXPECT_EQ(ProfileInt("Initialize/COM_PORT"), 1);
    EXPECT_EQ(ProfileInt("Initialize/COM_SPD"), 0);
    for (int i = 0; i < 18; ++i) EXPECT_EQ(ProfileInt(QString("ITEM/ITEM%1").arg(i)), 1) << i;
}

TEST_F(AppTest, OutOfRangeProfileValuesAreReplacedAndWrittenBack) {
    for (int bad : {0, 17}) {
        EditProfile({{"Initialize/COM_PORT", bad},
                     {"Initialize/COM_SPD", 5},
                     {"ITEM/ITEM2", 0},
                     {"Initialize/CX", 400}});
        AppProfile profile(ProfilePath());
        profile.ReadConfiguration();
        EXPECT_EQ(comPort, 1) << bad;
        EXPECT_EQ(comSpeed, 0) << bad;
        EXPECT_EQ(visibleItems[2], 0) << bad;
        EXPECT_EQ(profile.WindowSize(), QSize(835, 540)) << bad;
        EXPECT_EQ(ProfileInt("Initialize/COM_PORT"), 1) << bad;
        EXPECT_EQ(ProfileInt("Initialize/COM_SPD"), 0) << bad;
    }
    // A size far beyond the screen (a hand-edited profile) is held to it.
    EditProfile({{"Initialize/CX", 2000000000}, {"Initialize/CY", 2000000000}});
    {
        AppProfile profile(ProfilePath());
        const QSize room = QGuiApplication::primaryScreen()->availableSize();
        EXPECT_EQ(profile.WindowSize(), QSize(qMax(835, room.width()), qMax(540, room.height())));
    }
    // A mapped port device reaches the link.
    EditProfile({{"Ports/COM3", "/dev/ttyUSB0"}});
    AppProfile profile(ProfilePath());
    profile.ReadConfiguration();
    EXPECT_EQ(PortDevice(3), "/dev/ttyUSB0");
    EXPECT_EQ(PortDevice(4), "/dev/ttyS3");
}

TEST_F(AppTest, FactoryPasswordIsExact) {
    EXPECT_TRUE(IsFactoryPassword("tonavi-ke"));
    EXPECT_FALSE(IsFactoryPassword("Tonavi-ke"));
    EXPECT_FALSE(IsFactoryPassword("tonavi-ke "));
    EXPECT_FALSE(IsFactoryPassword(""));

    // Through the dialog: OK with the password, then OK with another text.
    for (const char* typed : {"tonavi-ke", "TONAVI-KE"}) {
        QTimer::singleShot(0, [typed] {
            auto* dialog = qobject_cast<PasswordDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->edit()->setText(typed);
            dialog->accept();
        });
        EXPECT_EQ(AskFactoryPassword(), std::string(typed) == "tonavi-ke");
    }
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_FALSE(AskFactoryPassword());
}

TEST_F(AppTest, SecondInstanceRaisesTheFirst) {
    const QString name = "kp07-test-" + QString::number(QCoreApplication::applicationPid());
    SingleInstance first(name);
    ASSERT_TRUE(first.Claim());
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);
    SingleInstance second(name);
    EXPECT_FALSE(second.Claim());
    EXPECT_TRUE(raised.wait(2000));
}

// A copy that has taken the name but is not listening yet (the moment
// between the two steps of its start) refuses connections: a second copy
// must wait for it, not take the refusal for a dead copy and run as well.
TEST_F(AppTest, ASecondCopyWaitsForAFirstThatIsStillStarting) {
    const QString name = "kp07-starting-" + QString::number(QCoreApplication::applicationPid());
    QString address;
    {
        QLocalServer probe;
        probe.setSocketOptions(QLocalServer::AbstractNamespaceOption);
        ASSERT_TRUE(probe.listen(name));
        address = probe.fullServerName();
    }
    const int first = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(first, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray path = address.toLocal8Bit();
    ASSERT_LT(std::size_t(path.size()) + 1, sizeof addr.sun_path);
    std::memcpy(addr.sun_path + 1, path.constData(), std::size_t(path.size()));
    const socklen_t length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + path.size());
    ASSERT_EQ(::bind(first, reinterpret_cast<sockaddr*>(&addr), length), 0);

    std::unique_ptr<QThread> listener(QThread::create([first] {
        QThread::msleep(300);
        ::listen(first, 5);
    }));
    listener->start();
    SingleInstance second(name);
    EXPECT_FALSE(second.Claim());
    listener->wait();
    ::close(first);
}

// Copies started at the same moment: exactly one of them goes on. (Over
// many rounds, so that the copies meet in every order.)
TEST_F(AppTest, OfCopiesStartedTogetherExactlyOneRuns) {
    constexpr int kCopies = 4;
    for (int round = 0; round < 100; ++round) {
        const QString name =
            QString("kp07-race-%1-%2").arg(QCoreApplication::applicationPid()).arg(round);
        std::atomic<int> ready{0}, claimed{0}, running{0};
        std::atomic<bool> go{false};
        auto copy = [&] {
            SingleInstance instance(name);
            ++ready;
            while (!go) {
            }
            if (instance.Claim()) ++running;
            // The first copy stays until every other one has decided.
            ++claimed;
            while (claimed < kCopies) QThread::yieldCurrentThread();
        };
        std::vector<std::unique_ptr<QThread>> threads;
        for (int i = 0; i < kCopies; ++i) {
            threads.emplace_back(QThread::create(copy));
            threads.back()->start();
        }
        while (ready < kCopies) QThread::yieldCurrentThread();
        go = true;
        for (auto& t : threads) ASSERT_TRUE(t->wait(10000));
        EXPECT_EQ(running, 1) << "round " << round;
    }
}

TEST_F(AppTest, ConfigurationDeviceFieldHasAHelpLineOfItsOwn) {
    AppProfile profile(ProfilePath());
    CConfigurationDialog dialog(profile);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.portList()->setFocus();
    QTest::keyClick(dialog.portList(), Qt::Key_Tab);
    QTRY_VERIFY(dialog.deviceBox()->hasFocus());
    EXPECT_EQ(dialog.helpText(),
              "Select or type the serial device of this COM port (e.g. /dev/ttyUSB0)");
    EXPECT_EQ(dialog.keyHint(), "<SELECT>");
}

class FrameTest : public test::MainFrameTest {};

TEST_F(FrameTest, TitlesOfTheThreeModes) {
    EXPECT_EQ(frame->windowTitle(), "<none> - KP07XT for KR-318");
    factoryMode = true;
    frame->SetTitle("<none>");
    EXPECT_EQ(frame->windowTitle(), "<none> - KP07XT for KR-318 (M)");
    factoryMode = false;
    productionMode = true;
    frame->SetTitle("/data/a.K07");
    EXPECT_EQ(frame->windowTitle(), "/data/a.K07 - KP07XT for KR-318 (Factory mode)");
}

TEST_F(FrameTest, MenusCarryEveryCommand) {
    QStringList titles;
    for (QAction* a : frame->menuBar()->actions()) titles << a->text();
    EXPECT_EQ(titles, QStringList({"&File", "&Edit", "&View", "&Channel", "C&ommon", "&Signaling",
                                   "&Radio", "&Help"}));
    for (int id : {57600, 57601, 57603, 57604, 57607, 57609, 32860, 32850, 57665,
                   57634, 57637, 32800, 32817, 32828, 32830, 32772, 32781, 32783,
                   32795, 32820, 32821, 32822, 32833, 32834, 32840, 32841, 32842}) {
        EXPECT_NE(frame->Action(id), nullptr) << id;
    }
    EXPECT_EQ(frame->Action(32811), nullptr);  // item 11 has no command
    // A command without its dialog yet is there but disabled.
    EXPECT_FALSE(frame->Action(cmd::kScanning)->isEnabled());
    EXPECT_TRUE(frame->Action(cmd::kOpen)->isEnabled());
}

// Every toolbar button has a picture; without a desktop theme (as here)
// they are the program's own. The window carries the program's icon.
TEST_F(FrameTest, ToolbarButtonsAndTheWindowHavePictures) {
    QIcon::setThemeName(QString());
    auto* bar = frame->findChild<QToolBar*>();
    ASSERT_NE(bar, nullptr);
    int buttons = 0;
    for (QAction* a : bar->actions()) {
        if (a->isSeparator()) continue;
        ++buttons;
        EXPECT_FALSE(a->icon().pixmap(24, 24).isNull()) << a->toolTip().toStdString();
    }
    EXPECT_EQ(buttons, 11);
    EXPECT_EQ(
        frame->Action(cmd::kCopy)->icon().pixmap(24, 24).toImage(),
        QImage(":/icons/edit-copy-24.png").convertToFormat(QImage::Format_ARGB32_Premultiplied));
    EXPECT_FALSE(frame->windowIcon().isNull());
}

TEST_F(FrameTest, SignalingFamilyChoosesTheEnabledCommands) {
    for (int id = 32783; id <= 32795; ++id) frame->SetCommandHandler(id, [] {});
    // 32784-32787 are the 2-tone dialogs, 32788-32793 the 5-tone ones; the
    // family's other commands stay enabled in both.
    for (bool fiveTone : {false, true}) {
        frame->SetFiveToneMenus(fiveTone);
        for (int id = 32783; id <= 32795; ++id) {
            const bool other = fiveTone ? id >= 32784 && id <= 32787 : id >= 32788 && id <= 32793;
            EXPECT_EQ(frame->Action(id)->isEnabled(), !other) << fiveTone << " " << id;
        }
    }
    // A 2-tone default file chooses the 2-tone set when the document builds
    // its image, a 5-tone one the 5-tone set.
    for (unsigned type : {0u, 1u}) {
        signalingType->type = type;
        doc.WriteDefaultFile(dir.path().toStdString() + "/defaultu.k07");
        doc.OnNewDocument();
        EXPECT_EQ(frame->fiveToneMenus(), type == 1) << type;
        EXPECT_EQ(frame->Action(32788)->isEnabled(), type == 1) << type;
    }
}

TEST_F(FrameTest, ClockAndWindowSize) {
    frame->SetClockSource([] { return QTime(9, 5); });
    EXPECT_EQ(frame->clockText(), "9:05");
    EXPECT_EQ(CMainFrame::ClockText(QTime(23, 59)), "23:59");
    frame->show();
    frame->resize(400, 300);
    EXPECT_GE(frame->width(), 835);
    EXPECT_GE(frame->height(), 540);
}

TEST_F(FrameTest, DialogBracketRebuildsReloadsAndRefreshes) {
    // Bytes no block owns are cleared before the dialog sees the image.
    (*radioImage)[120] = 0x77;
    bool ran = false;
    frame->RunDialogCommand(
        [&] {
            ran = true;
            EXPECT_EQ((*radioImage)[120], 0);
            // The dialog changes a program-wide block's bytes; the reload
            // brings the block up to date.
            SetGroupChannelCount(*radioImage, 0, 70);
            return int(kRefreshAll);
        },
        true);
    EXPECT_TRUE(ran);
    EXPECT_EQ(channels->groupSizes()[0], 70u);
}

// A band change takes the band's default file with its offset and its
// signaling family; one that does not read is written afresh and the
// document has no name.
TEST_F(FrameTest, BandChangeTakesTheDefaultFileOfTheBand) {
    QTemporaryDir programDir;  // not the current folder
    SetExecutableDirectoryForTest(programDir.path().toStdString());
    const std::string path = programDir.path().toStdString() + "/defaultv.k07";
    RadioImage fileImage = *radioImage;
    SetGroupChannelCount(fileImage, 0, 70);
    SetSignalingType(fileImage, kTwoTone);
    ASSERT_TRUE(WriteDataFile(path, fileImage, TrailerFromOffset(2.5)));
    ASSERT_TRUE(hardware->IsUpperBand());
    ASSERT_TRUE(frame->fiveToneMenus());
    for (int id : {32784, 32788}) frame->SetCommandHandler(id, [] {});

    autoTxOffsetMHz = 0.0;
    frame->ApplyRefresh(kRefreshBand);
    EXPECT_EQ(currentFileName, path);
    EXPECT_EQ(autoTxOffsetMHz, 2.5);
    EXPECT_EQ(defaultFileLoaded, 1);
    EXPECT_EQ(channels->groupSizes()[0], 70u);
    EXPECT_FALSE(frame->fiveToneMenus());
    EXPECT_TRUE(frame->Action(32784)->isEnabled());  // the 2-tone dialogs
    EXPECT_FALSE(frame->Action(32788)->isEnabled());

    ASSERT_TRUE(test::WriteFileBytes(path, std::vector<std::uint8_t>(100, 0xEE)));
    frame->ApplyRefresh(kRefreshBand);
    EXPECT_EQ(messages.last(), "Problem reading from file\r\nFile Name = " + path);
    EXPECT_EQ(currentFileName, "<none>");
    EXPECT_TRUE(frame->windowTitle().startsWith("<none>"));
    EXPECT_EQ(defaultFileLoaded, 0);
    EXPECT_EQ(test::ReadFileBytes(path).size(), 7815u);
}

TEST_F(FrameTest, BroughtToFrontAWindowComesBackAsItWasBeforeItWasMinimised) {
    frame->show();
    for (const Qt::WindowStates before :
         {Qt::WindowStates(Qt::WindowNoState), Qt::WindowStates(Qt::WindowMaximized)}) {
        frame->setWindowState(before | Qt::WindowMinimized);
        frame->BringToFront();
        EXPECT_EQ(frame->windowState(), before) << int(before);
        EXPECT_TRUE(frame->isVisible());
    }
}

TEST_F(FrameTest, ClosingAsksBeforeDroppingChanges) {
    frame->show();
    imageModified = 1;
    messages.Answer(MsgResult::kCancel);
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(messages.last(), "Save changes to <none>?");
    messages.Answer(MsgResult::kNo);
    EXPECT_TRUE(frame->close());
    EXPECT_GE(QSettings(ProfilePath(), QSettings::IniFormat).value("Initialize/CX").toInt(), 835);
}

TEST_F(FrameTest, GeneralHelpNeedsNoHelpFile) {
    // The pages are part of the program: nothing next to it is looked for.
    frame->ShowHelp(123136);
    EXPECT_EQ(messages.count(), 0u);
    ASSERT_TRUE(HelpWindow::Current());
    EXPECT_EQ(HelpWindow::Current()->source(), HelpWindow::PageUrl("main_window.html", ""));
    delete HelpWindow::Current();
}

}  // namespace
}  // namespace kp07
