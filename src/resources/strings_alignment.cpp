// String-table entries of the alignment subsystem.
#include "resources/strings.h"

namespace kp07 {
namespace {
const StringEntry kEntries[] = {
    // The question before alignment mode is entered.
    {110,
     "CAUTION: You are about to enter the Alignment mode. All alignment\r\n instructions "
     "printed in the KR-318 Service Manual must be followed."},
    // Slider editor: the value field.
    {1235, "Edit Align Value(0-255)\n<ENTER>"},
    // The radio did not take the channel chosen in the Alignment dialog.
    {5200, "Ch Error"},
};
}  // namespace

const StringTable kAlignmentStrings{kEntries, sizeof kEntries / sizeof kEntries[0]};

}  // namespace kp07
