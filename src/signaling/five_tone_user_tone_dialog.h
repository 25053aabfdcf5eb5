// "5-Tone User Tone": the frequencies of the tone digits 0 to E of the user
// format, 300..3000 Hz. A field is clamped when committed; OK (with the
// focus on it) stores.
#pragma once

#include "blocks/five_tone_user_tones.h"
#include "signaling/signaling_dialog.h"

namespace kp07 {

class CFiveToneUserToneDlg : public CSignalingDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 202;
    static constexpr int kFirstToneId = 4532;  // + digit 0..14

    CFiveToneUserToneDlg(RadioImage& image, QWidget* parent = nullptr);

    const FiveToneUserTones& record() const { return record_; }

  protected:
    void OnOk() override;

  private:
    FiveToneUserTones record_;
};

}  // namespace kp07
