// Measures how long the grid takes to rewrite and paint a full channel group
// (128 rows of 24 columns). Not part of the normal run: scripts/bench_grid.sh
// runs it and prints the figures.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "support/gui/gui_helpers.h"
#include "widgets/flex_grid.h"

namespace kp07 {
namespace {

constexpr int kRows = 128;
constexpr int kCols = 24;
const int kWidths[kCols] = {480, 480, 480, 1430, 1080, 1080, 960, 960, 480, 480, 480, 480,
                            480, 480, 480, 480,  640,  700,  550, 580, 480, 550, 580, 480};
const bool kCheckColumn[kCols] = {false, false, false, false, false, false, false, false,
                                  true,  true,  false, true,  true,  true,  true,  false,
                                  false, false, true,  false, false, true,  true,  true};

// Writes every cell of the group the way the channel view does.
void FillGroup(FlexGrid& grid, const QPixmap& mark, int pass) {
    grid.SetRedraw(false);
    grid.SetRows(kRows + 2);
    for (int r = 0; r < kRows; ++r) {
        const int row = r + 2;
        const bool inUse = (r + pass) % 3 != 0;
        const QColor color = inUse ? QColor() : QColor(220, 220, 220);
        for (int c = kCols - 1; c >= 0; --c) {
            grid.SetCellForeColor(row, c, color);
            if (kCheckColumn[c]) {
                const bool on = (r + c + pass) % 2 == 0;
                grid.SetTextMatrix(row, c, on ? QString() : QStringLiteral("-"));
                grid.SetCellPicture(row, c, on ? mark : QPixmap());
            }
        }
        grid.SetTextMatrix(row, 0, QString::asprintf("%3d", r + 1));
        grid.SetTextMatrix(row, 3, QString::asprintf("CH-%03d  ", r + pass));
        grid.SetTextMatrix(row, 4, QString::asprintf("%9.5f", 476.425 + 0.025 * r));
        grid.SetTextMatrix(row, 5, QString::asprintf("%9.5f", 477.175 + 0.025 * r));
        grid.SetTextMatrix(row, 6, QStringLiteral("C- 67.0"));
        grid.SetTextMatrix(row, 7, QStringLiteral("D-023N  "));
        grid.SetTextMatrix(row, 17, QString::asprintf("%2d", pass % 16));
    }
    grid.SetCurrentCell(2, 0);
    grid.SetRedraw(true);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

TEST(GridBench, RewriteAndPaintAGroupOf128Channels) {
    FlexGrid grid;
    grid.resize(820, 480);
    grid.SetCols(kCols);
    grid.SetRows(kRows + 2);
    grid.SetFixedRows(2);
    for (int c = 0; c < kCols; ++c) {
        grid.SetColWidth(c, kWidths[c]);
        grid.SetColAlignment(c, FlexGrid::kCenterTop);
        grid.SetTextMatrix(1, c, QString::asprintf("C%d", c));
    }
    grid.SetMergeCells(true);
    grid.SetMergeRow(0, true);
    grid.SetMergeRow(1, true);
    ASSERT_TRUE(test::ShowActive(&grid));
    const QPixmap mark = CheckMarkPixmap(Qt::black);
    QImage everything(grid.size(), QImage::Format_ARGB32_Premultiplied);

    std::vector<double> write, paint, full;
    for (int pass = 0; pass < 30; ++pass) {
        QElapsedTimer t;
        t.start();
        FillGroup(grid, mark, pass);
        const double w = t.nsecsElapsed() / 1e6;
        t.restart();
        grid.RepaintNow();
        const double p = t.nsecsElapsed() / 1e6;
        t.restart();
        grid.render(&everything);
        full.push_back(t.nsecsElapsed() / 1e6);
        write.push_back(w);
        paint.push_back(p);
    }
    std::printf(
        "grid %dx%d: write all cells %.2f ms, paint visible %.2f ms, "
        "write+paint %.2f ms, render whole widget %.2f ms (medians of 30)\n",
        kRows, kCols, Median(write), Median(paint), Median(write) + Median(paint), Median(full));
}

}  // namespace
}  // namespace kp07
