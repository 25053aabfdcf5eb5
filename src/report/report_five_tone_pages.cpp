// Pages 3 and 4 of a 5-tone radio's report: the systems, decode and encode
// tables, one row per entry in the report's fixed-width pieces.
#include <string>

#include "report/report_blocks.h"
#include "report/report_text.h"

namespace kp07 {
namespace {

std::string Rule(int hyphens) {
    return std::string(9, ' ') + std::string(std::size_t(hyphens), '-');
}

// A dialog's text fitted to its piece: left-justified, or centred (the
// report centres the shorter ANI and stun texts: " Press ", " Kill ").
std::string Justified(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}
std::string Centred(const std::string& text, std::size_t width) {
    if (text.size() >= width) return text;
    const std::size_t before = (width - text.size()) / 2;
    return std::string(before, ' ') + text + std::string(width - text.size() - before, ' ');
}
// A value no list offers (only a damaged image holds one) prints as off.
std::string ChoicePiece(const ChoiceTexts& list, unsigned value, std::size_t width, bool centred) {
    const std::string text = ChoiceText(list, value);
    if (text.empty()) return std::string(width, '-');
    return centred ? Centred(text, width) : Justified(text, width);
}

// The tone format, six wide ("ZVEI1 ", "PDZVEI", "TP40  ").
std::string FormatPiece(unsigned format) {
    if (format >= unsigned(kFiveToneFormatCount)) return "------";
    return Justified(kFiveToneFormatNames[format], 6);
}

std::string CodePiece(const char* format, const char* none, unsigned code) {
    return code ? Line(format, int(code)) : std::string(none);
}

std::string SystemRow(int s, const FiveToneSystemEntry& e) {
    std::string row = Line("          %2d:", s + 1);
    row += Line(" %6s", FormatPiece(e.toneFormat).c_str());
    row += Line(" %5s", ChoicePiece(MonitorSwitchChoices(), e.monitorSwitch, 5, false).c_str());
    row += Line(" %5s", ChoicePiece(ChannelSwitchChoices(), e.channelSwitch, 5, false).c_str());
    row += Line("   %s   %s", Flag(e.callSwitch), Flag(e.pttSwitch));
    row += CodePiece("  %2d", "  --", e.repeaterCode);
    row += CodePiece("   %2d", "   --", e.callCode);
    row += CodePiece("   %2d", "   --", e.idCode);
    row += Line(" %7s", ChoicePiece(FlowChoices(), e.flow, 7, false).c_str());
    row += Line(" %7s", ChoicePiece(AniTransmissionChoices(), e.aniTransmission, 7, true).c_str());
    row += Line("  %s    %s    %s", Flag(e.autoReset), Flag(e.complement), Flag(e.duty));
    row += "  ";
    for (int d = 0; d < 8; ++d) row += Line(" %s", Flag(e.decodeCodes[std::size_t(d)]));
    return row;
}

// Transpond code: 0 none, 1 the system call, 2 .. the encode entries
// ("ENC-1 " ..).
std::string TranspondPiece(unsigned code) {
    if (code == 0) return "------";
    if (code == 1) return "Sys Call";
    return Line("ENC-%-2d", int(code) - 1);
}

std::string DecodeRow(int index, const FiveToneDecodeEntry& e, bool tags) {
    const bool group = index == kGroupDecodeEntry;
    std::string row = group ? std::string("         Grp:") : Line("          %2d:", index + 1);
    row += group ? std::string(9, ' ') : Line(" %8s", e.number.c_str());
    if (tags) row += e.idDecode ? std::string(9, ' ') : Line(" %8s", e.tag.c_str());
    row += group ? std::string(9, ' ') : Line(" %8s", TranspondPiece(e.transpondCode).c_str());
    row += Line("  %s", Flag(e.idDecode));
    row += Line(" %5s", ChoicePiece(LedDisplayChoices(), e.callLedDisplay, 5, false).c_str());
    row += Line(" %5s", ChoicePiece(DecodeModeChoices(), e.mode, 5, false).c_str());
    row += Line(" %6s", ChoicePiece(DecodeScanChoices(), e.scan, 6, false).c_str());
    row += Line("  %s", Flag(e.emergency));
    row += Line("     %s", ChoicePiece(DecodeBeepToneChoices(), e.callBeepTone, 1, false).c_str());
    // The beep mode by its initial: "S" single, "R" repeat.
    row += Line("    %.1s", ChoicePiece(BeepModeChoices(), e.beepMode, 1, false).c_str());
    row += Line("   %6s", ChoicePiece(StunChoices(), e.stun, 6, true).c_str());
    row += group ? std::string("  ") : Line(" %s", Flag(e.autoTx));
    return row;
}

std::string EncodeRow(int index, const FiveToneEncodeEntry& e, bool tags) {
    std::string row = Line("          %2d:", index + 1);
    row += Line(" %8s", e.number.c_str());
    if (tags) row += Line(" %8s", e.tag.c_str());
    row += Line(" %s", Flag(e.firstDigitExtend));
    row += Line("   %s", Flag(e.recallingCode));
    row += Line("   %s", Flag(e.overwrite));
    row += Line("    %s", Flag(e.transpondDecode));
    row += Line("    %s", Flag(e.transpondBeep));
    row += Line("   %s  ", Flag(e.groupDigitSelectable));
    for (int d = 0; d < 8; ++d) row += Line(" %s", Flag(e.inputDigits[std::size_t(d)]));
    return row;
}

}  // namespace

ReportPage FiveToneSystemsPage(const ReportBlocks& blocks, const std::string& dateText) {
    ReportPage page;
    page.push_back(PageHeaderLine(dateText, 3));
    page.emplace_back("         ******* 5-Tone Systems *******");
    page.emplace_back(
        "              Tone   Moni   CH   Call PTT Rep Call    ID        ANI    Auto            "
        "Decode ");
    page.emplace_back(
        "          No  Form    SW    SW    SW  SW  Cd   Cd   Cd Flow    Trans   Rst  Comp Duty 1 "
        "2 3 4 5 6 7 8 ");
    page.push_back(Rule(93));
    for (int s = 0; s < kFiveToneSystemCount; ++s) {
        page.push_back(SystemRow(s, blocks.fiveToneSystems.entries[std::size_t(s)]));
    }

    // Radios with alpha tags print each decode entry's tag.
    const bool tags = !blocks.FirstModel();
    page.emplace_back("         ******* 5-Tone Decode *******");
    if (tags) {
        page.emplace_back(
            "                                Trans     I  LED                      Beep           "
            "Auto");
        page.emplace_back(
            "          No  Code     TAG      pond      D  Disp Mode  Scan   Emg  Tone Mode  Stun  "
            " TX ");
        page.push_back(Rule(80));
    } else {
        page.emplace_back(
            "                      Trans     I  LED                      Beep           Auto");
        page.emplace_back(
            "          No  Code    pond      D  Disp Mode  Scan   Emg  Tone Mode  Stun   TX ");
        page.push_back(Rule(70));
    }
    for (int e = 0; e <= kGroupDecodeEntry; ++e) {
        page.push_back(DecodeRow(e, blocks.decode.entries[std::size_t(e)], tags));
    }
    return page;
}

ReportPage FiveToneEncodePage(const ReportBlocks& blocks, const std::string& dateText) {
    ReportPage page;
    page.push_back(PageHeaderLine(dateText, 4));
    page.emplace_back("         ******* 5-Tone Encode *******");
    const bool tags = !blocks.FirstModel();
    if (tags) {
        page.emplace_back(
            "                               1st     Over  Tran    Grp    Input digit ");
        page.emplace_back(
            "          No  Code     TAG     Ext Sel Wrt  Dec Beep Dgt  1 2 3 4 5 6 7 8 ");
        page.push_back(Rule(65));
    } else {
        page.emplace_back("                     1st     Over  Tran    Grp   Input digit ");
        page.emplace_back("          No  Code   Ext Sel Wrt  Dec Beep Dgt  1 2 3 4 5 6 7 8 ");
        page.push_back(Rule(55));
    }
    for (int e = 0; e < kFiveToneEncodeCount; ++e) {
        page.push_back(EncodeRow(e, blocks.encode.entries[std::size_t(e)], tags));
    }
    return page;
}

}  // namespace kp07
