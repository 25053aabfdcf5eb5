// Pages 3 and 4 of a 5-tone radio's report: the systems, decode and encode
// tables.
#include "report/report_blocks.h"
#include "report/report_text.h"

namespace kp07 {

ReportPage FiveToneSystemsPage(const ReportBlocks& blocks, const std::string& dateText) {
    ReportPage page;
    page.push_back(PageHeaderLine(dateText, 3));
    (void)blocks;
    return page;
}

ReportPage FiveToneEncodePage(const ReportBlocks& blocks, const std::string& dateText) {
    ReportPage page;
    page.push_back(PageHeaderLine(dateText, 4));
    (void)blocks;
    return page;
}

}  // namespace kp07
