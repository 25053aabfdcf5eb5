// String-table entries of the application shell: titles, status texts of
// the commands, and the shell's own messages.
#include "resources/strings.h"

namespace kp07 {
namespace {
const StringEntry kEntries[] = {
    // Get Started text: its heading.
    {60, "   GET STARTED"},
    // About box: the version number.
    {120, "3.00"},
    // Document template: window title, document name, file-type name.
    {128, "KP07XT for KR-318 (M)\n\nKP07XT for KR-318 (M)\n\n\nKP07.Document\nKP07 Document"},
    // Main window title outside factory mode.
    {135, "KP07XT for KR-318"},
    // About box: the version label.
    {1006, "KP07XT Ver.%1"},
    // Configuration dialog: help line of the Device field.
    {3611, "Select or type the serial device of this COM port (e.g. /dev/ttyUSB0)\n<SELECT>"},
    // Missing help file.
    {5010, "Not Exist Html Help File\n\n   File Path [ %1 ]"},
    // Channel lists and the comparison: titles and file-dialog filters.
    {6160, "Export Channels"},
    {6161, "Import Channels"},
    {6162, "Compare with File"},
    {6163, "Channel grid (*.csv)"},
    {6164, "Generic channel list (*.csv)"},
    {6165, "Channel lists (*.csv *.CSV);;All files (*)"},
    {6166, "%1 compared with %2 (document -> file):"},
    {6167, "KP07 Files (*.K07 *.k07);;All files (*)"},
    // Status-bar texts of the commands.
    {32772, "Hardware dependent data"},
    {32773, "Select the signaling system (2-Tone / 5-Tone)"},
    {32774, "Edit the scanning parameters"},
    {32775, "Edit the power saving parameters"},
    {32776, "Assign the key functions"},
    {32777, "Edit the emergency parameters"},
    {32778, "Edit the marketing data"},
    {32779, "Edit the miscellaneous parameters"},
    {32780, "Select the option unit"},
    {32781, "Edit the power-on password"},
    {32783, "Edit the ANI and speed dial codes"},
    {32784, "Edit the 2-tone parameters"},
    {32785, "Edit the 2-tone systems"},
    {32786, "Edit the 2-tone frequency table"},
    {32787, "Edit the 2-tone encode settings"},
    {32788, "Edit the 5-tone general parameters"},
    {32789, "Edit the 5-tone format timing"},
    {32790, "Edit the 5-tone systems"},
    {32791, "Edit the 5-tone decode table"},
    {32792, "Edit the 5-tone encode table"},
    {32793, "Edit the 5-tone user tones"},
    {32794, "Edit the paging settings"},
    {32795, "Edit the page codes"},
    {32820, "Read the radio's data into the program"},
    {32821, "Write the data into the radio"},
    {32822, "Align the radio (factory use)"},
    {32828, "Choose the visible columns"},
    {32830, "Change Group to Channel Number Allocations"},
    {32833, "Read the radio's data into the program"},
    {32834, "Write the data into the radio"},
    {32840, "How to get started"},
    {32841, "Solutions to common problems"},
    {32842, "Display program information and version"},
    {32850, "Configure KP07XT"},
    {32860, "Save the printed report as a PDF file"},
    {32870, "Write the channels into a CSV file"},
    {32871, "Read the channels from a CSV file"},
    {32872, "List the differences between this data and a data file"},
    {57345, "F1 for Help   F2 for Group Change   F3 for DCS Invert   F10 for Menus"},
    {57600, "Create a new document"},
    {57601, "Open an existing data file"},
    {57603, "Save the data file"},
    {57604, "Save the data file under a new name"},
    {57607, "Print the data"},
    {57609, "Display the printed pages"},
    {57634, "Copy the selection"},
    {57637, "Paste"},
    {57665, "Quit the program; asks to save changes"},
};
}  // namespace

const StringTable kAppStrings{kEntries, sizeof kEntries / sizeof kEntries[0]};

}  // namespace kp07
