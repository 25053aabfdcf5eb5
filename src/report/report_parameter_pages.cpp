// Pages 1 and 2 of the report: the common parameters and the signaling data.
#include "report/report_blocks.h"
#include "report/report_columns.h"
#include "report/report_text.h"

namespace kp07 {

ReportPage CommonPage(const ReportBlocks& blocks, const std::string& fileName,
                      const std::string& dateText) {
    ReportPage page;
    page.push_back(PageHeaderLine(dateText, 1));
    (void)blocks;
    (void)fileName;
    return page;
}

ReportPage SignalingPage(const ReportBlocks& blocks, const std::string& dateText) {
    ReportPage page;
    page.push_back(PageHeaderLine(dateText, 2));
    (void)blocks;
    return page;
}

}  // namespace kp07
