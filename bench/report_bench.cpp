// Measures the printed report of a full image (168 channels in use, 5-tone):
// building all its pages (target under 10 ms), writing its PDF file (target
// under 300 ms), and for comparison drawing it on Qt's PDF printer. Not part
// of the normal run: scripts/bench_report.sh runs it and prints the figures.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "blocks/channel_table.h"
#include "blocks/image_ops.h"
#include "report/report_builder.h"
#include "report/report_pdf.h"
#include "report/report_printer.h"
#include "support/test_support.h"

namespace kp07 {
namespace {

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Ms(const QElapsedTimer& t) {
    return t.nsecsElapsed() / 1e6;
}

TEST(ReportBench, FullImageReportAndItsPdf) {
    ResetProcessStateForTest();
    CreateImageAndBlocks();
    FillDefaults(*radioImage);
    LoadPersistentBlocks(*radioImage);
    // Every slot in use, with tones, marks and signaling mixed.
    for (int slot = 0; slot < kChannelSlots; ++slot) {
        ChannelRecord& r = channels->records[std::size_t(slot)];
        r.inUse = 1;
        r.rxToneType = slot % 3;
        r.txToneType = (slot + 1) % 3;
        r.rxCtcss = r.txCtcss = 1000;
        r.rxDcsCode = r.txDcsCode = 23;
        r.signalingType = slot % 4;
        r.signalingNumber = slot % 33;
    }
    RebuildImage(*radioImage);
    const RadioImage image = *radioImage;

    std::vector<double> build, pdf, qt;
    Report report;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer t;
        t.start();
        report = BuildReport(image, "/data/full.K07", "12/31/2025", 0.0);
        build.push_back(Ms(t));
    }
    ASSERT_EQ(report.pages.size(), 4u + 5u);

    QTemporaryDir dir;
    const std::string path = dir.filePath("full.pdf").toStdString();
    for (int i = 0; i < 50; ++i) {
        QElapsedTimer t;
        t.start();
        ASSERT_TRUE(WriteReportPdf(BuildReport(image, "/data/full.K07", "12/31/2025", 0.0), path));
        pdf.push_back(Ms(t));
    }
    for (int i = 0; i < 5; ++i) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("qt.pdf"));
        QElapsedTimer t;
        t.start();
        ASSERT_TRUE(PaintReport(printer, report));
        qt.push_back(Ms(t));
    }
    std::printf("report build (9 pages):   median %.3f ms (target < 10 ms)\n", Median(build));
    std::printf("report PDF build+write:   median %.3f ms (target < 300 ms)\n", Median(pdf));
    std::printf("report on Qt PDF printer: median %.3f ms (for comparison)\n", Median(qt));
    EXPECT_LT(Median(build), 10.0);
    EXPECT_LT(Median(pdf), 300.0);
    DestroyImageAndBlocks();
}

}  // namespace
}  // namespace kp07
