// "Power Saving Parameters": transmit time-out, receive saving, microphone
// gain, low-battery beep and the text the display shows at power-on.
#pragma once

#include "blocks/common_params.h"
#include "params/param_dialog.h"

namespace kp07 {

class CEnterComboBox;

class CPowerSavingDlg : public CParamDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 159;
    static constexpr int kPowerOnTagId = 2150;
    static constexpr int kTransmitTimerId = 2153;
    static constexpr int kPenaltyTimerId = 2154;
    static constexpr int kReleaseTimerId = 2155;
    static constexpr int kRxSaveModeId = 2156;
    static constexpr int kMicGainId = 2157;
    static constexpr int kLowBatteryAlertId = 2158;

    explicit CPowerSavingDlg(RadioImage& image, QWidget* parent = nullptr);

    CEnterComboBox* list(int id) const;
    CFilterEdit* tagEdit() const { return tag_; }

    void CommitTag();

  protected:
    void OnOk() override;

  private:
    RadioImage& image_;
    CommonParams params_;
    CFilterEdit* tag_ = nullptr;
};

}  // namespace kp07
