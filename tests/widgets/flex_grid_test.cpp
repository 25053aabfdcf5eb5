#include "widgets/flex_grid.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "support/gui/gui_helpers.h"

namespace kp07 {
namespace {

// A grid shaped like the channel grid's first columns: two heading rows,
// no fixed column.
struct GridFixture : ::testing::Test {
    void SetUp() override {
        grid.resize(600, 300);
        grid.SetCols(7);
        grid.SetRows(12);
        grid.SetFixedRows(2);
        grid.SetFixedCols(0);
        const int widths[] = {480, 480, 1430, 1080, 1080, 960, 960};
        const char* top[] = {"", "", "", "Frequency", "Frequency", "SUB AUDIO", "SUB AUDIO"};
        const char* titles[] = {"Chn", "W/N", "TAG", "Receive", "Transmit", "Dec", "Enc"};
        for (int c = 0; c < 7; ++c) {
            grid.SetColWidth(c, widths[c]);
            grid.SetColAlignment(c, FlexGrid::kCenterTop);
            grid.SetTextMatrix(0, c, top[c]);
            grid.SetTextMatrix(1, c, titles[c]);
        }
        grid.SetColAlignment(2, FlexGrid::kLeftTop);
        grid.SetMergeCells(true);
        grid.SetMergeRow(0, true);
        grid.SetMergeRow(1, true);
        grid.SetGridLinesFixed(false);
        for (int r = 2; r < 12; ++r) grid.SetTextMatrix(r, 0, QString::asprintf("%3d", r - 1));
    }
    FlexGrid grid;
};

TEST_F(GridFixture, EqualNeighbouringHeadingsMerge) {
    EXPECT_EQ(grid.MergedRange(0, 3), std::make_pair(3, 4));
    EXPECT_EQ(grid.MergedRange(0, 4), std::make_pair(3, 4));
    EXPECT_EQ(grid.MergedRange(0, 6), std::make_pair(5, 6));
    EXPECT_EQ(grid.MergedRange(0, 1), std::make_pair(0, 2));  // the blank headings
    EXPECT_EQ(grid.MergedRange(1, 5), std::make_pair(5, 5));  // "Dec" / "Enc"
    // Data rows never merge, even with equal texts.
    grid.SetTextMatrix(2, 5, "-------");
    grid.SetTextMatrix(2, 6, "-------");
    EXPECT_EQ(grid.MergedRange(2, 5), std::make_pair(5, 5));
    // A heading that changes splits its group.
    grid.SetTextMatrix(0, 4, "Freq");
    EXPECT_EQ(grid.MergedRange(0, 3), std::make_pair(3, 3));
    grid.SetMergeRow(0, false);
    EXPECT_EQ(grid.MergedRange(0, 5), std::make_pair(5, 5));
}

TEST_F(GridFixture, WidthsAndPositionsInTwips) {
    EXPECT_EQ(grid.colWidth(2), 1430);
    EXPECT_EQ(grid.cellWidth(2, 0), 480);   // 32 pixels
    EXPECT_EQ(grid.cellWidth(2, 2), 1425);  // 95 pixels: twips / 15, cut
    const int origin = grid.cellLeft(2, 0);
    EXPECT_EQ(grid.cellLeft(2, 1) - origin, 480);
    EXPECT_EQ(grid.cellLeft(2, 3) - origin, 480 + 480 + 1425);
    EXPECT_EQ(grid.cellHeight(3, 0), grid.rowHeight());
    EXPECT_EQ(grid.cellTop(3, 0) - grid.cellTop(2, 0), grid.rowHeight());
    EXPECT_EQ(grid.cellTop(2, 0) - grid.cellTop(0, 0), 2 * grid.rowHeight());

    // Width 0 hides a column: it takes no room and the keys step over it.
    grid.SetColWidth(1, 0);
    EXPECT_EQ(grid.cellWidth(2, 1), 0);
    EXPECT_EQ(grid.cellLeft(2, 2), grid.cellLeft(2, 1));
    EXPECT_EQ(grid.cellLeft(2, 2) - origin, 480);
    grid.SetCurrentCell(2, 0);
    QTest::keyClick(&grid, Qt::Key_Right);
    EXPECT_EQ(grid.col(), 2);
    QTest::keyClick(&grid, Qt::Key_Left);
    EXPECT_EQ(grid.col(), 0);
    // Showing it again gives it back its width.
    grid.SetColWidth(1, 480);
    EXPECT_EQ(grid.cellLeft(2, 2) - origin, 960);
}

TEST_F(GridFixture, WritingCellsNeverMovesTheCurrentCell) {
    grid.SetCurrentCell(5, 3);
    QSignalSpy moves(&grid, &FlexGrid::rowColChanged);
    const QPixmap mark = CheckMarkPixmap(Qt::black);
    grid.SetRedraw(false);
    for (int r = 2; r < 12; ++r) {
        for (int c = 0; c < 7; ++c) {
            grid.SetFocusRect(false);
            grid.SetTextMatrix(r, c, "x");
            grid.SetCellForeColor(r, c, QColor(220, 220, 220));
            grid.SetCellPicture(r, c, c % 2 ? mark : QPixmap());
            grid.SetFocusRect(true);
        }
    }
    grid.SetRedraw(true);
    grid.SetRows(14);  // growing keeps it too
    EXPECT_EQ(grid.row(), 5);
    EXPECT_EQ(grid.col(), 3);
    EXPECT_EQ(moves.count(), 0);
    EXPECT_TRUE(grid.hasCellPicture(4, 1));
    EXPECT_FALSE(grid.hasCellPicture(4, 2));
    EXPECT_EQ(grid.cellForeColor(4, 2), QColor(220, 220, 220));
}

TEST_F(GridFixture, KeysMouseAndSelectionText) {
    ASSERT_TRUE(test::ShowActive(&grid));
    QSignalSpy downs(&grid, &FlexGrid::keyDown);
    QSignalSpy chars(&grid, &FlexGrid::keyPressed);
    QSignalSpy moves(&grid, &FlexGrid::rowColChanged);
    QSignalSpy doubles(&grid, &FlexGrid::doubleClicked);
    grid.SetCurrentCell(2, 3);
    moves.clear();

    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.row(), 3);
    EXPECT_EQ(moves.count(), 1);
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Up);  // never onto a heading row
    EXPECT_EQ(grid.row(), 2);

    QTest::keyClicks(&grid, "a");
    ASSERT_EQ(chars.count(), 1);
    EXPECT_EQ(chars.at(0).at(0).toInt(), int('a'));
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_EQ(downs.last().at(0).toInt(), int(Qt::Key_Return));

    // A double click reports the cell under the mouse, headings included.
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {},
                       grid.CellRect(0, 3).center() - grid.viewport()->pos());
    EXPECT_EQ(doubles.count(), 1);
    EXPECT_EQ(grid.mouseRow(), 0);
    EXPECT_EQ(grid.row(), 2);  // a click on the headings leaves the current cell

    grid.SetTextMatrix(2, 3, "a");
    grid.SetTextMatrix(2, 4, "b");
    grid.SetTextMatrix(3, 3, "c");
    grid.SetTextMatrix(3, 4, "d");
    EXPECT_EQ(grid.clip(), "a");
    QTest::keyClick(&grid, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid.clip(), "a\tb\rc\td");
    EXPECT_EQ(grid.row(), 2);  // the range grows from the current cell

    // The owner's hook sees keys first and may keep them.
    grid.SetEventHook([](QEvent* e) {
        return e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Down;
    });
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.row(), 2);
}

TEST_F(GridFixture, PicturesAreCentredInTheirCell) {
    QPixmap red(5, 5);
    red.fill(Qt::red);
    grid.SetCellPicture(3, 3, red, FlexGrid::kCenterCenter);
    QImage image(grid.size(), QImage::Format_ARGB32);
    grid.render(&image);
    const QPoint centre = grid.CellRect(3, 3).center();
    EXPECT_EQ(image.pixelColor(centre), QColor(Qt::red));
    EXPECT_NE(image.pixelColor(grid.CellRect(3, 3).topLeft() + QPoint(2, 2)), QColor(Qt::red));
}

}  // namespace
}  // namespace kp07
