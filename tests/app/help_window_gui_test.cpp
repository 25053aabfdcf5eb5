// F1 and the Help menu in the running program: every control of every dialog
// the menus open asks for a topic whose page is its dialog's and carries its
// entry; the help window follows links, goes back and forward, stays usable
// while a dialog is open, and answers F1 on menu entries and in the grid.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <set>

#include "alignment/alignment_dialog.h"
#include "alignment/alignment_items.h"
#include "app/app_instance.h"
#include "app/help_requests.h"
#include "app/help_window.h"
#include "app/main_frame.h"
#include "blocks/image_ops.h"
#include "channels/channel_columns.h"
#include "channels/channel_view.h"
#include "link/transfer_dialog.h"
#include "link/transfer_jobs.h"
#include "params/grid_param_dialog.h"
#include "resources/command_ids.h"
#include "resources/help_contexts.h"
#include "support/gui/app_fixture.h"
#include "widgets/cell_edit.h"
#include "widgets/choice_list_dialog.h"
#include "widgets/flex_grid.h"

namespace kp07 {
namespace {

class HelpTest : public test::RunningProgramTest {
  protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(RunningProgramTest::SetUp());
        StartShown();
    }
    void TearDown() override {
        if (HelpWindow* help = HelpWindow::Current()) delete help;
        RunningProgramTest::TearDown();
    }
    // Runs command `id` from its menu entry; `inside` sees the dialog, which
    // is closed afterwards. Returns whether a dialog opened.
    bool Run(int id, const std::function<void(QDialog*)>& inside) {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            opened = true;
            inside(dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        frame->Action(id)->trigger();
        return opened;
    }
    static std::string Shown() {
        HelpWindow* help = HelpWindow::Current();
        return help ? help->source().toString().toStdString() : std::string();
    }
    static std::string Url(const std::string& page, const std::string& anchor) {
        return HelpWindow::PageUrl(page, anchor).toString().toStdString();
    }
    static std::string UrlOf(const HelpPlace& place) { return Url(place.page, place.anchor); }
};

bool Registered(const QWidget* w) {
    const int id = CParamDialog::ControlId(w);
    return id >= 1 && id != 9;
}

TEST_F(HelpTest, EveryControlOfEveryDialogOpensItsDialogsPageAtItsEntry) {
    const int commands[] = {
        cmd::kConfigure,        cmd::kChannelAllocations,
        cmd::kHardware,         cmd::kSignalingSystem,
        cmd::kScanning,         cmd::kPowerSaving,
        cmd::kKeyFunction,      cmd::kEmergency,
        cmd::kMarketing,        cmd::kMiscellaneous,
        cmd::kOption,           cmd::kPowerOnPassword,
        cmd::kAniSpeedDial,     cmd::kTwoToneParameters,
        cmd::kTwoToneSystems,   cmd::kTwoToneTable,
        cmd::kTwoToneEncode,    cmd::kFiveToneGeneral,
        cmd::kFiveToneFormat,   cmd::kFiveToneSystems,
        cmd::kFiveToneDecode,   cmd::kFiveToneEncode,
        cmd::kFiveToneUserTone, cmd::kPagingSetting,
        cmd::kPageCode,
    };
    std::set<int> dialogs;
    int controls = 0;
    for (bool fiveTone : {false, true}) {
        for (int id : commands) {
            frame->SetFiveToneMenus(fiveTone);
            if (!frame->Action(id)->isEnabled()) continue;
            const bool opened = Run(id, [&](QDialog* dialog) {
                auto* param = qobject_cast<CParamDialog*>(dialog);
                ASSERT_TRUE(param) << id;
                const int tmpl = param->templateId();
                const std::string page = HelpPlaceFor(kDialogHelpBase + tmpl).page;
                ASSERT_NE(page, kHelpContentsPage) << "template " << tmpl;
                dialogs.insert(tmpl);

                // Each control's topic, looked up as the dialog asks for it.
                auto check = [&](const QWidget* w) {
                    const int topic = param->HelpTopic(w);
                    const HelpPlace place = HelpPlaceFor(topic, tmpl);
                    EXPECT_TRUE(place.found) << tmpl << ": " << topic;
                    EXPECT_EQ(place.page, page) << tmpl << ": " << topic;
                    ++controls;
                };
                QWidget* firstEnabled = nullptr;
                for (QWidget* w : dialog->findChildren<QWidget*>()) {
                    if (!Registered(w)) continue;
                    if (auto* grid = qobject_cast<FlexGrid*>(w)) {
                        for (int col = 0; col < grid->cols(); ++col) {
                            grid->SetCol(col);
                            check(grid);
                        }
                        grid->SetCol(1);
                    } else {
                        check(w);
                    }
                    if (!firstEnabled && w->isEnabled() && w->isVisible()) firstEnabled = w;
                }
                // The real way: F1 on a control (outside factory mode the
                // hardware values are only shown), then on a button of no
                // topic of its own.
                if (firstEnabled) {
                    QTest::keyClick(firstEnabled, Qt::Key_F1);
                    EXPECT_EQ(Shown(), UrlOf(HelpPlaceFor(param->HelpTopic(firstEnabled), tmpl)))
                        << tmpl;
                }
                for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
                    if (Registered(button) || !button->isVisible()) continue;
                    QTest::keyClick(button, Qt::Key_F1);
                    EXPECT_EQ(QUrl(QString::fromStdString(Shown())).fileName().toStdString(), page)
                        << tmpl;
                    break;
                }
            });
            EXPECT_TRUE(opened) << id;
        }
    }
    // Both families' signaling dialogs and every other dialog of the menus.
    EXPECT_EQ(dialogs.size(), std::size(commands));
    EXPECT_GT(controls, 400);
    EXPECT_TRUE(messages.count() == 0u);
}

TEST_F(HelpTest, WindowsWithoutControlTopicsOpenTheirOwnPage) {
    CTransferDialog transfer(frame);
    CChoiceListDlg gridList("Squelch Level", {"0", "1"}, 0, frame);
    CToneListDlg toneList("CTCSS Frequency", {" 67.0"}, 0, 100, frame);
    QDialog unknown(frame);
    const struct {
        int mode;
        const QWidget* window;
        const char* page;
        const char* anchor;
    } cases[] = {
        {kTransferUpload, &transfer, "transfer.html", "upload"},
        {kTransferDownload, &transfer, "transfer.html", "download"},
        {kTransferUploadReference, &transfer, "transfer.html", "upload"},
        {kTransferDownloadChanges, &transfer, "transfer.html", "download"},
        {0, &gridList, "channels.html", "lists"},
        {0, &toneList, "channels.html", "lists"},
    };
    for (const auto& c : cases) {
        transfer.SetMode(c.mode);
        const HelpPlace place = HelpPlaceFor(DialogHelpTopic(c.window));
        EXPECT_EQ(place.page, c.page) << c.mode;
        EXPECT_EQ(place.anchor, c.anchor) << c.mode;
    }
    EXPECT_EQ(DialogHelpTopic(&unknown), 0);

    // The Alignment dialog: an item's value opens the item, anything else
    // the dialog's page.
    CAlignmentDlg alignment(frame);
    alignment.show();
    QTest::keyClick(alignment.valueField(kItemMaxDeviation), Qt::Key_F1);
    EXPECT_EQ(Shown(), Url("alignment.html", "c2863"));
    QTest::keyClick(alignment.channelList(), Qt::Key_F1);
    EXPECT_EQ(Shown(), Url("alignment.html", ""));

    // A dialog of the menus without control topics: its own page.
    Run(cmd::kVisible, [&](QDialog* dialog) {
        QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_F1);
        EXPECT_EQ(Shown(), Url("visible.html", ""));
    });
    // A list opened over a dialog is part of that dialog's help.
    frame->SetFiveToneMenus(false);
    Run(cmd::kTwoToneTable, [&](QDialog* dialog) {
        CToneListDlg chooser("2-Tone Frequency", {" 1- 349.0"}, 0, 100, dialog);
        EXPECT_EQ(HelpPlaceFor(DialogHelpTopic(&chooser)).page, "two_tone_table.html");
    });
}

TEST_F(HelpTest, TheHelpWindowBelongsToTheAskingDialogUntilItCloses) {
    HelpWindow* help = nullptr;
    Run(cmd::kScanning, [&](QDialog* dialog) {
        QWidget* field = static_cast<CParamDialog*>(dialog)->Control(2103);
        QTest::keyClick(field, Qt::Key_F1);
        help = HelpWindow::Current();
        ASSERT_TRUE(help);
        // A window of the modal dialog is not blocked by it: it scrolls and
        // follows links while the dialog waits.
        EXPECT_EQ(help->parentWidget(), dialog);
        ASSERT_TRUE(help->windowHandle());
        EXPECT_EQ(help->windowHandle()->transientParent(), dialog->windowHandle());
        EXPECT_EQ(help->source().toString().toStdString(), Url("scanning.html", "c2103"));
    });
    ASSERT_EQ(HelpWindow::Current(), help);
    EXPECT_EQ(help->parentWidget(), frame);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->source().toString().toStdString(), Url("scanning.html", "c2103"));
}

TEST_F(HelpTest, HelpTopicsShowsTheContentsAndLinksBackAndForwardWork) {
    ASSERT_TRUE(frame->Action(cmd::kHelpIndex)->isEnabled());
    frame->Action(cmd::kHelpIndex)->trigger();
    HelpWindow* help = HelpWindow::Current();
    ASSERT_TRUE(help);
    EXPECT_EQ(help->source().toString().toStdString(), Url("index.html", ""));
    EXPECT_EQ(help->windowTitle(), "KP07XT Help - Contents");
    EXPECT_FALSE(help->backAction()->isEnabled());

    // Follow the contents' link to Scanning as a click would.
    QString link;
    for (QTextBlock b = help->browser()->document()->begin(); b.isValid() && link.isEmpty();
         b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (it.fragment().text() == "Scanning") link = it.fragment().charFormat().anchorHref();
        }
    }
    ASSERT_EQ(link, "scanning.html");
    help->browser()->setSource(help->source().resolved(QUrl(link)));
    EXPECT_EQ(help->source().fileName(), "scanning.html");
    EXPECT_EQ(help->windowTitle(), "KP07XT Help - Scanning Parameters");
    EXPECT_TRUE(help->browser()->toPlainText().contains("Scan Resume Time 1"));

    ASSERT_TRUE(help->backAction()->isEnabled());
    help->backAction()->trigger();
    EXPECT_EQ(help->source().fileName(), "index.html");
    ASSERT_TRUE(help->forwardAction()->isEnabled());
    help->forwardAction()->trigger();
    EXPECT_EQ(help->source().fileName(), "scanning.html");
    help->contentsAction()->trigger();
    EXPECT_EQ(help->source().fileName(), "index.html");

    // The same page at another entry scrolls to it.
    frame->ShowHelp(300);
    const int top = help->browser()->verticalScrollBar()->value();
    frame->ShowHelp(317);
    EXPECT_EQ(Shown(), Url("channels.html", "c317"));
    EXPECT_GT(help->browser()->verticalScrollBar()->value(), top);
    // ... and marks the entry, which a short page cannot scroll to the top.
    EXPECT_EQ(help->browser()->textCursor().selectedText(), "Xtal");
    frame->ShowHelp(4205);
    EXPECT_EQ(help->browser()->textCursor().selectedText(), "CH SW");
    help->contentsAction()->trigger();
    EXPECT_FALSE(help->browser()->textCursor().hasSelection());
}

TEST_F(HelpTest, F1InTheMainWindowAndOnMenuEntries) {
    // The group tag above the grid, then the grid's column in hand.
    auto* view = dynamic_cast<CKP05View*>(frame->view());
    ASSERT_TRUE(view);
    view->groupTagEdit()->setFocus();
    QTest::keyClick(view->groupTagEdit(), Qt::Key_F1);
    EXPECT_EQ(Shown(), Url("main_window.html", "c339"));
    view->grid()->setFocus();
    view->grid()->SetCurrentCell(2, kColEncoder);
    QTest::keyClick(view->grid(), Qt::Key_F1);
    EXPECT_EQ(Shown(), Url("channels.html", "c307"));

    // A highlighted menu entry: its command, through the help id table.
    const struct {
        int command;
        const char* page;
        const char* anchor;
    } cases[] = {
        {cmd::kHardware, "hardware.html", ""},
        {cmd::kPageCode, "paging_code.html", "c4620"},
        {cmd::kViewItemFirst + 3, "visible.html", ""},
        {cmd::kExportChannels, "files.html", "csv"},
    };
    for (const auto& c : cases) {
        QAction* action = frame->Action(c.command);
        auto* menu = qobject_cast<QMenu*>(action->associatedObjects().value(0));
        ASSERT_TRUE(menu) << c.command;
        menu->popup(QPoint(10, 10));
        menu->setActiveAction(action);
        QTest::keyClick(menu, Qt::Key_F1);
        EXPECT_FALSE(menu->isVisible()) << c.command;
        EXPECT_EQ(Shown(), Url(c.page, c.anchor)) << c.command;
    }
}

}  // namespace
}  // namespace kp07
