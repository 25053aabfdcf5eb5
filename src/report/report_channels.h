// The channel pages of the printed report: a heading block for every group
// and one row per programmed channel, with the values the channel grid shows
// in the report's own fixed-width pieces.
#pragma once

#include <string>
#include <vector>

#include "report/report_plan.h"

namespace kp07 {

class ChannelTable;

// The row of the channel in `slot`. Radios without alpha tags ("KR-302
// Series") print dashes for the tag.
std::string ChannelRow(const ChannelTable& table, int slot, bool alphaTags);

// The heading block of group `group` (0-based), appended to `lines`. The last
// heading line of a 5-tone radio reads "PPR", of a 2-tone radio "PRR".
void AppendGroupHeading(const ChannelTable& table, int group, bool fiveTone,
                        std::vector<std::string>& lines);

// One whole channel page: header, banner, and every group with programmed
// channels inside `range`.
std::vector<std::string> ChannelPage(const ChannelTable& table, const ChannelPageRange& range,
                                     int pageNumber, const std::string& dateText, bool fiveTone,
                                     bool alphaTags);

}  // namespace kp07
