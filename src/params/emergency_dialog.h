// "Emergency": where and how long the radio calls in an emergency, and the
// lone worker timer.
#pragma once

#include "blocks/emergency_params.h"
#include "params/param_dialog.h"

namespace kp07 {

class CEnterComboBox;

class CEmergencyDlg : public CParamDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 162;
    static constexpr int kChannelId = 2300;
    static constexpr int kRxTimeId = 2301;
    static constexpr int kTxTimeId = 2302;
    static constexpr int kSilentModeId = 2303;
    static constexpr int kKeyDurationId = 2304;
    static constexpr int kLoneWorkerTimerId = 2305;

    explicit CEmergencyDlg(RadioImage& image, QWidget* parent = nullptr);

    CEnterComboBox* list(int id) const;

  protected:
    void OnOk() override;

  private:
    RadioImage& image_;
    EmergencyParams params_;
};

}  // namespace kp07
