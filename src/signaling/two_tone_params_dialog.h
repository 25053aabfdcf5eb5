// "2-Tone Parameters": the common settings of the 2-tone decoder. The lists
// are taken on OK; Beep Repeat is clamped to 0..255 s when committed and
// taken on OK once it was committed. Enter in it never closes the dialog.
#pragma once

#include "blocks/dtmf_params.h"
#include "signaling/signaling_dialog.h"

namespace kp07 {

class CTwoToneParamsDlg : public CSignalingDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 134;
    static constexpr int kFirstListId = 3401;  // the nine lists, 3401..3409
    static constexpr int kBeepRepeatId = 3410;

    CTwoToneParamsDlg(RadioImage& image, QWidget* parent = nullptr);

    const DtmfParams& record() const { return record_; }

  protected:
    void OnOk() override;

  private:
    void CommitBeepRepeat();
    unsigned* ListField(int id);

    DtmfParams record_;
    bool beepRepeatCommitted_ = false;
};

}  // namespace kp07
