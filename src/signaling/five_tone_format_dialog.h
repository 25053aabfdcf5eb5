// "5-Tone Format Timing": for each tone format the period of a sent tone
// (0..255 ms) and the gap accepted between received tones (0..637.5 ms in
// steps of 2.5 ms). A field is clamped when committed; OK (with the focus on
// it) stores.
#pragma once

#include "blocks/five_tone_format.h"
#include "signaling/signaling_dialog.h"

namespace kp07 {

class CFiveToneFormatDlg : public CSignalingDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 197;
    static constexpr int kFirstPeriodId = 4121;  // + format 0..11
    static constexpr int kFirstGapId = 4141;     // + format 0..11

    CFiveToneFormatDlg(RadioImage& image, QWidget* parent = nullptr);

    const FiveToneFormat& record() const { return record_; }

  protected:
    void OnOk() override;

  private:
    FiveToneFormat record_;
};

}  // namespace kp07
