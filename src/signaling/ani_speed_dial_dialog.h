// "ANI/Speed Dial Parameters": the DTMF timings, the pause code, the ten
// speed-dial codes and the ANI and emergency codes. Enter in a code field
// never closes the dialog; a code is taken on OK, and only when it was
// committed (Enter, a double click or leaving the field after typing).
#pragma once

#include <array>

#include "blocks/dtmf_params.h"
#include "signaling/signaling_dialog.h"

namespace kp07 {

class CAniSpeedDialDlg : public CSignalingDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 149;
    static constexpr int kAniTransmitId = 3001;
    static constexpr int kDelayId = 3002;
    static constexpr int kSpeedId = 3003;
    static constexpr int kPauseTimeId = 3004;
    static constexpr int kFirstSpeedDialId = 3005;  // + code 0..9
    static constexpr int kAniCodeId = 3015;
    static constexpr int kEmergencyCodeId = 3016;
    static constexpr int kPauseCodeId = 3017;

    CAniSpeedDialDlg(RadioImage& image, QWidget* parent = nullptr);

    const DtmfParams& record() const { return record_; }

  protected:
    void OnOk() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct CodeField {
        int id;
        std::string* code;
        std::size_t maxDigits;
    };
    DtmfParams record_;
    std::vector<CodeField> codeFields_;
};

}  // namespace kp07
