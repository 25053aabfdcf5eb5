// "2-Tone Encode": what the radio sends as a 2-tone call. The lists are taken
// on OK; a period is held to 0.0..25.5 s when committed and taken on OK once
// it was committed. Enter in a period field never closes the dialog.
#pragma once

#include "blocks/two_tone_general.h"
#include "signaling/signaling_dialog.h"

namespace kp07 {

class CTwoToneEncodeDlg : public CSignalingDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 203;
    static constexpr int kTypeId = 4565;
    static constexpr int kPairId = 4566;
    static constexpr int kFirstPeriodId = 4567;
    static constexpr int kSecondPeriodId = 4568;

    CTwoToneEncodeDlg(RadioImage& image, QWidget* parent = nullptr);

    const TwoToneGeneral& record() const { return record_; }

  protected:
    void OnOk() override;

  private:
    void CommitPeriod(int id);

    TwoToneGeneral record_;
    bool committed_[2] = {false, false};
};

}  // namespace kp07
