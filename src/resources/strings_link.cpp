// String-table entries of the link subsystem.
#include "resources/strings.h"

namespace kp07 {
namespace {
const StringEntry kEntries[] = {
    {80, "Problem with COM port"},
    {81, "Check that lead is connected to COM %1"},
    {82, "Upload Error!"},
    {83, "Upload is completed"},
    {84, "Download Error!"},
    {87, "Hardware configuration mismatched!"},
    {89, "Download is completed"},
    {90, "Upload Function"},
    {91, "Download Function"},
    {95, "Please wait"},
    {100, "Overwrite original data"},
    {122, "Switch radio OFF, back ON to start uploading"},
    {123, "Switch radio OFF, back ON to start downloading"},
    {5100,
     "Problem with COM port\r\nThis account may not open %1.\r\nAdd it to the group "
     "\"dialout\" (sudo usermod -aG dialout $USER), then log in again."},
    {5101, "Problem with COM port\r\n%1"},
    {5102, "Check that lead is connected to %1"},
};
}  // namespace

const StringTable kLinkStrings{kEntries, sizeof kEntries / sizeof kEntries[0]};

}  // namespace kp07
