// Measures the channel view on its largest group (128 channels): rebuilding
// the whole view, and one edit with the repaint it causes. Not part of the
// normal run: scripts/bench_view.sh runs it and prints the figures.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "blocks/channel_table.h"
#include "blocks/image_ops.h"
#include "channels/channel_columns.h"
#include "channels/channel_view.h"
#include "support/gui/gui_helpers.h"
#include "support/test_support.h"
#include "widgets/flex_grid.h"

namespace kp07 {
namespace {

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct PaintCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++count;
        return false;
    }
};

double Ms(const QElapsedTimer& t) {
    return t.nsecsElapsed() / 1e6;
}

TEST(ViewBench, RefreshAndEditAGroupOf128Channels) {
    ResetProcessStateForTest();
    CreateImageAndBlocks();
    FillDefaults(*radioImage);
    LoadPersistentBlocks(*radioImage);
    // GROUP-1 with 128 channels, every one in use, tones and marks mixed.
    channels->SetGroupSizes({40, 128, 0, 0, 0, 0, 0});
    for (int slot = 40; slot < 168; ++slot) {
        ChannelRecord& r = channels->records[std::size_t(slot)];
        r.inUse = slot % 5 ? 1 : 0;
        r.rxToneType = slot % 3;
        r.txToneType = (slot + 1) % 3;
        r.rxCtcss = r.txCtcss = 1000;
        r.rxDcsCode = r.txDcsCode = 23;
        r.tot = slot % 2;
        r.compander = slot % 4 == 0;
    }
    channels->SelectGroup(1);

    CKP05View view;
    view.resize(1000, 700);
    view.RefreshView();
    ASSERT_TRUE(test::ShowActive(&view));
    FlexGrid* grid = view.grid();
    ASSERT_EQ(grid->rows(), 130);
    QApplication::processEvents();

    constexpr int kRuns = 50;
    std::vector<double> refresh, refreshPaint, edit;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer t;
        t.start();
        view.RefreshView();
        refresh.push_back(Ms(t));
        grid->RepaintNow();
        refreshPaint.push_back(Ms(t));
    }
    // One edit: Space on a check-mark cell of a channel in use, then the
    // pending repaint of what it changed.
    grid->setFocus();
    grid->SetCurrentCell(3, kColTot);
    QApplication::processEvents();
    PaintCounter paints;
    grid->viewport()->installEventFilter(&paints);
    const int totBefore = channels->records[41].tot;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer t;
        t.start();
        QTest::keyClick(grid, Qt::Key_Space);
        QApplication::processEvents();
        edit.push_back(Ms(t));
    }
    // Every edit flipped the value and was painted.
    EXPECT_EQ(channels->records[41].tot, totBefore ^ (kRuns % 2));
    EXPECT_GE(paints.count, kRuns);
    std::printf(
        "view 128 channels: RefreshView %.2f ms, RefreshView+paint %.2f ms, "
        "single-cell edit+repaint %.3f ms (medians of %d)\n",
        Median(refresh), Median(refreshPaint), Median(edit), kRuns);
    DestroyImageAndBlocks();
    ResetProcessStateForTest();
}

}  // namespace
}  // namespace kp07
