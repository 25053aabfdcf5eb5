// Measures the channel list as CSV on a full image (168 channels in use,
// tones, marks, flags and signaling mixed): writing the file, reading it into
// a new document (every channel changes) and into the document it came from
// (nothing changes). Not part of the normal run: scripts/bench_csv.sh runs it
// and prints the figures; the target is under 20 ms each.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "blocks/channel_table.h"
#include "blocks/image_ops.h"
#include "channels/channel_csv.h"
#include "image/accessors.h"
#include "support/test_support.h"

namespace kp07 {
namespace {

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <class F>
double Ms(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

TEST(CsvBench, ExportAndImportAFullImage) {
    ResetProcessStateForTest();
    CreateImageAndBlocks();
    FillDefaults(*radioImage);
    SetOptionBoard(*radioImage, 6);
    const RadioImage blank = *radioImage;
    LoadPersistentBlocks(*radioImage);
    channels->pChannel = 10;
    channels->gChannel = 20;
    for (int s = 0; s < kChannelSlots; ++s) {
        ChannelRecord& r = channels->records[std::size_t(s)];
        r.inUse = 1;
        r.bandwidth = s % 2 ? 2 : 0;
        r.tag = "CH" + std::to_string(s + 1);
        r.rxMHz = 446.0 + s * 0.00625;
        r.txMHz = r.rxMHz + 5.0;
        r.rxStepFlag = r.txStepFlag = 1;
        r.txOff = s % 9 == 0;
        r.rxToneType = r.txToneType = s % 3;
        r.rxCtcss = r.txCtcss = 670 + 10 * (s % 50);
        r.rxDcsCode = r.txDcsCode = 23;
        r.rxDcsInverted = s % 2;
        r.power = s % 2;
        r.scanFlags = s % 8;
        r.squelchLevel = s % 16;
        r.signalingType = s % 4 == 2 ? 1 : s % 4;  // no paging codes in this radio
        r.signalingNumber = 1 + s % 3;
        r.encryption = r.signalingType == 3 ? 0 : s % 4;
        r.lockOut = s % 3;
        r.compander = s % 2;
    }
    RebuildImage(*radioImage);
    const RadioImage full = *radioImage;

    constexpr int kRuns = 50;
    std::vector<double> exportMs, importNew, importSame;
    std::string csv;
    for (int i = 0; i < kRuns; ++i) {
        exportMs.push_back(Ms([&] { csv = ExportChannelsCsv(full, CsvLayout::kGrid); }));
        RadioImage fresh = blank;
        CsvImportResult result;
        importNew.push_back(Ms([&] { result = ImportChannelsCsv(fresh, csv); }));
        ASSERT_TRUE(result.accepted) << CsvImportReport(result);
        ASSERT_EQ(ExportChannelsCsv(fresh, CsvLayout::kGrid), csv);
        RadioImage same = full;
        importSame.push_back(Ms([&] { result = ImportChannelsCsv(same, csv); }));
        ASSERT_FALSE(result.changed);
    }
    std::printf(
        "csv 168 channels (%zu bytes): export %.2f ms, import into a new document %.2f ms, "
        "import unchanged %.2f ms (medians of %d)\n",
        csv.size(), Median(exportMs), Median(importNew), Median(importSame), kRuns);
    EXPECT_LT(Median(exportMs), 20.0);
    EXPECT_LT(Median(importNew), 20.0);
    DestroyImageAndBlocks();
    ResetProcessStateForTest();
}

}  // namespace
}  // namespace kp07
