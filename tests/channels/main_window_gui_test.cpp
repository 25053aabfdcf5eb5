// The channel view inside the real main window: the visible columns and
// their profile, the Visible dialog, the allocation command, and what the
// view changes in the frame.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "app/main_frame.h"
#include "blocks/channel_table.h"
#include "blocks/image_ops.h"
#include "channels/channel_alloc_dialog.h"
#include "channels/channel_columns.h"
#include "channels/channel_view.h"
#include "channels/visible_dialog.h"
#include "document/data_file.h"
#include "image/accessors.h"
#include "image/radio_image.h"
#include "resources/command_ids.h"
#include "support/gui/app_fixture.h"
#include "widgets/cell_edit.h"
#include "widgets/flex_grid.h"

namespace kp07 {
namespace {

class MainWindowTest : public test::RunningProgramTest {
  protected:
    void Start() {
        ASSERT_NO_FATAL_FAILURE(StartShown());
        view = qobject_cast<CKP05View*>(frame->centralWidget());
        ASSERT_NE(view, nullptr);
    }
    int ProfileItem(int item) const {
        QSettings ini(ProfilePath(), QSettings::IniFormat);
        return ini.value(QString("ITEM/ITEM%1").arg(item), -1).toInt();
    }

    CKP05View* view = nullptr;
};

TEST_F(MainWindowTest, ProfileItemsChooseTheColumnsAndTheMenuChecks) {
    QSettings(ProfilePath(), QSettings::IniFormat).setValue("ITEM/ITEM2", 0);
    Start();
    FlexGrid* grid = view->grid();
    EXPECT_EQ(grid->colWidth(kColTag), 0);
    EXPECT_FALSE(frame->Action(32802)->isChecked());
    EXPECT_TRUE(frame->Action(32802)->isEnabled());
    EXPECT_TRUE(frame->Action(32803)->isChecked());

    // View > Item > Frequency hides both frequency columns, and brings them
    // back at their standard width.
    frame->Trigger(32803);
    EXPECT_EQ(grid->colWidth(kColRx), 0);
    EXPECT_EQ(grid->colWidth(kColTx), 0);
    EXPECT_FALSE(frame->Action(32803)->isChecked());
    grid->SetColWidth(kColRx, 300);  // as if dragged
    frame->Trigger(32803);
    EXPECT_EQ(grid->colWidth(kColRx), 1080);
    EXPECT_EQ(grid->colWidth(kColTx), 1080);
    frame->Trigger(32807);  // Scan: three columns at once
    for (int c : {11, 12, 13}) EXPECT_EQ(grid->colWidth(c), 0) << c;
    EXPECT_EQ(frame->Action(32811), nullptr);
}

TEST_F(MainWindowTest, VisibleDialogTakesItsBoxesOnlyOnOk) {
    Start();
    FlexGrid* grid = view->grid();
    // Cancel leaves the grid but still writes the items to the profile.
    frame->Trigger(32810);  // Signaling off from the menu, not yet written
    EXPECT_EQ(ProfileItem(10), 1);
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<CVisibleDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        EXPECT_FALSE(d->checkBox(10)->isChecked());
        EXPECT_TRUE(d->checkBox(11)->isHidden());
        d->checkBox(4)->setChecked(false);
        d->cancelButton()->click();
    });
    frame->Trigger(cmd::kVisible);
    EXPECT_EQ(ProfileItem(10), 0);
    EXPECT_EQ(ProfileItem(4), 1);
    EXPECT_EQ(grid->colWidth(kColDecoder), 960);

    // Enter on a box flips it; OK with the focus on OK takes the boxes.
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<CVisibleDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        d->checkBox(4)->setFocus();
        QTest::keyClick(d->checkBox(4), Qt::Key_Return);
        EXPECT_TRUE(d->isVisible());
        EXPECT_FALSE(d->checkBox(4)->isChecked());
        d->checkBox(10)->setChecked(true);
        d->okButton()->setFocus();
        QTest::keyClick(d->okButton(), Qt::Key_Return);
    });
    frame->Trigger(cmd::kVisible);
    EXPECT_EQ(grid->colWidth(kColDecoder), 0);
    EXPECT_EQ(grid->colWidth(kColEncoder), 0);
    EXPECT_EQ(grid->colWidth(kColSignalingType), 640);
    EXPECT_EQ(ProfileItem(4), 0);
    EXPECT_EQ(ProfileItem(10), 1);
    EXPECT_FALSE(frame->Action(32804)->isChecked());
}

TEST_F(MainWindowTest, AllocationChangesTheGroupsTheViewShows) {
    Start();
    EXPECT_EQ(view->groupSelector()->count(), 7);
    // Shift+F1 opens the dialog; GROUP-3 emptied, GROUP-6 gives a channel
    // to GROUP-1.
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<CChannelAllocDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        for (const auto& [group, text] :
             {std::pair<int, const char*>{6, "10"}, {1, "17"}, {3, "0"}}) {
            d->countEdit(group)->setFocus();
            QTest::keyClicks(d->countEdit(group), text);
            QTest::keyClick(d->countEdit(group), Qt::Key_Return);
        }
        d->okButton()->setFocus();
        QTest::keyClick(d->okButton(), Qt::Key_Return);
    });
    QTest::keyClick(view->grid(), Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(channels->groupSizes()[1], 17u);
    EXPECT_EQ(channels->currentGroup, 0);
    EXPECT_EQ(view->groupSelector()->count(), 6);
    EXPECT_EQ(view->groupSelector()->findText("GROUP-3 "), -1);
    view->groupSelector()->setCurrentIndex(1);
    EXPECT_EQ(view->grid()->rows(), 17 + 2);
    EXPECT_EQ(view->grid()->textMatrix(18, 0), " 94");
    EXPECT_EQ(view->grid()->textMatrix(18, 3), " CH-017 ");
}

TEST_F(MainWindowTest, TheViewAdjustsTheFrame) {
    Start();
    // Alignment is for the factory only.
    for (QMenu* menu : frame->menuBar()->findChildren<QMenu*>()) {
        for (QAction* a : menu->actions()) EXPECT_NE(a->data().toInt(), cmd::kAlignment);
    }
    EXPECT_EQ(frame->statusBar()->currentMessage(),
              "F1 for Help   F2 for Group Change   F3 for DCS Invert   F10 for Menus");
    // Copy and Paste of the Edit menu reach the view.
    view->grid()->SetCurrentCell(2, kColRx);
    view->grid()->setFocus();
    frame->Trigger(cmd::kCopy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "476.42500");
    view->grid()->SetCurrentCell(3, kColRx);
    frame->Trigger(cmd::kPaste);
    EXPECT_EQ(view->grid()->textMatrix(3, kColRx), "476.42500");

    // The right mouse button brings up the Edit menu.
    QStringList items;
    QTimer::singleShot(0, [&items] {
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        for (QAction* a : popup->actions()) items << a->text();
        popup->close();
    });
    QWidget* area = view->grid()->viewport();
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(50, 50),
                                area->mapToGlobal(QPoint(50, 50)));
    QApplication::sendEvent(area, &menuEvent);
    EXPECT_EQ(items, QStringList({"&Copy", "&Paste"}));
}

// The grid has the keyboard from the start: the first arrow key moves in
// the grid, not through the groups. F10 opens the menu bar.
TEST_F(MainWindowTest, StartsInTheGridAndF10OpensTheMenus) {
    Start();
    EXPECT_EQ(QApplication::focusWidget(), view->grid());
    if (QWidget* focus = QApplication::focusWidget()) QTest::keyClick(focus, Qt::Key_Down);
    EXPECT_EQ(view->grid()->row(), 3);
    EXPECT_EQ(channels->currentGroup, 0);

    QString opened;
    QTimer::singleShot(0, [&opened] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            opened = menu->title();
            menu->close();
        }
    });
    QTest::keyClick(view->grid(), Qt::Key_F10);
    QTRY_COMPARE(opened, QString("&File"));
}

// Looking through the groups of a new document changes nothing in it; a
// tag typed does.
TEST_F(MainWindowTest, BrowsingTheGroupsLeavesTheDocumentUnchanged) {
    Start();
    ASSERT_EQ(imageModified, 0);
    FlexGrid* grid = view->grid();
    QTest::keyClick(grid, Qt::Key_F2);
    view->groupTagEdit()->setFocus();
    grid->setFocus();
    view->groupSelector()->setCurrentIndex(4);
    QTest::keyClick(grid, Qt::Key_F2);
    view->groupSelector()->setCurrentIndex(0);
    EXPECT_EQ(imageModified, 0);
    view->groupTagEdit()->setFocus();
    QTest::keyClick(view->groupTagEdit(), Qt::Key_End);
    for (int i = 0; i < 3; ++i) QTest::keyClick(view->groupTagEdit(), Qt::Key_Backspace);
    EXPECT_EQ(imageModified, 1);
}

// Which commands bring the view back to the CB group: those that bring
// another image (New, Open; Upload is checked against the simulated radio)
// and the allocation dialog's OK; Save, Save As and the parameter dialogs'
// refreshes keep the group shown.
TEST_F(MainWindowTest, TheGroupShownSurvivesEverythingButANewImage) {
    Start();
    const QString file = dir.filePath("radio.K07");
    frame->fileChooser = [file](bool) { return file; };
    const std::vector<std::pair<std::function<void()>, int>> steps = {
        {[this] { frame->Trigger(cmd::kSaveAs); }, 2},
        {[this] { frame->Trigger(cmd::kSave); }, 2},
        {[this] { frame->RunDialogCommand([] { return int(kRefreshAll); }, true); }, 2},
        {[this] { frame->RunDialogCommand([] { return int(kRefreshFacts); }, true); }, 2},
        {[this] { frame->Trigger(cmd::kOpen); }, 0},
        {[this] { frame->Trigger(cmd::kNew); }, 0},
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        view->groupSelector()->setCurrentIndex(2);
        ASSERT_EQ(channels->currentGroup, 2);
        steps[i].first();
        EXPECT_EQ(channels->currentGroup, steps[i].second) << "step " << i;
        EXPECT_EQ(view->groupSelector()->currentIndex(), steps[i].second) << "step " << i;
        EXPECT_EQ(view->grid()->textMatrix(2, 0), steps[i].second ? " 94" : "  1") << "step " << i;
    }
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_EQ(messages.count(), 0u) << messages.last();
}

// A command that works with the image takes what is being typed into a
// cell with it; Copy and Paste act on the editor itself.
TEST_F(MainWindowTest, CommandsTakeTheEditInProgressWithThem) {
    Start();
    const QString file = dir.filePath("typed.K07");
    frame->fileChooser = [file](bool) { return file; };
    FlexGrid* grid = view->grid();
    grid->SetCurrentCell(view->GridRowOfSlot(5), kColTag);
    grid->setFocus();
    QTest::keyClicks(grid, "X");
    QTest::keyClicks(view->cellEditor(), "Y");
    frame->Trigger(cmd::kCopy);
    EXPECT_TRUE(view->editing());

    frame->Trigger(cmd::kSaveAs);
    EXPECT_FALSE(view->editing());
    RadioImage saved{};
    FileTrailer trailer{};
    ASSERT_TRUE(ReadDataFile(file.toStdString(), saved, trailer));
    EXPECT_EQ(GetChannelTag(ChannelRecordAt(saved, 5)), "XY      ");
}

// A parameter dialog's OK reloads the channel table from the image while
// the grid still shows GROUP-2: keys on its first row still edit channel 94.
TEST_F(MainWindowTest, EditsAfterATableReloadGoToTheChannelShown) {
    Start();
    autoTxOffsetMHz = 0.0;
    FlexGrid* grid = view->grid();
    for (int code : {int(kRefreshNothing), int(kRefreshFacts)}) {
        view->groupSelector()->setCurrentIndex(2);
        frame->RunDialogCommand([code] { return code; }, true);
        RebuildImage(*radioImage);
        const RadioImage before = *radioImage;

        grid->SetCurrentCell(2, kColChannel);
        grid->setFocus();
        if (!channels->IsInUse(93)) QTest::keyClick(grid, Qt::Key_Space);
        grid->SetCurrentCell(2, kColRx);
        QTest::keyClicks(grid, "4");
        QTest::keyClicks(view->cellEditor(), code ? "51" : "50");
        QTest::keyClick(view->cellEditor(), Qt::Key_Return);
        EXPECT_EQ(grid->textMatrix(2, kColRx), code ? "451.00000" : "450.00000") << code;
        EXPECT_DOUBLE_EQ(channels->records[93].rxMHz, code ? 451.0 : 450.0) << code;

        RebuildImage(*radioImage);
        const std::size_t first = 297 + 25 * 93;
        for (std::size_t b = 0; b < kImageSize; ++b) {
            // The channel's own record, and the image checksum (7725-7726).
            if ((b >= first && b < first + 25) || b == 7725 || b == 7726) continue;
            ASSERT_EQ((*radioImage)[b], before[b]) << "code " << code << " byte " << b;
        }
    }
}

}  // namespace
}  // namespace kp07
