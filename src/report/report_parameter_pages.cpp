// Pages 1 and 2 of the report: the common parameters, DTMF and paging, and
// the signaling data. Every option prints the text its dialog shows, from
// the list tables beside the blocks; the line formats are the report's own.
#include <string>

#include "report/report_blocks.h"
#include "report/report_columns.h"
#include "report/report_text.h"

namespace kp07 {
namespace {

const char kBanner[] =
    "                  **********  Korvel Dynamics KR-318 Portable Transceiver  **********";
const char kSignalingBanner[] =
    "        **********************************   SIGNALING DATA   "
    "************************************";
// What the report prints for a setting the radio model does not have.
const char kAbsent[] = "--------";

const char* Text(const std::string& s) {
    return s.c_str();
}

// --------------------------------------------------------------- page 1

void HardwareSection(const ReportBlocks& b, ColumnComposer& c) {
    const HardwareParams& hw = b.hardware;
    const bool upper = hw.IsUpperBand();
    c.LeftHeading("           Hardware Environments");
    c.Left(Line("              Model:                %-20s",
                Text(ChoiceText(ModelTexts(), hw.model))));
    c.Left(Line("              Front KeyPad:         %-20s",
                Text(ChoiceText(FrontKeypadTexts(), b.common.keypadSelection))));
    c.Left(Line("              Frequency Band:       %-20s",
                Text(ChoiceText(BandTexts(), upper ? 1 : 0))));
    c.Left(Line("              Min Frequency:        %4.1fMHz%12s", hw.minFrequencyMHz, ""));
    c.Left(Line("              Max Frequency:        %4.1fMHz%12s", hw.maxFrequencyMHz, ""));
    c.Left(Line("              Ref Xtal:             %5.2fMHz%12s", hw.referenceMHz, ""));
    c.Left(Line("              First IF:             %4.2fMHz%12s", hw.firstIfMHz, ""));
    c.Left(Line("              Local Offset:         %-20s",
                Text(ChoiceText(LocalOffsetTexts(), hw.injectionSide))));
    c.Left(Line("              Channel Spacing:      %s%9s",
                Text(ChoiceText(ChannelStepTexts(upper), unsigned(ChannelStepItem(hw)))), ""));
    c.Left(
        Line("              SQL Release Time:     %-3d ms%14s", int(hw.sqlReleaseTime) * 40, ""));
    c.Left(Line("              SQL Attack Time:      %-3d ms%13s", int(hw.sqlAttackTime) * 5, ""));
    c.Left(Line("              SQL Hysterisis:       %-2d%17s", int(hw.sqlHysteresis), ""));
    c.Left(Line("              Receive Save Off Time:%s%13s",
                Text(ChoiceText(RxSaveOffTimeTexts(), hw.rxSaveOffTime)), ""));
    c.Left(Line("              CTCSS Release Time:   %s%13s",
                Text(ChoiceText(CtcssReleaseTimeTexts(), hw.ctcssReleaseTime)), ""));
    c.LeftBlank();
}

void PowerSavingSection(const ReportBlocks& b, ColumnComposer& c) {
    const CommonParams& p = b.common;
    c.LeftHeading("           Power Saving Parameters");
    c.Left(Line("              Power ON Tag:              %-14s",
                b.FirstModel() ? kAbsent : p.powerOnTag.c_str()));
    if (p.transmitTimer == 0) {
        c.Left(Line("              Transmit Timer:            0.5 min%7s", ""));
    } else {
        c.Left(
            Line("              Transmit Timer:            %-d min%9s", int(p.transmitTimer), ""));
    }
    c.Left(Line("              Penalty Timer:             %-3.3s s%9s",
                Text(ChoiceText(PenaltyTimerSeconds(), p.penaltyTimer)), ""));
    c.Left(Line("              Release Timer:             %-3.3s s%9s",
                Text(ChoiceText(ReleaseTimerSeconds(), p.releaseTimer)), ""));
    c.Left(Line("              Receive Save Timer:        %-14s",
                Text(ChoiceText(RxSaveModeTexts(), p.rxSaveMode))));
    c.Left(Line("              MIC Gain:                  %-14s",
                Text(ChoiceText(MicGainTexts(), p.micGain))));
    c.Left(Line("              Low Battery Alert Interval:%-14s",
                Text(ChoiceText(LowBatteryAlertTexts(), p.lowBatteryAlert))));
    c.LeftBlank();
}

void ScanSection(const ReportBlocks& b, ColumnComposer& c) {
    const ScanParams& s = b.scan;
    const unsigned check = s.PriorityCheck();
    c.LeftHeading("           Scan Parameters");
    c.Left(Line("              Scan Resume Tinme 1: %-4.4s s%14s",
                Text(ChoiceText(ResumeTime1Seconds(), s.resumeTime1)), ""));
    c.Left(Line("              Scan Resume Tinme 2: %-3.3s s%15s",
                Text(ChoiceText(ResumeTime2Seconds(), s.resumeTime2)), ""));
    c.Left(Line("              Priority Check:      %-20s",
                Text(ChoiceText(DisabledEnabledTexts(), check != 0 ? 1 : 0))));
    // Without the priority check its timer list is off and shows no time.
    c.Left(Line("              Priority Check Timer:%-3.3s s%15s",
                check ? Text(ChoiceText(PriorityCheckTimerSeconds(), check - 1)) : "", ""));
    c.Left(Line("              Scan Speed:          %-20s",
                Text(ChoiceText(ScanSpeedTexts(), s.scanSpeed))));
    c.Left(Line("              Group Scan:          %-20s",
                Text(ChoiceText(GroupScanTexts(), s.groupScan))));
    c.LeftBlank();
}

void OptionSection(const ReportBlocks& b, ColumnComposer& c) {
    const CommonParams& p = b.common;
    const int board = ItemOfValue(OptionBoardValues(), p.optionBoard);
    const bool recorder = HasVoiceRecorder(p.optionBoard);
    c.LeftHeading("           Option ");
    c.Left(Line("              Option Board:%-28s",
                Text(ChoiceText(OptionBoardTexts(), unsigned(board)))));
    c.Left(Line("              Rec Mode:    %-28s",
                recorder ? Text(ChoiceText(RecordModeTexts(), p.recordMode)) : kAbsent));
    c.Left(Line("              Play Mode:   %-28s",
                recorder ? Text(ChoiceText(PlayModeTexts(), p.playMode)) : kAbsent));
    c.Left(Line("              PWR On Rec:  %-28s",
                recorder ? Text(ChoiceText(DisabledEnabledTexts(), p.powerOnRecord)) : kAbsent));
    c.LeftBlank();
}

void KeySection(const ReportBlocks& b, ColumnComposer& c) {
    const KeyFunctionParams& k = b.keys;
    auto fn = [&k](int key) { return KeyFunctionName(int(k.keys[std::size_t(key)])).c_str(); };
    c.Right("Key Function");
    c.Right(k.rotarySwitchMode ? "   [Rotary] SW: Group" : "   [Rotary] SW: Channel");
    c.Right("               ----------------------------");
    c.Right("               Press          Press & Hold");
    c.Right("               ----------------------------");
    c.Right(Line("   [Side1] Key: %s %s", fn(0), fn(6)));
    c.Right(Line("   [Side2] Key: %s %s", fn(1), fn(7)));
    const char* const labels[] = {
        "   [A]     Key: ", "   [B]     Key: ", "   [C]     Key: ", "   [D]     Key: "};
    for (int key = 2; key < 6; ++key) {
        const std::string label = labels[key - 2];
        c.Right(b.FirstModel() ? label + "-------------  -------------"
                               : label + Line("%s %s", fn(key), fn(key + 6)));
    }
    c.RightBlank();
}

void EmergencySection(const ReportBlocks& b, ColumnComposer& c) {
    const EmergencyParams& e = b.emergency;
    c.Right("Emergency");
    c.Right(Line("   Emergency Channel:     %-20s",
                 Text(ChoiceText(EmergencyChannelTexts(), e.emergencyChannel))));
    // The lists run from 5 s in steps of 5: item n is (n + 1) x 5 seconds.
    c.Right(Line("   Emergency RX Time:     %-3d s", int(e.rxTime + 1) * 5));
    c.Right(Line("   Emergency TX Time:     %-3d s", int(e.txTime + 1) * 5));
    c.Right(Line("   Emergency SilentMode:  %-20s",
                 Text(ChoiceText(DisabledEnabledTexts(), e.silentMode))));
    c.Right(Line("   Emergency Key Duration:%-20s",
                 Text(ChoiceText(EmergencyKeyDurationTexts(), e.keyDuration))));
    c.Right(Line("   Lone Worker Timer:     %-6s",
                 Text(ChoiceText(LoneWorkerTimerTexts(), e.loneWorkerTimer))));
    c.RightBlank();
}

void MarketAndMiscSections(const ReportBlocks& b, double defaultSplitMHz, ColumnComposer& c) {
    const CommonParams& p = b.common;
    const ChoiceTexts& onOff = DisabledEnabledTexts();
    c.Right("Market Parameters");
    c.Right(Line("   Market Application:  %-4s", b.identity.productionNumber.c_str()));
    c.Right(Line("   Serial Number:       %-8s", b.identity.serialNumber.c_str()));
    c.RightBlank();

    c.Right("Miscellaneous Parameters");
    c.Right(Line("   Default Split:       %-5.1f MHz", defaultSplitMHz));
    c.Right(Line(
        "   Power on Condition:  %s",
        Text(ChoiceText(PowerOnConditionTexts(),
                        unsigned(ItemOfValue(PowerOnConditionValues(), p.powerOnCondition))))));
    c.Right(Line("   Beep:                %s", Text(ChoiceText(onOff, p.beep))));
    const unsigned tail = p.squelchTailElimination;
    c.Right(Line("   Squelch Tail Elim:   %s",
                 Text(ChoiceText(SquelchTailTexts(tail),
                                 unsigned(ItemOfValue(SquelchTailValues(tail), tail))))));
    c.Right(Line("   Bell:                %s", Text(ChoiceText(onOff, p.bell))));
    c.Right(Line("   LED Lighting:        %s", Text(ChoiceText(onOff, p.ledLighting))));
    c.Right(b.FirstModel() ? std::string("   LCD Lighting Mode:   ------")
                           : Line("   LCD Lighting Mode:   %s",
                                  Text(ChoiceText(LcdLightingModeTexts(), p.lcdLightingMode))));
    c.Right(Line("   Set-to-Set Clone:    %s", Text(ChoiceText(onOff, p.setToSetClone))));
    c.Right(
        Line("   External Jack:       %s", Text(ChoiceText(ExternalJackTexts(), p.externalJack))));
    c.Right(b.FirstModel() ? std::string("   Key Holding Time:    --------")
                           : Line("   Key Holding Time:    %s",
                                  Text(ChoiceText(KeyHoldingTimeTexts(), p.keyHoldingTime))));
    c.Right(Line("   Qlnk Beep:           %s", Text(ChoiceText(onOff, p.qlnkBeep))));
    c.RightBlank();

    c.Right("Power ON Password ");
    c.Right(Line("   Password:            %-20s", Text(ChoiceText(onOff, p.passwordEnabled))));
    c.Right(Line("   Password No.:        %-4.4s", p.password.c_str()));
}

void AniSection(const ReportBlocks& b, ColumnComposer& c) {
    const DtmfParams& d = b.dtmf;
    c.LeftHeading("           ANI/Speed Dial Parameters");
    c.Left(Line("              ANI Transmit:        %-20s",
                Text(ChoiceText(AniTransmitChoices(), d.aniTransmit))));
    c.Left(Line("              DTMF Delay:          %-20s",
                Text(ChoiceText(DtmfDelayChoices(), d.dtmfDelay))));
    c.Left(Line("              DTMF Speed:          %-20s",
                Text(ChoiceText(DtmfSpeedChoices(), d.dtmfSpeed))));
    c.Left(Line("              DTMF Pause Code:     %-20s", d.pauseCode.c_str()));
    c.Left(Line("              DTMF Pause Times:    %-20s",
                Text(ChoiceText(DtmfPauseTimeChoices(), d.pauseTime))));
    for (int k = 0; k < kSpeedDialCount; ++k) {
        c.Left(Line("              Speed Dial Code%d:    %-20s", k,
                    d.speedDial[std::size_t(k)].c_str()));
    }
    c.Left(Line("              DTMF ANI Code:       %-20s", d.aniCode.c_str()));
    c.Left(Line("              DTMF Emergency Code: %-20s", d.emergencyCode.c_str()));
}

void PagingSection(const ReportBlocks& b, ColumnComposer& c) {
    const PagingParams& p = b.paging;
    // The paging settings belong to the paging unit; without it they are off.
    const bool paging = b.common.optionBoard == kPagingOptionBoard;
    c.Right("Paging Setting Parameters");
    c.Right(Line("   DTMF Speed:          %-20s",
                 paging ? Text(ChoiceText(PagingSpeedChoices(), p.dtmfSpeed)) : kAbsent));
    c.Right(Line("   Answer Back:         %-20s",
                 paging ? Text(ChoiceText(DisabledEnabledTexts(), p.answerBack)) : kAbsent));
    c.Right(Line("   Call Times:          %-20s",
                 paging ? Text(ChoiceText(CallTimesChoices(), p.callTimes)) : kAbsent));
    c.Right(Line("   Auto Reset Time:     %-20s",
                 Text(ChoiceText(PagingAutoResetChoices(), p.autoResetTime))));
    c.Right("Page Code");
    for (int i = 0; i < kPageCodeCount; ++i) {
        const PageCodeEntry& e = p.pages[std::size_t(i)];
        if (!e.entered) {
            c.Right(Line("   PAGE %2d:  %-20s", i + 1, "------------------"));
        } else if (e.code.empty()) {
            c.Right(Line("   PAGE %2d:  %-20s", i + 1, "----------------"));
        } else {
            c.Right(Line("   PAGE %2d:  %3s        %-17s", i + 1, e.code.c_str(),
                         Text(ChoiceText(PageDecodeChoices(), e.decode))));
        }
    }
}

// --------------------------------------------------------------- page 2

void FiveToneGeneralBlock(const ReportBlocks& b, ReportPage& page) {
    const FiveToneGeneral& g = b.fiveTone;
    const ChoiceTexts& onOff = DisableEnableChoices();
    // Check boxes of the dialog, as their help lines name the two states.
    auto display = [&b](bool on) {
        return b.FirstModel() ? kAbsent : on ? "Display" : "No Display";
    };
    ColumnComposer c;
    c.LeftHeading("           5-Tone General Parameters");
    for (int d = 0; d < kDigitDelayCount; ++d) {
        c.Left(Line("              Delay %d:             %d ms%14s", d + 1,
                    int(g.digitDelays[std::size_t(d)]) * 10, ""));
    }
    c.Left(Line("              1st Digit Length:    %d ms%14s", int(g.firstToneTimer) * 10, ""));
    c.Left(
        Line("              Transpond Delay:     %d ms%13s", int(g.transpondDelayTimer) * 10, ""));
    c.Left(Line("              Tag Display:         %-20s", display(g.tagDisplay)));
    c.Left(Line("              ANI Display:         %-20s",
                b.FirstModel() ? kAbsent : Text(ChoiceText(onOff, g.aniDisplay ? 1 : 0))));
    for (int d = 0; d < 8; ++d) {
        c.Left(Line("              Display Digit%d:      %-20s", d + 1,
                    display(g.displayDigits[std::size_t(d)] != 0)));
    }
    for (int i = 0; i < 3; ++i) c.LeftBlank();

    c.Right(Line("   Group Tone:          %X TONE%14s", g.groupTone, ""));
    c.Right(Line("   Repeat Tone:         %X TONE%14s", g.repeatTone, ""));
    c.Right(Line("   Delay 3:             %X TONE%14s", g.delay3Tone, ""));
    c.Right(Line("   Auto Reset Time:     %-20s",
                 Text(ChoiceText(AutoResetTimeChoices(), g.autoResetTime))));
    c.Right(Line("   Auto TX Time:        %d s%15s", int(g.autoTxTime), ""));
    c.Right(Line("   Auto Reset Beep:     %-20s", Text(ChoiceText(onOff, g.autoResetBeep))));
    c.Right(
        Line("   Clear to Transpond:  %-20s", Text(ChoiceText(onOff, g.clearToTranspond ? 1 : 0))));
    c.Right(Line("   PTT Call:            %-20s", Text(ChoiceText(onOff, g.pttCall ? 1 : 0))));
    for (int d = 0; d < 8; ++d) {
        c.Right(Line("   Compare Digit%d:      %-20s", d + 1,
                     Text(ChoiceText(onOff, g.compareDigits[std::size_t(d)] ? 1 : 0))));
    }
    c.Right(Line("   ID Decode:           %d ms%14s", int(g.idDecodeTime) * 10, ""));
    c.Right(Line("   Beep Repeat:         %d s%14s", int(g.beepRepeatTime), ""));
    c.Right(Line("   Call Key 2:          ENC No.%2d%12s", int(g.callKey2) + 1, ""));
    c.Right(Line("   Call Key 3:          ENC No.%2d%12s", int(g.callKey3) + 1, ""));
    // Below both columns, from the margin.
    c.Right("           5-Tone Format Timing");
    c.Right("                          Period     GapPeriod");
    c.Right("                          (ms)        (ms)");
    c.Right("                         ----------------------");
    for (int f = 0; f < kFiveToneFormatCount; ++f) {
        c.Right(Line("                 %6s:   %3d         %5.1f",
                     kFiveToneFormatNames[std::size_t(f)], int(b.formats.periods[std::size_t(f)]),
                     b.formats.gaps[std::size_t(f)] * 2.5));
    }
    for (std::string& line : c.Lines()) page.push_back(std::move(line));
}

void TwoToneBlocks(const ReportBlocks& b, ReportPage& page) {
    const TwoToneCommonSettings& t = b.dtmf.twoTone;
    const ChoiceTexts& onOff = DisableEnableChoices();
    ColumnComposer c;
    c.LeftHeading("           2-Tone Parameters");
    c.Left(Line("              Auto Reset Time:     %-20s",
                Text(ChoiceText(AutoResetTimeChoices(), t.autoResetTime))));
    c.Left(
        Line("              Auto Reset Beep:     %-20s", Text(ChoiceText(onOff, t.autoResetBeep))));
    c.Left(Line("              Primary GRP Call:    %-20s",
                Text(ChoiceText(GroupCallChoices(), t.primaryGroupCall))));
    c.Left(Line("              Secondary GRP Call:  %-20s",
                Text(ChoiceText(GroupCallChoices(), t.secondaryGroupCall))));
    c.Left(
        Line("              Secondary Page Pair: Pair# %d%13s", int(t.secondaryPagePair) + 1, ""));
    c.Left(Line("              CTCSS/DCS Complement:%-20s",
                Text(ChoiceText(onOff, t.toneComplement))));
    c.Left(
        Line("              Duty:                %-20s", Text(ChoiceText(DutyChoices(), t.duty))));
    c.Left(Line("              Call Beep Tone:      %-20s",
                Text(ChoiceText(CallBeepToneChoices(), t.callBeepTone))));
    c.Left(Line("              Beep Mode:           %-20s",
                Text(ChoiceText(BeepModeChoices(), t.beepMode))));
    c.Left(Line("              Beep Repeat:         %-3d s%15s", int(t.beepRepeatTime), ""));
    c.LeftBlank();
    c.LeftBlank();

    c.Right("2-Tone Table");
    c.Right(" Pair#      1st        2nd");
    c.Right("----------------------------");
    for (int p = 0; p < kTwoTonePairCount; ++p) {
        const TwoTonePair& pair = b.dtmf.pairs[std::size_t(p)];
        c.Right(Line("  %2d:  %9s   %9s ", p + 1, Text(Line("%6.1f Hz", pair.firstTenths / 10.0)),
                     Text(Line("%6.1f Hz", pair.secondTenths / 10.0))));
    }
    c.RightBlank();
    // Below both columns, from the margin.
    const TwoToneGeneral& e = b.twoToneEncode;
    c.Right("           2-Tone Encode");
    c.Right(Line("              Encode Type:            %-20s",
                 Text(ChoiceText(EncodeTypeChoices(), e.encodeType))));
    c.Right(Line("              Encode Format Pair# :   %-d", int(e.encodePair) + 1));
    c.Right(Line("              1st Tone Period Time:   %-3.1f s", e.firstTonePeriod / 10.0));
    c.Right(Line("              2nd Tone Period Time:   %-3.1f s", e.secondTonePeriod / 10.0));
    for (std::string& line : c.Lines()) page.push_back(std::move(line));

    page.emplace_back("           2-Tone System");
    page.emplace_back("              No. Primary   Secondary  AutoReset");
    page.emplace_back("             ----------------------------------------------");
    for (int s = 0; s < kTwoToneSystemCount; ++s) {
        const TwoToneSystemEntry& entry = b.twoToneSystems.entries[std::size_t(s)];
        std::string row = Line("              %2d:", s + 1);
        row += entry.firstPair ? Line("    %2d", int(entry.firstPair)) : "    --";
        row += Line("         %s          %s", Flag(entry.secondPair), Flag(entry.autoReset));
        page.push_back(row);
    }
}

}  // namespace

ReportPage CommonPage(const ReportBlocks& blocks, const std::string& fileName,
                      const std::string& dateText, double defaultSplitMHz) {
    ReportPage page;
    page.push_back(PageHeaderLine(dateText, 1));
    page.emplace_back(kBanner);
    page.push_back(Line("           File Name:  %-32s", fileName.c_str()));
    page.push_back(Line("           Serial No:  %-32s", blocks.identity.serialNumber.c_str()));

    ColumnComposer settings;
    HardwareSection(blocks, settings);
    PowerSavingSection(blocks, settings);
    ScanSection(blocks, settings);
    OptionSection(blocks, settings);
    KeySection(blocks, settings);
    EmergencySection(blocks, settings);
    MarketAndMiscSections(blocks, defaultSplitMHz, settings);
    // The blank line that closes both columns carries the signaling banner.
    settings.CloseColumns();
    std::vector<std::string> lines = settings.Lines();
    lines.back() = kSignalingBanner;
    page.insert(page.end(), lines.begin(), lines.end());

    ColumnComposer signaling;
    AniSection(blocks, signaling);
    PagingSection(blocks, signaling);
    for (std::string& line : signaling.Lines()) page.push_back(std::move(line));
    return page;
}

ReportPage SignalingPage(const ReportBlocks& blocks, const std::string& dateText) {
    ReportPage page;
    page.push_back(PageHeaderLine(dateText, 2));
    page.emplace_back(kSignalingBanner);
    if (blocks.FiveTone()) FiveToneGeneralBlock(blocks, page);
    TwoToneBlocks(blocks, page);
    return page;
}

}  // namespace kp07
