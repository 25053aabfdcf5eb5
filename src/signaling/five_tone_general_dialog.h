// "5-Tone General Parameters": digit timings, display and compare digits,
// special tones, call keys, auto transmit and auto reset. A time field is
// clamped when committed; a list takes its value at once; the check boxes
// are read on OK. OK (by button or Enter) away from the OK button only
// toggles the focused check box, so Enter works a check box like Space.
#pragma once

#include <cstdint>
#include <vector>

#include "blocks/five_tone_general.h"
#include "signaling/signaling_dialog.h"

namespace kp07 {

class CFiveToneGeneralDlg : public CSignalingDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 194;
    static constexpr int kTagDisplayId = 4021;
    static constexpr int kFirstDisplayDigitId = 4022;  // + digit 0..7
    static constexpr int kClearToTranspondId = 4030;
    static constexpr int kPttCallId = 4031;
    static constexpr int kFirstCompareDigitId = 4032;  // + digit 0..7
    static constexpr int kAniDisplayId = 4040;
    static constexpr int kGroupToneId = 4041;
    static constexpr int kRepeatToneId = 4042;
    static constexpr int kDelay3ToneId = 4043;
    static constexpr int kAutoResetTimeId = 4044;
    static constexpr int kAutoResetBeepId = 4045;
    static constexpr int kCallKey2Id = 4046;
    static constexpr int kCallKey3Id = 4047;
    static constexpr int kFirstDelayId = 4061;  // 4061..4064 the digit delays
    static constexpr int kFirstToneTimerId = 4065;
    static constexpr int kTranspondDelayId = 4066;
    static constexpr int kAutoTxTimeId = 4067;
    static constexpr int kIdDecodeTimeId = 4068;
    static constexpr int kBeepRepeatId = 4069;

    CFiveToneGeneralDlg(RadioImage& image, QWidget* parent = nullptr);

    const FiveToneGeneral& record() const { return record_; }

  protected:
    void OnOk() override;

  private:
    // The record field behind a check box.
    struct CheckField {
        int id;
        bool* flag = nullptr;
        std::uint8_t* bit = nullptr;
    };
    std::vector<CheckField> CheckFields();
    unsigned* TimeField(int id);

    FiveToneGeneral record_;
};

}  // namespace kp07
