// "Marketing Parameters": the production number (market application code)
// and, in factory mode, the serial number. Both fields write straight into
// the process-wide identity record; a factory-mode Download then keeps the
// edited identity instead of taking the radio's.
#pragma once

#include "image/radio_image.h"
#include "params/param_dialog.h"

namespace kp07 {

class CMarketingDlg : public CParamDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 163;
    static constexpr int kMarketApplicationId = 2400;
    static constexpr int kSerialNumberId = 2401;

    explicit CMarketingDlg(RadioImage& image, QWidget* parent = nullptr);

    CFilterEdit* marketApplication() const { return market_; }
    CFilterEdit* serialNumber() const { return serial_; }

  protected:
    void OnOk() override;
    void reject() override;

  private:
    void CommitMarketApplication();
    void CommitSerialNumber();
    void ShowValues();

    RadioImage& image_;
    int openedIdentityEdited_;
    CFilterEdit* market_;
    CFilterEdit* serial_;
};

}  // namespace kp07
