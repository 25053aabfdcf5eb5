// "Signaling Type": whether the radio calls selectively with 2-tone or
// 5-tone sequences. A change starts the new family afresh.
#pragma once

#include "image/radio_image.h"
#include "params/param_dialog.h"

namespace kp07 {

class CEnterComboBox;

class CSignalingTypeDlg : public CParamDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 131;
    static constexpr int kSignalingId = 2050;

    explicit CSignalingTypeDlg(RadioImage& image, QWidget* parent = nullptr);

    // Whether OK switched the signaling family (the main window then
    // rebuilds its view and menus).
    bool signalingChanged() const { return signalingChanged_; }
    CEnterComboBox* signalingList() const { return list_; }

  protected:
    void OnOk() override;

  private:
    RadioImage& image_;
    unsigned chosen_;
    CEnterComboBox* list_;
    bool signalingChanged_ = false;
};

}  // namespace kp07
