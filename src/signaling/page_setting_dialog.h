// "Page Setting Parameters": how the radio answers and repeats DTMF pages.
// Each list takes its value at once; OK (with the focus on it) stores.
#pragma once

#include "blocks/paging_params.h"
#include "signaling/signaling_dialog.h"

namespace kp07 {

class CPageSettingDlg : public CSignalingDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 205;
    static constexpr int kSpeedId = 4580;
    static constexpr int kAnswerBackId = 4581;
    static constexpr int kCallTimesId = 4582;
    static constexpr int kAutoResetId = 4583;

    CPageSettingDlg(RadioImage& image, QWidget* parent = nullptr);

    const PagingParams& record() const { return record_; }

  protected:
    void OnOk() override;

  private:
    PagingParams record_;
};

}  // namespace kp07
