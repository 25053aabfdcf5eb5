// The channel groups: the group selector and group tag of the main window,
// the CB tag rule, and the allocation of channels to groups.
#pragma once

#include <string>
#include <vector>

namespace kp07 {

class ChannelTable;

// The groups the selector offers (those with channels), in order, and the
// name it shows for each ("%-8.8s": "CB      ", "GROUP-1 ").
std::vector<int> SelectorGroups(const ChannelTable& table);
std::string SelectorName(int group);
// The group of a selector name: its last two characters read as a number
// (the CB name gives 0).
int GroupFromSelectorName(const std::string& name);
// The group's tag as the tag edit shows it: eight characters, or eight
// blanks on a radio without alpha tags.
std::string ShownGroupTag(const ChannelTable& table, int group, bool alphaTags);
// The group tag edit was committed: the current group's tag becomes the
// text cut or padded to eight characters.
void CommitGroupTag(ChannelTable& table, const std::string& text);

// The CB tag check, run 1.5 s after the group tag was committed while the
// CB group is shown. A CB tag cleared to blanks switches the CB channels off
// (the radio then starts on the first channel after them); a tag typed
// again switches them back on. Returns whether channels changed (the view
// is then rebuilt).
bool CheckCbTag(ChannelTable& table);

// ---- Channel Allocation/Group Tag dialog ----

// "%3.3d" of a group's size.
std::string GroupCountText(const ChannelTable& table, int group);
// Commits the count typed for group `group` (1..6): a whole number held to
// 0..128. A count that leaves fewer than 0 channels is refused with "Too
// many channels" and the group keeps its size; a count of 0 that would
// leave every group empty becomes 1; an empty group turns conventional.
// The group becomes the current one either way. Returns whether the count
// was taken.
bool CommitGroupCount(ChannelTable& table, int group, const std::string& text);
// The same rule without the message: a count that does not fit returns false.
bool SetGroupCount(ChannelTable& table, int group, const std::string& text);
// Commits a group tag typed in the dialog (at most eight characters).
void CommitAllocationTag(ChannelTable& table, int group, const std::string& text);

}  // namespace kp07
