// The numbers of the program's commands. Menus, toolbar, help contexts and
// the enable masks all use them.
#pragma once

namespace kp07::cmd {

// File
constexpr int kNew = 57600;
constexpr int kOpen = 57601;
constexpr int kSave = 57603;
constexpr int kSaveAs = 57604;
constexpr int kPrint = 57607;
constexpr int kPrintPreview = 57609;
constexpr int kSaveAsPdf = 32860;
constexpr int kRecentFirst = 57616;  // the four recent files
constexpr int kRecentLast = 57619;
constexpr int kExit = 57665;
constexpr int kConfigure = 32850;
constexpr int kExportChannels = 32870;
constexpr int kImportChannels = 32871;
constexpr int kCompareWithFile = 32872;
// Edit
constexpr int kCopy = 57634;
constexpr int kPaste = 57637;
// View
constexpr int kViewItemFirst = 32800;  // + item 0..17 (no command for item 11)
constexpr int kViewItemLast = 32817;
constexpr int kVisible = 32828;
constexpr int kToolbar = 59392;
constexpr int kStatusBar = 59393;
// Channel
constexpr int kChannelAllocations = 32830;
// Common
constexpr int kHardware = 32772;
constexpr int kSignalingSystem = 32773;
constexpr int kScanning = 32774;
constexpr int kPowerSaving = 32775;
constexpr int kKeyFunction = 32776;
constexpr int kEmergency = 32777;
constexpr int kMarketing = 32778;
constexpr int kMiscellaneous = 32779;
constexpr int kOption = 32780;
constexpr int kPowerOnPassword = 32781;
// Signaling
constexpr int kAniSpeedDial = 32783;
constexpr int kTwoToneParameters = 32784;
constexpr int kTwoToneSystems = 32785;
constexpr int kTwoToneTable = 32786;
constexpr int kTwoToneEncode = 32787;
constexpr int kFiveToneGeneral = 32788;
constexpr int kFiveToneFormat = 32789;
constexpr int kFiveToneSystems = 32790;
constexpr int kFiveToneDecode = 32791;
constexpr int kFiveToneEncode = 32792;
constexpr int kFiveToneUserTone = 32793;
constexpr int kPagingSetting = 32794;
constexpr int kPageCode = 32795;
// Radio
constexpr int kUpload = 32820;
constexpr int kDownload = 32821;
constexpr int kAlignment = 32822;
constexpr int kToolbarUpload = 32833;
constexpr int kToolbarDownload = 32834;
// Help
constexpr int kGetStarted = 32840;
constexpr int kCommonProblems = 32841;
constexpr int kAbout = 32842;
constexpr int kHelpIndex = 57667;
constexpr int kHelpContext = 57670;  // context help (Shift+F1 in dialogs)
constexpr int kHelpDefault = 57671;  // F1

}  // namespace kp07::cmd
