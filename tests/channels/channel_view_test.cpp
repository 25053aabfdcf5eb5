// The channel view driven through its real widgets: keys on the grid, the
// floating editor, the lists, copy and paste, the group controls and the
// CB tag timers.
#include "channels/channel_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "blocks/channel_table.h"
#include "blocks/image_ops.h"
#include "channels/channel_columns.h"
#include "image/accessors.h"
#include "image/process_state.h"
#include "support/gui/gui_helpers.h"
#include "support/message_recorder.h"
#include "support/test_support.h"
#include "widgets/cell_edit.h"
#include "widgets/choice_list_dialog.h"
#include "widgets/flex_grid.h"

namespace kp07 {
namespace {

const QColor kGrey(220, 220, 220);

// Runs `act` on the next modal list dialog once it is open.
void WhenListOpens(std::function<void(ListChoiceDialog*)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<ListChoiceDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no list dialog";
            if (QWidget* w = QApplication::activeModalWidget()) w->close();
            return;
        }
        act(dialog);
    });
}

// Picks `row` in the list dialog and closes it with OK.
std::function<void(ListChoiceDialog*)> Choose(int row) {
    return [row](ListChoiceDialog* d) {
        d->list()->setCurrentRow(row);
        d->accept();
    };
}

class ViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetProcessStateForTest();
        CreateImageAndBlocks();
        FillDefaults(*radioImage);
        LoadPersistentBlocks(*radioImage);
        channels->SelectGroup(0);
        view = std::make_unique<CKP05View>();
        view->resize(1000, 600);
        view->RefreshView();
        ASSERT_TRUE(test::ShowActive(view.get()));
        grid = view->grid();
        imageModified = 0;
    }
    void TearDown() override {
        view.reset();
        DestroyImageAndBlocks();
        ResetProcessStateForTest();
    }
    ChannelRecord& R(int slot) { return channels->records[std::size_t(slot)]; }
    // Puts the grid's current cell on (slot, col) and gives it the focus.
    void Select(int slot, int col) {
        const int row = view->GridRowOfSlot(slot);
        ASSERT_GE(row, 0);
        grid->SetCurrentCell(row, col);
        grid->setFocus();
    }
    QString Cell(int slot, int col) { return grid->textMatrix(view->GridRowOfSlot(slot), col); }
    void ShowGroup(int group) {
        channels->SelectGroup(group);
        view->RefreshView();
    }

    std::unique_ptr<CKP05View> view;
    FlexGrid* grid = nullptr;
    test::MessageRecorder messages;
};

TEST_F(ViewTest, ShowsTheCbGroupWithItsHeadings) {
    EXPECT_EQ(grid->rows(), 77 + 2);
    EXPECT_EQ(grid->cols(), 24);
    EXPECT_EQ(grid->fixedRows(), 2);
    EXPECT_EQ(grid->textMatrix(0, 4), "Frequency");
    EXPECT_EQ(grid->MergedRange(0, 4), std::make_pair(4, 5));
    EXPECT_EQ(grid->MergedRange(0, 11), std::make_pair(11, 13));
    EXPECT_EQ(grid->textMatrix(1, 23), "Xtal");
    EXPECT_EQ(grid->colAlignment(3), FlexGrid::kLeftTop);
    EXPECT_EQ(grid->colAlignment(4), FlexGrid::kCenterTop);
    EXPECT_EQ(grid->textMatrix(2, 5), "477.17500");
    EXPECT_TRUE(grid->hasCellPicture(2, kColPowerSaveRx));
    EXPECT_EQ(grid->row(), 2);
    EXPECT_EQ(grid->col(), 0);
    EXPECT_EQ(view->groupSelector()->count(), 7);
    EXPECT_EQ(view->groupSelector()->currentText(), "CB      ");
    EXPECT_EQ(view->groupTagEdit()->text(), "  C  B  ");
    EXPECT_EQ(view->factText(4), "COM1  9600BPS");

    // GROUP-1 starts at channel 78; its channels are not in use: grey.
    ShowGroup(1);
    EXPECT_EQ(grid->rows(), 16 + 2);
    EXPECT_EQ(grid->textMatrix(2, 0), " 78");
    EXPECT_EQ(grid->cellForeColor(2, 4), kGrey);
    EXPECT_EQ(view->groupSelector()->currentText(), "GROUP-1 ");
    EXPECT_EQ(channels->currentChannel, 77);
    // F2 goes on to the next group.
    QTest::keyClick(grid, Qt::Key_F2);
    EXPECT_EQ(channels->currentGroup, 2);
    EXPECT_EQ(grid->textMatrix(2, 0), " 94");
    // The selector takes the group from the end of its name.
    view->groupSelector()->setCurrentIndex(6);
    EXPECT_EQ(channels->currentGroup, 6);
    EXPECT_EQ(grid->rows(), 11 + 2);
}

TEST_F(ViewTest, AnEmptyTableShowsNoRows) {
    channels->SetGroupSizes({0, 0, 0, 0, 0, 0, 0});
    ShowGroup(0);
    EXPECT_EQ(grid->rows(), 2);
    EXPECT_EQ(view->groupSelector()->count(), 0);
    grid->setFocus();
    for (int key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_F3, Qt::Key_1, Qt::Key_F2}) {
        QTest::keyClick(grid, Qt::Key(key));
    }
    view->Copy();
    view->Paste();
    EXPECT_FALSE(view->editing());
    EXPECT_EQ(channels->currentGroup, 0);

    // Sizes from a damaged image that add up past 168 are cut back: the
    // last group shown ends at channel 168.
    for (int g = 0; g < kGroupCount; ++g) SetGroupChannelCount(*radioImage, g, 200);
    LoadPersistentBlocks(*radioImage);
    ShowGroup(0);
    EXPECT_EQ(grid->rows(), 128 + 2);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_F2);
    EXPECT_EQ(channels->currentGroup, 1);
    EXPECT_EQ(grid->rows(), 40 + 2);
    EXPECT_EQ(grid->textMatrix(41, 0), "168");
    QTest::keyClick(grid, Qt::Key_F2);
    EXPECT_EQ(channels->currentGroup, 0);
}

TEST_F(ViewTest, TypingNeedsAChannelInUse) {
    autoTxOffsetMHz = 0.0;
    ShowGroup(1);
    Select(77, kColRx);
    QTest::keyClick(grid, Qt::Key_1);
    EXPECT_FALSE(view->editing());
    EXPECT_FALSE(view->cellEditor()->isVisible());

    Select(77, kColChannel);
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_TRUE(channels->IsInUse(77));
    EXPECT_FALSE(grid->cellForeColor(2, 4).isValid());  // normal colour again
    EXPECT_EQ(grid->cellPicture(2, kColPowerSaveRx).toImage(),
              CheckMarkPixmap(view->palette().color(QPalette::Text)).toImage());

    Select(77, kColRx);
    QTest::keyClick(grid, Qt::Key_1);
    ASSERT_TRUE(view->editing());
    EXPECT_EQ(view->cellEditor()->text(), "1");
    EXPECT_TRUE(view->cellEditor()->hasFocus());
    // The editor lies over the cell, one pixel beyond it on every side.
    const QRect cell = grid->CellRect(2, kColRx).translated(grid->pos());
    EXPECT_EQ(view->cellEditor()->geometry(), cell.adjusted(-1, -1, 1, 1));
    QTest::keyClick(view->cellEditor(), Qt::Key_Backspace);
    QTest::keyClicks(view->cellEditor(), "449.7408");
    QTest::keyClick(view->cellEditor(), Qt::Key_Return);
    EXPECT_FALSE(view->editing());
    EXPECT_FALSE(view->cellEditor()->isVisible());
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_EQ(Cell(77, kColRx), "449.74375");
    EXPECT_EQ(Cell(77, kColTx), "---.-----");  // still without transmit
    EXPECT_TRUE(grid->hasCellPicture(2, kColXtal));
    EXPECT_EQ(imageModified, 1);

    // Enter on the transmit cell of a channel without transmit edits the
    // frequency it keeps; Escape stores the shown value back.
    ShowGroup(0);
    Select(21, kColTx);
    QTest::keyClick(grid, Qt::Key_Return);
    ASSERT_TRUE(view->editing());
    EXPECT_EQ(view->cellEditor()->text(), "476.95000");
    EXPECT_EQ(view->cellEditor()->selectedText(), "476.95000");
    QTest::keyClicks(view->cellEditor(), "450");
    QTest::keyClick(view->cellEditor(), Qt::Key_Escape);
    EXPECT_FALSE(view->editing());
    EXPECT_DOUBLE_EQ(R(21).txMHz, 476.95);
    EXPECT_EQ(Cell(21, kColTx), "---.-----");

    // A click elsewhere commits as well.
    Select(2, kColTag);
    QTest::keyClicks(grid, "x");
    ASSERT_TRUE(view->editing());
    QTest::keyClicks(view->cellEditor(), "yz");
    view->groupSelector()->setFocus();
    EXPECT_FALSE(view->editing());
    EXPECT_EQ(R(2).tag, "XYZ     ");
}

TEST_F(ViewTest, TagCellsTakeOnlyTagCharacters) {
    Select(2, kColTag);
    QTest::keyClicks(grid, "!");
    EXPECT_FALSE(view->editing());
    for (const char* ok : {"?", "@"}) {
        Select(2, kColTag);
        QTest::keyClicks(grid, ok);
        EXPECT_TRUE(view->editing()) << ok;
        EXPECT_EQ(view->cellEditor()->text(), ok);
        QTest::keyClick(view->cellEditor(), Qt::Key_Escape);
    }
    EXPECT_EQ(R(2).tag, "CB CH-03");
}

TEST_F(ViewTest, ToneTypingListsAndPolarity) {
    Select(0, kColDecoder);
    QTest::keyClicks(grid, "d");
    ASSERT_TRUE(view->editing());
    EXPECT_EQ(view->cellEditor()->text(), "D-");
    EXPECT_EQ(R(0).rxToneType, 2);
    EXPECT_EQ(R(0).txToneType, 2);
    // Enter with nothing after "-" opens the DCS list; Cancel puts the
    // former types back.
    QString title;
    int entries = 0;
    WhenListOpens([&](ListChoiceDialog* d) {
        title = d->windowTitle();
        entries = d->list()->count();
        d->reject();
    });
    QTest::keyClick(view->cellEditor(), Qt::Key_Return);
    EXPECT_EQ(title, "DCS Frequency(CH= 1)");
    EXPECT_EQ(entries, 107);
    EXPECT_EQ(R(0).rxToneType, 0);
    EXPECT_EQ(R(0).txToneType, 0);
    EXPECT_EQ(Cell(0, kColDecoder), "-------");

    // From the list: OK stores the chosen code on both sides.
    Select(0, kColDecoder);
    QTest::keyClicks(grid, "d");
    WhenListOpens(Choose(2));  // 026
    QTest::keyClick(view->cellEditor(), Qt::Key_Return);
    EXPECT_EQ(Cell(0, kColDecoder), "D-026N  ");
    EXPECT_EQ(Cell(0, kColEncoder), "D-026N  ");

    // F3: N, I, B on the decoder; N, I on the encoder.
    Select(0, kColDecoder);
    for (const char* expected : {"D-026I  ", "D-026B  ", "D-026N  "}) {
        QTest::keyClick(grid, Qt::Key_F3);
        EXPECT_EQ(Cell(0, kColDecoder), expected);
    }
    Select(0, kColEncoder);
    for (const char* expected : {"D-026I  ", "D-026N  "}) {
        QTest::keyClick(grid, Qt::Key_F3);
        EXPECT_EQ(Cell(0, kColEncoder), expected);
    }

    // Escape abandons a tone edit.
    Select(1, kColDecoder);
    QTest::keyClicks(grid, "d");
    QTest::keyClicks(view->cellEditor(), "23");
    QTest::keyClick(view->cellEditor(), Qt::Key_Escape);
    EXPECT_EQ(R(1).rxToneType, 0);
    EXPECT_EQ(Cell(1, kColDecoder), "-------");
}

TEST_F(ViewTest, ChoiceListsFromSpaceAndDoubleClick) {
    Select(4, kColSquelch);
    WhenListOpens([](ListChoiceDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Squelch Level(CH= 5)");
        EXPECT_EQ(d->size(), QSize(220, 230));
        EXPECT_EQ(d->list()->currentRow(), 4);
        d->list()->setCurrentRow(12);
        d->accept();
    });
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(Cell(4, kColSquelch), "12");

    // Pri: PG here, then OFF on another channel leaves the marks.
    Select(4, kColPri);
    WhenListOpens(Choose(3));
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(Cell(4, kColPri), "PG");
    Select(8, kColPri);
    WhenListOpens([](ListChoiceDialog* d) {
        EXPECT_EQ(d->list()->currentRow(), 3);
        d->list()->setCurrentRow(2);  // P moves here
        d->accept();
    });
    const QPoint center = grid->CellRect(view->GridRowOfSlot(8), kColPri).center();
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, center - grid->viewport()->pos());
    EXPECT_EQ(Cell(8, kColPri), "P");
    EXPECT_EQ(Cell(4, kColPri), "G");  // the old row lost its P at once

    // A double click on the headings does nothing.
    Select(4, kColPowerSaveTx);
    const QPoint heading = grid->CellRect(1, kColPowerSaveTx).center() - grid->viewport()->pos();
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, heading);
    EXPECT_EQ(R(4).powerSaveTx, 0);
}

TEST_F(ViewTest, CopyAndPasteCellsAndChannels) {
    QClipboard* clip = QGuiApplication::clipboard();
    for (const auto& [col, text] :
         {std::pair{kColRx, "476.52500"}, {kColPowerSaveRx, "v"}, {kColChannel, "  5"}}) {
        Select(4, col);
        view->Copy();
        EXPECT_EQ(clip->text(), text);
    }

    // Channel 5 (taken out of use) onto channel 12 with only Frequency
    // shown: the frequencies and the in-use mark go over, nothing else.
    visibleItems.fill(0);
    visibleItems[kItemFrequency] = 1;
    R(4).inUse = 0;
    R(11).tag = "KEEP";
    Select(11, kColChannel);
    messages.Answer(MsgResult::kYes);
    view->Paste();
    EXPECT_EQ(messages.last(), "Do you copy Ch  5 data to Ch  12?\n(Only visible columns)");
    EXPECT_EQ(Cell(11, kColRx), "476.52500");
    EXPECT_EQ(Cell(11, kColTx), "477.27500");
    EXPECT_EQ(R(11).tag, "KEEP");
    EXPECT_FALSE(channels->IsInUse(11));
    EXPECT_EQ(grid->cellForeColor(view->GridRowOfSlot(11), 3), kGrey);

    // A refused paste changes nothing.
    clip->setText("Z");
    Select(12, kColPower);
    view->Paste();
    EXPECT_EQ(Cell(12, kColPower), "H");
    clip->setText("L");
    view->Paste();
    EXPECT_EQ(Cell(12, kColPower), "L");

    // While the editor is open, copy and paste work on its text.
    Select(12, kColRx);
    QTest::keyClicks(grid, "4");
    clip->setText("7x7");
    view->Paste();
    EXPECT_EQ(view->cellEditor()->text(), "477");
}

// Escape leaves the channel as it was, whichever way the edit began:
// CB CH-06 keeps its transmit split (476.55 / 477.30 MHz).
// F5 (a production download) and Shift+F9 (the file data viewer) work with
// the image: what is being typed into a cell goes with them.
TEST_F(ViewTest, KeysThatWorkWithTheImageCommitTheEditFirst) {
    productionMode = true;
    factoryMode = true;
    std::string seen;
    view->SetProductionDownload([&] { seen = R(5).tag; });
    view->SetFileDataViewer([&] { seen = R(5).tag; });
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        const char* typed;
    } cases[] = {{Qt::Key_F5, Qt::NoModifier, "AB"}, {Qt::Key_F9, Qt::ShiftModifier, "CD"}};
    for (const auto& c : cases) {
        Select(5, kColTag);
        QTest::keyClicks(grid, QString(QChar(c.typed[0])));
        QTest::keyClicks(view->cellEditor(), c.typed + 1);
        ASSERT_TRUE(view->editing()) << c.typed;
        QTest::keyClick(view->cellEditor(), c.key, c.mods);
        EXPECT_EQ(seen, std::string(c.typed) + "      ") << c.typed;
        EXPECT_FALSE(view->editing()) << c.typed;
    }
}

TEST_F(ViewTest, EscapeInTheEditorChangesNothing) {
    autoTxOffsetMHz = 0.0;
    struct Case {
        int col;
        bool typed;  // a typed character starts the edit, else Enter
        const char* keys;
    };
    for (const Case& c : {Case{kColRx, false, "450"}, Case{kColRx, true, "4"},
                          Case{kColTx, false, "470"}, Case{kColTag, true, "AB"}}) {
        Select(5, c.col);
        if (c.typed) {
            QTest::keyClicks(grid, QString(QChar(c.keys[0])));
            QTest::keyClicks(view->cellEditor(), c.keys + 1);
        } else {
            QTest::keyClick(grid, Qt::Key_Return);
            QTest::keyClicks(view->cellEditor(), c.keys);
        }
        ASSERT_TRUE(view->editing()) << c.col;
        QTest::keyClick(view->cellEditor(), Qt::Key_Escape);
        EXPECT_FALSE(view->editing());
        EXPECT_DOUBLE_EQ(R(5).rxMHz, 476.55) << c.col;
        EXPECT_DOUBLE_EQ(R(5).txMHz, 477.30) << c.col;
        EXPECT_EQ(R(5).txSetByHand, 1) << c.col;
        EXPECT_EQ(R(5).tag, "CB CH-06") << c.col;
        EXPECT_EQ(Cell(5, kColTx), "477.30000") << c.col;
        EXPECT_EQ(imageModified, 0) << c.col;
    }
}

// Tags may hold Latin-1 letters; they copy as those letters and paste back.
TEST_F(ViewTest, Latin1TagsCopyAndPasteBack) {
    QClipboard* clip = QGuiApplication::clipboard();
    R(2).tag = "\xC4RZ\xE9";  // \xC4 ends before 'R', which is no hex digit
    view->RefreshView();
    Select(2, kColTag);
    view->Copy();
    EXPECT_EQ(clip->text(), QString::fromUtf8("\u00C4RZ\u00E9    "));
    Select(3, kColTag);
    view->Paste();
    EXPECT_EQ(R(3).tag, "\xC4RZ\xE9    ");
}

// Copy and Paste from the Edit menu act on the group tag or the group
// selector when one of them has the focus, never on the grid's cell; so does
// the help topic. The grid's columns and the group tag are the help window's
// test.
TEST_F(ViewTest, CopyPasteAndHelpFollowTheFocusedGroupControl) {
    QClipboard* clip = QGuiApplication::clipboard();
    Select(2, kColTag);  // the grid's current cell is a tag
    CCellEdit* tag = view->groupTagEdit();
    tag->setFocus();
    tag->selectAll();
    view->Copy();
    EXPECT_EQ(clip->text(), "  C  B  ");
    clip->setText("zone1");
    tag->selectAll();
    view->Paste();
    EXPECT_EQ(tag->text(), "ZONE1");
    EXPECT_EQ(channels->groupTags[0], "ZONE1   ");

    view->groupSelector()->setFocus();
    EXPECT_EQ(view->HelpContext(), 338);
    view->Copy();
    EXPECT_EQ(clip->text(), "CB      ");
    clip->setText("WRONG");
    view->Paste();
    EXPECT_EQ(R(2).tag, "CB CH-03");
    EXPECT_EQ(Cell(2, kColTag), "CB CH-03");
    EXPECT_EQ(channels->groupTags[0], "ZONE1   ");
}

// A file whose CB tag is blank: visiting the tag edit does not switch the
// CB channels off, since the tag did not change from the one loaded.
TEST_F(ViewTest, ABlankCbTagFromAFileStaysAsLoaded) {
    SetGroupTag(*radioImage, 0, "        ");
    LoadPersistentBlocks(*radioImage);
    ShowGroup(0);
    view->groupTagEdit()->setFocus();
    grid->setFocus();
    QTest::qWait(CKP05View::kCbTagDelayMs + CKP05View::kRefreshDelayMs + 200);
    EXPECT_TRUE(channels->IsInUse(0));
    EXPECT_FALSE(channels->IsInUse(77));
    EXPECT_FALSE(grid->cellForeColor(2, 0).isValid());
}

TEST_F(ViewTest, ClearingTheCbTagSwitchesTheGroupOffAfterADelay) {
    CCellEdit* tag = view->groupTagEdit();
    tag->setFocus();
    tag->selectAll();
    QTest::keyClick(tag, Qt::Key_Backspace);
    EXPECT_TRUE(channels->IsInUse(0));  // not yet
    QTRY_VERIFY_WITH_TIMEOUT(!channels->IsInUse(0), 4000);
    EXPECT_TRUE(channels->IsInUse(77));
    QTRY_COMPARE_WITH_TIMEOUT(grid->cellForeColor(2, 0), kGrey, 2000);
    tag->selectAll();
    QTest::keyClicks(tag, "cb");
    EXPECT_EQ(tag->text(), "CB");
    QTRY_VERIFY_WITH_TIMEOUT(channels->IsInUse(0), 4000);
    QTRY_VERIFY_WITH_TIMEOUT(!grid->cellForeColor(2, 0).isValid(), 2000);
    EXPECT_EQ(channels->groupTags[0], "CB      ");
}

TEST_F(ViewTest, ARadioWithoutTagsKeepsItsTags) {
    hardware->model = 0;  // "KR-302 Series"
    view->RefreshView();
    EXPECT_EQ(grid->textMatrix(2, kColTag), "        ");
    EXPECT_EQ(view->groupTagEdit()->text(), "        ");
    EXPECT_TRUE(view->groupTagEdit()->isReadOnly());
    view->groupTagEdit()->setFocus();
    QTest::keyClicks(view->groupTagEdit(), "x");
    grid->setFocus();
    Select(2, kColTag);
    QTest::keyClicks(grid, "x");
    EXPECT_FALSE(view->editing());
    EXPECT_EQ(channels->groupTags[0], "  C  B  ");
    EXPECT_EQ(R(2).tag, "CB CH-03");
}

}  // namespace
}  // namespace kp07
