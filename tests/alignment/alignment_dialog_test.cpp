// The Alignment dialog and its two item editors through their widgets,
// against the simulated radio on the in-process line (virtual time).
#include "alignment/alignment_dialog.h"

#include <gtest/gtest.h>

#include <cstdio>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include "alignment/align_readback_dialog.h"
#include "alignment/align_slider_dialog.h"
#include "alignment/alignment_mode.h"
#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "blocks/image_ops.h"
#include "link/link_state.h"
#include "link/simulated_line.h"
#include "support/alignment_support.h"
#include "support/gui/gui_helpers.h"
#include "support/message_recorder.h"
#include "support/test_support.h"

namespace kp07::test {
namespace {

using Strings = std::vector<std::string>;

// The radio in alignment mode with channel 1 selected. Its alignment data:
// reference frequency 81h, microphone 40h, high power base 150, deviation
// bases 100 and 90, CTCSS modulation 60/38, DCS modulation 55/35. Channel 1
// has no sub-audio; channel 2 is narrow with CTCSS 88.5 Hz; channel 3 is
// wide 4 kHz with DCS 023; channel 4 is not in use; channel 5 sends at low
// power.
class AlignmentDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetProcessStateForTest();
        CreateImageAndBlocks();
        RadioImage radio = AlignedRadioImage(0x81, 0x40);
        AlignmentData& a = hardware->alignment;
        a.powerBase[0] = 150;
        a.maxDeviationBase = 100;
        a.maxRefDeviationBase = 90;
        a.ctcssModulation = {60, 38};
        a.dcsModulation = {55, 35};
        channels->records[1].SetTxTone(Tone{ToneType::kCtcss, 885, 0, false, false});
        channels->records[1].bandwidth = 2;
        channels->records[2].SetTxTone(Tone{ToneType::kDcs, 0, 23, false, false});
        channels->records[2].bandwidth = 1;
        channels->records[3].inUse = 0;
        channels->records[4].power = 1;
        RebuildImage(radio);

        cable = std::make_unique<SimulatedCable>(radio, PortDevice(comPort));
        cable->radio().StartInCloneMode(9600);
        ReplaceCurrentPort();
        messages.Answer(MsgResult::kYes);
        ASSERT_TRUE(EnterAlignment(transfers.Runner()));
        ToldTexts(cable->radio());
        messages.Clear();
    }
    void TearDown() override {
        cable.reset();
        DestroyImageAndBlocks();
        ResetProcessStateForTest();
    }
    Strings Told() { return ToldTexts(cable->radio()); }
    // The same joined by ", ".
    std::string ToldLine() {
        std::string line;
        for (const std::string& t : Told()) line += (line.empty() ? "" : ", ") + t;
        return line;
    }

    std::unique_ptr<SimulatedCable> cable;
    MessageRecorder messages;
    InlineTransfers transfers;
};

TEST_F(AlignmentDialogTest, ChannelsShowTheirDataAndTheSliderStartsTheirTransmission) {
    // Effective values at about 477.2 MHz: high power 150 - 32 x 0.36 = 138
    // (139 for channel 1 at 477.175), low power 0; deviations halved when
    // narrow, x0.8 at wide 4 kHz. Receiver tuning 53 (35h) everywhere.
    const struct {
        int listIndex;
        int slot;
        const char* fields;  // RX, TX, Power, Sub Audio, TONE/CODE, W/N
        const char* item0;
        const char* item4;  // "" when hidden
        const char* selected;
        const char* started;
    } cases[] = {
        {1, 1, "476.45000 |477.20000 |High|CTCSS| 88.5|Narrow", "RF Power (High)",
         "CTCSS Modulation", "30h 01, 32h 35, 39h 81",
         "36h, 32h 8A, 3Bh 40, 33h 32 2D, 34h 26 03 75"},
        {2, 2, "476.47500 |477.22500 |High|DCS  |023  |Wide 4kHz", "RF Power (High)",
         "DCS Modulation", "30h 02, 32h 35, 39h 81",
         "36h, 32h 8A, 3Bh 40, 33h 50 48, 35h 37 00 13"},
        // Channel 4 is not in the list: the next entry is channel 5.
        {3, 4, "476.52500 |477.27500 |Low |None |-----|Wide 5kHz", "RF Power (Low)", "",
         "30h 04, 32h 35, 39h 81", "36h, 32h 00, 3Bh 40, 33h 64 5A"},
        {0, 0, "476.42500 |477.17500 |High|None |-----|Wide 5kHz", "RF Power (High)", "",
         "30h 00, 32h 35, 39h 81", "36h, 32h 8B, 3Bh 40, 33h 64 5A"},
    };
    CAlignmentDlg dialog;
    EXPECT_EQ(ToldLine(), "");  // channel 1 was selected on the way in
    EXPECT_EQ(dialog.channelList()->currentText(), "1");
    EXPECT_TRUE(dialog.valueField(kItemSubAudioLevel)->isHidden());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.slot);
        dialog.channelList()->setCurrentIndex(c.listIndex);
        EXPECT_EQ(ToldLine(), c.selected);
        EXPECT_EQ(dialog.channel(), c.slot);
        QStringList fields;
        for (int i = 0; i < 6; ++i) fields << dialog.channelField(i)->text();
        EXPECT_EQ(fields.join('|'), c.fields);
        EXPECT_EQ(dialog.itemLabel(kItemRfPower)->text(), c.item0);
        EXPECT_EQ(dialog.valueField(kItemSubAudioLevel)->isHidden(), *c.item4 == '\0');
        if (*c.item4) {
            EXPECT_EQ(dialog.itemLabel(kItemSubAudioLevel)->text(), c.item4);
        }

        CAlignSliderDlg slider(c.slot, kItemMaxDeviation, &dialog);
        EXPECT_TRUE(slider.transmitting());
        EXPECT_EQ(ToldLine(), c.started);
        slider.reject();
        EXPECT_EQ(ToldLine(), "37h");
    }
    // The receiver sensitivity is set without transmitting.
    CAlignSliderDlg rx(0, kItemRxSensitivity, &dialog);
    EXPECT_FALSE(rx.transmitting());
    EXPECT_EQ(ToldLine(), "");
}

// Channel 1 is selected on the radio on the way in; when it is not in use
// the dialog shows the first channel it lists and selects that one instead,
// so that what is shown is what the radio works on.
TEST_F(AlignmentDialogTest, WithoutChannelOneTheFirstListedChannelIsShownAndSelected) {
    channels->records[0].inUse = 0;
    {
        CAlignmentDlg dialog;
        EXPECT_EQ(dialog.channelList()->currentText(), "2");
        EXPECT_EQ(dialog.channel(), 1);
        EXPECT_EQ(dialog.channelField(0)->text(), "476.45000 ");
        EXPECT_EQ(ToldLine(), "30h 01, 32h 35, 39h 81");
    }
    // A radio that does not take the channel stays on channel 1, and so
    // does the dialog; choosing from the list still works afterwards.
    cable->wire().PullLead();
    CAlignmentDlg dialog;
    EXPECT_EQ(messages.last(), "Ch Error");
    EXPECT_EQ(dialog.channel(), 0);
    EXPECT_EQ(dialog.channelList()->currentIndex(), -1);
    EXPECT_EQ(dialog.channelField(0)->text(), "476.42500 ");
    dialog.channelList()->setCurrentIndex(0);
    EXPECT_EQ(dialog.channel(), 0);
    EXPECT_EQ(dialog.channelList()->currentIndex(), -1);
}

TEST_F(AlignmentDialogTest, SliderValueFieldStepsTypesAndStopsAtTheEnds) {
    const struct {
        const char* typed;
        int afterTyping;
        Qt::Key key;
        int afterKey;
        Strings told;
    } cases[] = {
        {"0", 0, Qt::Key_Left, 0, {"3Bh 00"}},
        {"0", 0, Qt::Key_Right, 1, {"3Bh 00", "3Bh 01"}},
        {"300", 255, Qt::Key_Right, 255, {"3Bh FF"}},
        {"12.7", 12, Qt::Key_Right, 13, {"3Bh 0C", "3Bh 0D"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        hardware->alignment.micSensitivity = 0x40;
        CAlignSliderDlg slider(0, kItemMicSensitivity);
        Told();
        QLineEdit* field = slider.valueField();
        field->selectAll();
        QTest::keyClicks(field, c.typed);
        QTest::keyClick(field, Qt::Key_Return);  // applies, the editor stays
        EXPECT_EQ(slider.value(), c.afterTyping);
        QTest::keyClick(field, c.key);
        EXPECT_EQ(slider.value(), c.afterKey);
        EXPECT_EQ(field->text(), QString::number(c.afterKey));
        EXPECT_EQ(slider.slider()->value(), c.afterKey);
        EXPECT_EQ(Told(), c.told);
        // Enter in the unchanged field closes with OK.
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(slider.result(), QDialog::Accepted);
        EXPECT_EQ(Told(), Strings{"37h"});
        EXPECT_EQ(hardware->alignment.micSensitivity, c.afterKey);
    }
}

// What each slider item tells the radio while its value moves: the item's own
// command with the new value (and the companion values it travels with), and
// for most items the reference frequency after it. The radio's reference
// frequency is 81h; channel 2 sends CTCSS 88.5 Hz (885 = 03 75), channel 3
// DCS 023 (0*64 + 2*8 + 3 = 00 13).
TEST_F(AlignmentDialogTest, EachSliderItemSendsItsOwnLiveCommand) {
    const auto hex = [](int value) {
        char text[4];
        std::snprintf(text, sizeof text, "%02X", value);
        return std::string(text);
    };
    const auto shown = [&](int channel, int item) {
        return hex(ItemValue(*hardware, channels->records[std::size_t(channel)], item));
    };
    const struct {
        int channel;
        int item;
        int value;
        Strings told;
    } cases[] = {
        {1, kItemMaxDeviation, 0x4D, {"33h 4D " + shown(1, kItemMaxRefDeviation), "39h 81"}},
        {1, kItemMaxRefDeviation, 0x42, {"33h " + shown(1, kItemMaxDeviation) + " 42", "39h 81"}},
        {1, kItemSubAudioLevel, 0x32, {"34h 32 03 75", "39h 81"}},
        {2, kItemSubAudioLevel, 0x32, {"35h 32 00 13", "39h 81"}},
        {0, kItemRfFrequency, 0x90, {"39h 90"}},
        {0, kItemRxSensitivity, 0x3C, {"32h 3C", "39h 81"}},
        {0, kItemDtmfDeviation, 0x64, {"3Ah 64 01", "39h 81"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "channel " << c.channel + 1 << " item " << c.item);
        CAlignSliderDlg slider(c.channel, c.item);
        Told();
        slider.slider()->setValue(c.value);
        EXPECT_EQ(Told(), c.told);
        slider.reject();
        Told();
    }
}

TEST_F(AlignmentDialogTest, SliderOkStoresTheBaseAndCancelStoresNothing) {
    // How a shown value is worked back into the base: alignment_items_test.
    const struct {
        const char* name;
        bool ok;
        int base;   // high power base afterwards (150 before)
        int shown;  // what channel 1 shows afterwards
    } cases[] = {
        // 150 shown at 477.175 MHz: 150 + 11 (32 x 0.35875 = 11.48).
        {"OK", true, 161, 150},
        // 150 - 11.48 as before.
        {"Cancel", false, 150, 139},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        hardware->alignment.powerBase[0] = 150;
        RecomputeTuningCache(*channels);
        alignmentModified = 0;
        std::vector<std::array<std::uint8_t, 4>> cacheBefore;
        for (const ChannelRecord& r : channels->records) cacheBefore.push_back(r.txTuning);

        CAlignSliderDlg slider(0, kItemRfPower);
        EXPECT_EQ(slider.windowTitle(), "RF Power (High)");
        Told();
        slider.slider()->setValue(150);
        if (c.ok) {
            slider.accept();
        } else {
            slider.reject();
        }

        EXPECT_EQ(Told(), (Strings{"32h 96", "37h"}));
        EXPECT_EQ(hardware->alignment.powerBase[0], c.base);
        EXPECT_EQ(ItemValue(*hardware, channels->records[0], kItemRfPower), c.shown);
        EXPECT_EQ(alignmentModified, c.ok ? 1 : 0);
        if (!c.ok) {
            for (int i = 0; i < kChannelSlots; ++i) {
                EXPECT_EQ(channels->records[std::size_t(i)].txTuning, cacheBefore[std::size_t(i)]);
            }
        }
    }
}

TEST_F(AlignmentDialogTest, WhatTheRadioDoesNotTakeIsNotKept) {
    CAlignmentDlg dialog;
    CAlignSliderDlg slider(0, kItemRfFrequency, &dialog);
    slider.slider()->setValue(100);
    EXPECT_EQ(slider.value(), 100);
    cable->wire().PullLead();  // no echo, no answer from now on

    slider.slider()->setValue(120);
    EXPECT_EQ(slider.value(), 100);
    EXPECT_EQ(slider.slider()->value(), 100);
    EXPECT_EQ(slider.valueField()->text(), "100");
    slider.reject();

    dialog.channelList()->setCurrentIndex(1);
    EXPECT_EQ(messages.last(), "Ch Error");
    EXPECT_EQ(dialog.channelList()->currentIndex(), 0);
    EXPECT_EQ(dialog.channel(), 0);
    EXPECT_EQ(dialog.channelField(3)->text(), "None ");
}

TEST_F(AlignmentDialogTest, ReadBackShowsTheReadingsAndTakesZeroToHundred) {
    RadioSimulator& radio = cable->radio();
    radio.wanderingStatus = true;
    radio.status = {0, 40, 120, 0};
    const struct {
        int item;
        const char* typed;          // "" copies the last reading
        std::vector<int> readings;  // one poll every 500 ms from a whole cycle
        int stored;
    } cases[] = {
        {kItemRssi, "150", {120, 121, 122, 121, 120, 119, 118, 119}, 100},
        {kItemSquelchThreshold, "", {40, 41, 42, 41, 40, 39, 38, 39}, 39},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        CAlignReadBackDlg editor(0, c.item);
        ASSERT_TRUE(ShowActive(&editor));
        EXPECT_TRUE(editor.polling());
        VirtualClock& clock = cable->clock();
        const std::int64_t cycleUs = 4000000;
        const std::int64_t from = (clock.NowUs() / cycleUs + 1) * cycleUs + 100000;
        for (std::size_t i = 0; i < c.readings.size(); ++i) {
            clock.AdvanceTo(from + std::int64_t(i) * 500000);
            editor.Poll();
            EXPECT_EQ(editor.readingField()->text(), QString::number(c.readings[i])) << i;
        }
        if (*c.typed) {
            editor.valueField()->setFocus();
            editor.valueField()->selectAll();
            QTest::keyClicks(editor.valueField(), c.typed);
        } else {
            QTest::mouseClick(editor.copyButton(), Qt::LeftButton);
        }
        QTest::mouseClick(editor.okButton(), Qt::LeftButton);
        EXPECT_EQ(editor.valueField()->text(), QString::number(c.stored));
        EXPECT_FALSE(editor.polling());
        const AlignmentData& a = hardware->alignment;
        EXPECT_EQ(int(c.item == kItemRssi ? a.rssi[0] : a.squelchThreshold[0]), c.stored);
    }
}

TEST_F(AlignmentDialogTest, EnterOnAValueOpensItsEditorAndCancelForgetsTheChanges) {
    CAlignmentDlg dialog;
    ASSERT_TRUE(ShowActive(&dialog));
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* editor = qobject_cast<CAlignSliderDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(editor, nullptr);
        seen = true;
        EXPECT_EQ(editor->windowTitle(), "MIC Sensitivity");
        for (int item = 0; item < kAlignmentItemCount; ++item) {
            EXPECT_FALSE(dialog.valueField(item)->isEnabled()) << item;
        }
        QTest::keyClick(editor->valueField(), Qt::Key_Right);
        editor->accept();
    });
    dialog.valueField(kItemMicSensitivity)->setFocus();
    QTest::keyClick(dialog.valueField(kItemMicSensitivity), Qt::Key_Return);
    EXPECT_TRUE(seen);
    EXPECT_TRUE(dialog.valueField(0)->isEnabled());
    EXPECT_EQ(dialog.valueField(kItemMicSensitivity)->text(), "65");  // 40h + 1
    EXPECT_EQ(dialog.focusWidget(), dialog.valueField(kItemMicSensitivity));
    EXPECT_EQ(alignmentModified, 1);

    dialog.reject();
    EXPECT_EQ(alignmentModified, 0);
    EXPECT_EQ(hardware->alignment.micSensitivity, 0x41);  // the value stays in the document
}

}  // namespace
}  // namespace kp07::test
