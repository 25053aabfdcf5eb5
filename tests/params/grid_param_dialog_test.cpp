#include "params/grid_param_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "image/radio_image.h"
#include "resources/strings.h"
#include "support/gui/gui_helpers.h"
#include "support/test_support.h"
#include "widgets/cell_edit.h"
#include "widgets/flex_grid.h"

namespace kp07 {
namespace {

constexpr int kGrid = 4502;

const StringEntry kHelpTexts[] = {
    {kGrid + 1, "Auto Reset\n<SELECT>"},
    {kGrid + 3, "Code\n<ENTER>"},
};
const StringTable kHelpTable{kHelpTexts, 2};

// A small table: a flag, a level stepped by Space, a typed code, and a
// column that would open a chooser.
class TableDialog : public CGridParamDialog {
  public:
    struct Entry {
        bool flag = false;
        int level = 0;
        QString code = "12";
    };
    std::vector<Entry> entries = std::vector<Entry>(4);
    std::vector<std::pair<int, int>> acts;
    std::vector<QString> texts;
    bool stored = false;

    TableDialog() : CGridParamDialog(195, kGrid) {
        ok = new QPushButton("OK", body());
        auto* cancel = new QPushButton("Cancel", body());
        grid()->setGeometry(10, 10, 400, 200);
        ok->move(10, 220);
        cancel->move(100, 220);
        SetButtons(ok, cancel);
        BuildGrid({{480, "No", "No", ColumnKind::kNumber},
                   {700, "Flag", "On", ColumnKind::kBoolean},
                   {700, "Level", "Lvl", ColumnKind::kList},
                   {1200, "Code", "Code", ColumnKind::kText, kCellToneDigit, 8},
                   {900, "Pick", "Pick", ColumnKind::kList, -1, 0, true}});
    }
    QPushButton* ok;

  protected:
    int EntryCount() const override { return int(entries.size()); }
    QString CellText(int e, int col) const override {
        if (col == 2 || col == 4) return QString::number(entries[e].level);
        return entries[e].code;
    }
    bool CellFlag(int e, int) const override { return entries[e].flag; }
    bool ActOnCell(int e, int col) override {
        acts.push_back({e, col});
        if (col == 1) entries[e].flag = !entries[e].flag;
        if (col == 2) entries[e].level = (entries[e].level + 1) % 3;
        return col == 1 || col == 2;
    }
    bool SetCellText(int e, int col, const QString& text) override {
        texts.push_back(text);
        if (col != 3 || text == entries[e].code) return false;
        entries[e].code = text;
        return true;
    }
    bool PasteCell(int e, int col, const QString& text) override {
        if (col != 3 || text.isEmpty()) return false;
        entries[e].code = text;
        return true;
    }
    void StoreTable() override { stored = true; }
};

struct GridDialogFixture : ::testing::Test {
    void SetUp() override {
        ResetProcessStateForTest();
        SetTestStringTable(&kHelpTable);
        dialog = std::make_unique<TableDialog>();
        ASSERT_TRUE(test::ShowActive(dialog.get()));
        grid = dialog->grid();
        grid->setFocus();
    }
    void TearDown() override { ResetProcessStateForTest(); }
    QPoint CellCentre(int row, int col) {
        return grid->CellRect(row, col).center() - grid->viewport()->pos();
    }
    std::unique_ptr<TableDialog> dialog;
    FlexGrid* grid = nullptr;
};

TEST_F(GridDialogFixture, LayoutAndEntryDrawing) {
    EXPECT_EQ(grid->rows(), 6);
    EXPECT_EQ(grid->cols(), 5);
    EXPECT_EQ(grid->fixedRows(), 2);
    EXPECT_EQ(grid->fixedCols(), 0);
    EXPECT_EQ(grid->colWidth(3), 1200);
    EXPECT_EQ(grid->colAlignment(3), FlexGrid::kCenterTop);
    EXPECT_EQ(grid->MergedRange(0, 0), std::make_pair(0, 0));
    EXPECT_EQ(grid->MergedRange(1, 3), std::make_pair(3, 3));
    EXPECT_EQ(grid->textMatrix(0, 2), "Level");
    EXPECT_EQ(grid->textMatrix(2, 0), "  1");
    EXPECT_EQ(grid->textMatrix(5, 0), "  4");
    EXPECT_EQ(grid->textMatrix(2, 1), "-");
    EXPECT_FALSE(grid->hasCellPicture(2, 1));
    EXPECT_EQ(grid->row(), 2);
    EXPECT_EQ(grid->col(), 0);
    EXPECT_EQ(dialog->currentEntry(), 0);

    grid->SetCurrentCell(4, 1);
    EXPECT_EQ(dialog->currentEntry(), 2);
}

TEST_F(GridDialogFixture, SpaceAndDoubleClickActButHeadingsDoNothing) {
    grid->SetCurrentCell(3, 1);
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_TRUE(dialog->entries[1].flag);
    EXPECT_EQ(grid->textMatrix(3, 1), "");
    EXPECT_TRUE(grid->hasCellPicture(3, 1));
    EXPECT_EQ(imageModified, 1);
    EXPECT_EQ(dialog->helpText(), "Auto Reset");

    imageModified = 0;
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(3, 1));
    EXPECT_FALSE(dialog->entries[1].flag);
    EXPECT_EQ(grid->textMatrix(3, 1), "-");
    EXPECT_FALSE(grid->hasCellPicture(3, 1));
    EXPECT_EQ(imageModified, 1);

    imageModified = 0;
    dialog->acts.clear();
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(0, 1));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(1, 2));
    EXPECT_TRUE(dialog->acts.empty());
    EXPECT_EQ(imageModified, 0);
    EXPECT_EQ(grid->row(), 3);

    // Enter redraws but does not close: OK is not focused. From OK it stores.
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->stored);
    dialog->ok->setFocus();
    QTest::keyClick(dialog->ok, Qt::Key_Return);
    EXPECT_TRUE(dialog->stored);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(GridDialogFixture, TypingEditsTheCellInTheFloatingEditor) {
    grid->SetCurrentCell(3, 3);
    CCellEdit* edit = dialog->cellEdit();
    QTest::keyClicks(grid, "F");  // refused by the tone-digit filter
    EXPECT_FALSE(edit->isVisible());
    QTest::keyClicks(grid, "e");
    ASSERT_TRUE(edit->isVisible());
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->text(), "E");
    EXPECT_EQ(edit->maxLength(), 8);
    // One pixel outside the cell on every side.
    const QRect cell = grid->CellRect(3, 3).translated(grid->pos());
    EXPECT_EQ(edit->geometry(), cell.adjusted(-1, -1, 1, 1));

    QTest::keyClicks(edit, "12f3");
    EXPECT_EQ(edit->text(), "E123");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_FALSE(edit->isVisible());
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_EQ(dialog->entries[1].code, "E123");
    EXPECT_EQ(grid->textMatrix(3, 3), "E123");
    EXPECT_EQ(imageModified, 1);

    // Escape gives the editor the cell's text back, so the commit changes
    // nothing.
    imageModified = 0;
    QTest::keyClicks(grid, "9");
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_FALSE(edit->isVisible());
    EXPECT_EQ(dialog->texts.back(), "E123");
    EXPECT_EQ(dialog->entries[1].code, "E123");
    EXPECT_EQ(imageModified, 0);

    // Typing in a list column or with Ctrl held starts nothing.
    grid->SetCurrentCell(3, 2);
    QTest::keyClicks(grid, "1");
    grid->SetCurrentCell(3, 3);
    QTest::keyClick(grid, Qt::Key_1, Qt::ControlModifier);
    EXPECT_FALSE(edit->isVisible());
}

TEST_F(GridDialogFixture, ClipboardCopiesDisplayTextsAndPastesThroughTheParseRule) {
    dialog->SetClipboardEnabled(true);
    dialog->entries[0].flag = true;
    dialog->DrawEntry(0);
    grid->SetCurrentCell(2, 1);
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "v");
    grid->SetCurrentCell(2, 3);
    QTest::keyClick(grid, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "12");

    QApplication::clipboard()->setText("ABCD");
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dialog->entries[0].code, "ABCD");
    EXPECT_EQ(grid->textMatrix(2, 3), "ABCD");
    EXPECT_EQ(imageModified, 1);

    imageModified = 0;
    QApplication::clipboard()->clear();
    QTest::keyClick(grid, Qt::Key_Insert, Qt::ShiftModifier);  // refused: a beep only
    EXPECT_EQ(dialog->entries[0].code, "ABCD");
    EXPECT_EQ(imageModified, 0);
}

}  // namespace
}  // namespace kp07
