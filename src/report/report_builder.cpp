#include "report/report_builder.h"

#include <algorithm>

#include "report/report_blocks.h"
#include "report/report_channels.h"
#include "report/report_plan.h"

namespace kp07 {

ReportBlocks::ReportBlocks(const RadioImage& image) {
    hardware.Load(image);
    channels.Load(image);
    identity.Load(image);
    signaling.Load(image);
    common.Load(image);
    scan.Load(image);
    keys.Load(image);
    emergency.Load(image);
    dtmf.Load(image);
    paging.Load(image);
    twoToneEncode.Load(image);
    twoToneSystems.Load(image);
    fiveTone.Load(image);
    formats.Load(image);
    fiveToneSystems.Load(image);
    decode.Load(image);
    encode.Load(image);
}

std::size_t Report::MaxLines() const {
    std::size_t most = 0;
    for (const ReportPage& page : pages) most = std::max(most, page.size());
    return most;
}

std::size_t Report::MaxColumns() const {
    std::size_t most = 0;
    for (const ReportPage& page : pages) {
        for (const std::string& line : page) most = std::max(most, line.size());
    }
    return most;
}

std::string ReportFileName(const std::string& path) {
    const std::size_t cut = path.rfind('/');
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

Report BuildReport(const RadioImage& image, const std::string& filePath,
                   const std::string& dateText, double defaultSplitMHz) {
    const ReportBlocks blocks(image);
    const bool fiveTone = blocks.FiveTone();
    Report report;
    report.pages.push_back(CommonPage(blocks, ReportFileName(filePath), dateText, defaultSplitMHz));
    report.pages.push_back(SignalingPage(blocks, dateText));
    if (fiveTone) {
        report.pages.push_back(FiveToneSystemsPage(blocks, dateText));
        report.pages.push_back(FiveToneEncodePage(blocks, dateText));
    }
    const PagePlan plan = PlanPages(blocks.channels, fiveTone);
    int page = plan.FirstChannelPage();
    for (const ChannelPageRange& range : plan.channelPages) {
        report.pages.push_back(
            ChannelPage(blocks.channels, range, page++, dateText, fiveTone, !blocks.FirstModel()));
    }
    return report;
}

std::string ReportPlainText(const Report& report) {
    std::string text;
    for (std::size_t p = 0; p < report.pages.size(); ++p) {
        if (p > 0) text += '\f';
        for (const std::string& line : report.pages[p]) {
            text += line;
            text += '\n';
        }
    }
    return text;
}

}  // namespace kp07
