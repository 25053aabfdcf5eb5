#include "resources/menu_table.h"

#include "resources/command_ids.h"

namespace kp07 {
namespace {

MenuItem Cmd(int id, const char* text, const char* shortcut = "") {
    return MenuItem{MenuItem::kCommand, id, text, shortcut, false};
}
MenuItem Check(int id, const char* text) {
    return MenuItem{MenuItem::kCommand, id, text, "", true};
}
MenuItem Separator() {
    return MenuItem{MenuItem::kSeparator, 0, "", "", false};
}
MenuItem Submenu(const char* text) {
    return MenuItem{MenuItem::kSubmenu, 0, text, "", false};
}
MenuItem EndSubmenu() {
    return MenuItem{MenuItem::kEndSubmenu, 0, "", "", false};
}
MenuItem RecentFiles() {
    return MenuItem{MenuItem::kRecentFiles, cmd::kRecentFirst, "", "", false};
}

// One enable mask per command range: bit (id - first) allows command id.
struct MaskRange {
    int first;
    int last;
    unsigned twoTone;
    unsigned fiveTone;
};
constexpr MaskRange kMaskRanges[] = {
    {32850, 32850 + 4, 31, 31},  // Configure
    {32772, 32781, 1023, 1023},  // the common parameter dialogs
    {32783, 32795, 6175, 8161},  // ANI/Speed Dial, 2-tone, 5-tone, paging
    {32820, 32822, 7, 7},        // Upload, Download, Alignment
    {32830, 32830, 1, 1},        // Channel Allocations
    {32840, 32842, 7, 7},        // Get Started, Common Problems, About
};

}  // namespace

const std::vector<Menu>& MainMenus() {
    static const std::vector<Menu> menus = {
        {"&File",
         {Cmd(cmd::kNew, "&New", "Ctrl+N"), Cmd(cmd::kOpen, "&Open...", "Ctrl+O"),
          Cmd(cmd::kSave, "&Save", "Ctrl+S"), Cmd(cmd::kSaveAs, "Save &As..."), Separator(),
          Cmd(cmd::kExportChannels, "&Export Channels..."),
          Cmd(cmd::kImportChannels, "&Import Channels..."),
          Cmd(cmd::kCompareWithFile, "Compare &with File..."), Separator(),
          Cmd(cmd::kPrint, "&Print...", "Ctrl+P"), Cmd(cmd::kPrintPreview, "Print Pre&view"),
          Cmd(cmd::kSaveAsPdf, "Save as P&DF..."), Separator(),
          Cmd(cmd::kConfigure, "&Configure..."), Separator(), RecentFiles(), Separator(),
          Cmd(cmd::kExit, "E&xit")}},
        {"&Edit", {Cmd(cmd::kCopy, "&Copy", "Ctrl+C"), Cmd(cmd::kPaste, "&Paste", "Ctrl+V")}},
        {"&View",
         {Submenu("&Item"),
          Check(32800, "Pri"),
          Check(32801, "W/N"),
          Check(32802, "TAG"),
          Check(32803, "Frequency"),
          Check(32804, "Sub Audio"),
          Check(32805, "Power Save"),
          Check(32806, "Power"),
          Check(32807, "Scan"),
          Check(32808, "TOT"),
          Check(32809, "Squelch"),
          Check(32810, "Signaling"),
          Check(32812, "DTMF ANI"),
          Check(32813, "Encryption"),
          Check(32814, "Lock Out"),
          Check(32815, "QLNK"),
          Check(32816, "Compander"),
          Check(32817, "XTAL"),
          Separator(),
          Cmd(cmd::kVisible, "&Visible..."),
          EndSubmenu(),
          Separator(),
          Check(cmd::kToolbar, "&Toolbar"),
          Check(cmd::kStatusBar, "&Status Bar")}},
        {"&Channel",
         {Cmd(cmd::kChannelAllocations, "Channel &Allocations/Group Alpha Tag...", "Shift+F1")}},
        {"C&ommon",
         {Cmd(cmd::kHardware, "&Hardware dependent data..."),
          Cmd(cmd::kSignalingSystem, "Si&gnaling System..."), Separator(),
          Cmd(cmd::kScanning, "&Scanning..."), Cmd(cmd::kPowerSaving, "&Power Saving..."),
          Cmd(cmd::kKeyFunction, "&Key Function..."), Cmd(cmd::kEmergency, "&Emergency..."),
          Separator(), Cmd(cmd::kMarketing, "&Marketing..."),
          Cmd(cmd::kMiscellaneous, "M&iscellaneous..."), Cmd(cmd::kOption, "&Option..."),
          Cmd(cmd::kPowerOnPassword, "Power ON Pass&word...")}},
        {"&Signaling",
         {Cmd(cmd::kAniSpeedDial, "&ANI/Speed Dial..."), Separator(),
          Cmd(cmd::kTwoToneParameters, "2-Tone &Parameters..."),
          Cmd(cmd::kTwoToneSystems, "2-Tone &Systems..."),
          Cmd(cmd::kTwoToneTable, "2-Tone &Table..."),
          Cmd(cmd::kTwoToneEncode, "2-Tone &Encode..."), Separator(),
          Cmd(cmd::kFiveToneGeneral, "5-Tone &General..."),
          Cmd(cmd::kFiveToneFormat, "5-Tone &Format Timing..."),
          Cmd(cmd::kFiveToneSystems, "5-Tone S&ystems..."),
          Cmd(cmd::kFiveToneDecode, "5-Tone &Decode..."),
          Cmd(cmd::kFiveToneEncode, "5-Tone E&ncode..."),
          Cmd(cmd::kFiveToneUserTone, "5-Tone &User Tone..."), Separator(),
          Cmd(cmd::kPagingSetting, "Pa&ging Setting..."), Cmd(cmd::kPageCode, "Page &Code...")}},
        {"&Radio",
         {Cmd(cmd::kUpload, "&Upload"), Cmd(cmd::kDownload, "&Download"), Separator(),
          Cmd(cmd::kAlignment, "&Alignment...")}},
        {"&Help",
         {Cmd(cmd::kGetStarted, "&Get Started"), Cmd(cmd::kCommonProblems, "&Common Problems"),
          Separator(), Cmd(cmd::kAbout, "&About KP07XT...")}},
    };
    return menus;
}

const std::vector<int>& ToolbarCommands() {
    static const std::vector<int> commands = {cmd::kNew,
                                              cmd::kOpen,
                                              cmd::kSave,
                                              0,
                                              cmd::kCopy,
                                              cmd::kPaste,
                                              0,
                                              cmd::kPrint,
                                              cmd::kPrintPreview,
                                              cmd::kSaveAsPdf,
                                              0,
                                              cmd::kToolbarUpload,
                                              cmd::kToolbarDownload,
                                              0,
                                              cmd::kAbout};
    return commands;
}

bool MaskAllowsCommand(int id, bool fiveTone) {
    for (const MaskRange& r : kMaskRanges) {
        if (id >= r.first && id <= r.last) {
            const unsigned mask = fiveTone ? r.fiveTone : r.twoTone;
            return (mask >> (id - r.first)) & 1u;
        }
    }
    return true;
}

int ViewItemOfCommand(int id) {
    if (id < cmd::kViewItemFirst || id > cmd::kViewItemLast) return -1;
    const int item = id - cmd::kViewItemFirst;
    return item == 11 ? -1 : item;
}

}  // namespace kp07
