// "Power ON Password": whether the radio asks for a password when it is
// switched on, and the four A to D keys of that password.
#pragma once

#include "blocks/common_params.h"
#include "params/param_dialog.h"

namespace kp07 {

class CEnterComboBox;

class CPowerOnPasswordDlg : public CParamDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 201;
    static constexpr int kPasswordId = 4515;
    static constexpr int kPasswordNumberId = 4512;

    explicit CPowerOnPasswordDlg(RadioImage& image, QWidget* parent = nullptr);

    CEnterComboBox* passwordList() const { return enabled_; }
    CFilterEdit* passwordNumber() const { return number_; }

  protected:
    void OnOk() override;

  private:
    void CommitPasswordNumber();

    RadioImage& image_;
    CommonParams params_;
    CEnterComboBox* enabled_;
    CFilterEdit* number_;
};

}  // namespace kp07
