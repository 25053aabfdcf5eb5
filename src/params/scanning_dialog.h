// "Scanning Parameters": how the radio scans, resumes and checks its
// priority channel.
#pragma once

#include "blocks/scan_params.h"
#include "params/param_dialog.h"

namespace kp07 {

class CEnterComboBox;

class CScanningDlg : public CParamDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 158;
    static constexpr int kResumeTime1Id = 2101;
    static constexpr int kResumeTime2Id = 2102;
    static constexpr int kPriorityCheckId = 2103;
    static constexpr int kPriorityTimerId = 2104;
    static constexpr int kTalkBackId = 2105;
    static constexpr int kRevertChannelId = 2106;
    static constexpr int kScanSpeedId = 2107;
    static constexpr int kGroupScanId = 2108;

    explicit CScanningDlg(RadioImage& image, QWidget* parent = nullptr);

    CEnterComboBox* list(int id) const;

  protected:
    void OnOk() override;

  private:
    // Priority Check shows whether P is not 0; the timer list is enabled
    // only then and shows item P - 1.
    void ShowPriorityCheck();

    RadioImage& image_;
    ScanParams params_;
    CEnterComboBox* priorityCheck_ = nullptr;
    CEnterComboBox* priorityTimer_ = nullptr;
};

}  // namespace kp07
