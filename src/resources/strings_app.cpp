// String-table entries of the application shell: titles, status texts of
// the commands, and the shell's own messages.
#include "resources/strings.h"

namespace kp07 {
namespace {
const StringEntry kEntries[] = {
    // Get Started text: heading, welcome, configuration, first upload.
    {60, "   GET STARTED"},
    {61,
     "\r\n\r\n   Welcome to KP07XT, the programming software for the\r\n"
     "   KR-318 portable transceiver.\r\n"},
    {62,
     "   Please read the help files before you program a radio\r\n"
     "   for the first time."},
    {63,
     "   First check the configuration: choose Configure in the\r\n"
     "   File menu and make sure that the screen, the COM port and\r\n"
     "   the printer port suit this computer."},
    {64,
     "   To read a radio for the first time:\r\n"
     "   1. Connect the programming cable between the computer's\r\n"
     "      9-pin COM port and the radio's MIC/SP jack.\r\n"
     "   2. Choose Upload in the Radio menu.\r\n"
     "   3. Follow the instructions on the screen.\r\n"
     "   4. Wait until the upload is completed.\r\n"},
    // Common Problems text: heading, the system, port conflicts, the cable,
    // weak batteries.
    {66,
     "   PROGRAMMING PROBLEMS\r\n\r\n"
     "   When the program cannot talk to the radio, check these\r\n"
     "   points."},
    {67,
     "   1. The operating system: another program or service may\r\n"
     "      hold the serial device (a modem manager, a terminal\r\n"
     "      program, a login on the port). Stop it while you\r\n"
     "      program a radio."},
    {68,
     "   2. Port conflicts: no other software or driver may use the\r\n"
     "      same COM port or its interrupt. A modem, mouse or card\r\n"
     "      that shares them disturbs the data.\r\n\r\n"},
    {69, "   3. The cable:\r\n"},
    {70, "      - Use only the programming cable set made for this radio.\r\n"},
    {71, "      - Plug its 9-pin connector straight into the COM port."},
    {72,
     "      - A 25-pin port needs a compatible 9-to-25-pin adapter;\r\n"
     "        a null-modem adapter does not work.\r\n"},
    {73, "      - Do not use extension cables or switch boxes.\r\n"},
    {74, "      - Use both pieces of the cable set: the cable and the\r\n"},
    {75, "        pigtail adapter, whose four-contact plug goes into\r\n"},
    {76, "        the radio's MIC/SP jack.\r\n"},
    {77, "\r\n   4. Weak batteries:"},
    {103,
     "      A weak laptop battery can leave the data signal too\r\n"
     "      weak; run the computer from its mains adapter.\r\n"},
    {104,
     "      A weak radio battery can leave too little voltage for\r\n"
     "      writing the radio's EEPROM; use a charged battery.\r\n"},
    // About box: the version number.
    {120, "3.00"},
    // Document template: window title, document name, file-type name.
    {128, "KP07XT for KR-318 (M)\n\nKP07XT for KR-318 (M)\n\n\nKP07.Document\nKP07 Document"},
    // Main window title outside factory mode.
    {135, "KP07XT for KR-318"},
    // About box: the version label, the product line and two lines about
    // the program.
    {1006, "KP07XT Ver.%1"},
    {1007, "Programming software for the KR-318 portable transceiver"},
    {1008, "Reads, edits, saves, prints and writes the radio's memory"},
    {1009, "over the programming cable."},
    // Configuration dialog: help line of the Device field.
    {3611, "Select or type the serial device of this COM port (e.g. /dev/ttyUSB0)\n<SELECT>"},
    // Missing help file.
    {5010, "Not Exist Html Help File\n\n   File Path [ %1 ]"},
    // The demo radio and the radio backups.
    {5120, "Demo radio: COM1 is a simulated KR-318 on %1"},
    {5121, "The demo radio could not be started.\r\n%1"},
    {5122, "Radio backup kept: %1"},
    {5123, "Restore Radio Backup"},
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
    {32880, "Open a backup of a radio, kept before a download wrote it"},
    {32881, "Read the radio back after each download and report any difference"},
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
    {57667, "Show the contents of the help"},
};
}  // namespace

const StringTable kAppStrings{kEntries, sizeof kEntries / sizeof kEntries[0]};

}  // namespace kp07
