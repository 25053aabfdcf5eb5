// "Miscellaneous Parameters": the default split (the automatic transmit
// offset of the channel editor, kept with the data file but not in the
// radio), the power-on condition and the radio's beeps, lights, clone,
// external jack and key timing.
#pragma once

#include <array>

#include "blocks/common_params.h"
#include "params/param_dialog.h"

namespace kp07 {

class CEnterComboBox;

class CMiscDlg : public CParamDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 164;
    static constexpr int kDefaultSplitId = 2520;
    // The lists: 2500 Power on Condition .. 2509 Qlnk Beep.
    static constexpr int kFirstListId = 2500;
    static constexpr int kPowerOnConditionId = 2500;
    static constexpr int kBeepId = 2501;
    static constexpr int kSquelchTailId = 2502;
    static constexpr int kBellId = 2503;
    static constexpr int kLedLightingId = 2504;
    static constexpr int kLcdLightingModeId = 2505;
    static constexpr int kSetToSetCloneId = 2506;
    static constexpr int kExternalJackId = 2507;
    static constexpr int kKeyHoldingTimeId = 2508;
    static constexpr int kQlnkBeepId = 2509;
    static constexpr int kListCount = 10;

    explicit CMiscDlg(QWidget* parent = nullptr);

    CFilterEdit* defaultSplit() const { return split_; }
    CEnterComboBox* list(int id) const;
    QPushButton* cancelButton() const { return cancel_; }

  protected:
    void OnOk() override;
    void reject() override;

  private:
    void ListChanged(int id, int item);
    void ShowSquelchTail();
    void CommitDefaultSplit();
    unsigned* FieldOf(int id);

    CommonParams common_;
    double openedSplitMHz_;
    CFilterEdit* split_;
    std::array<CEnterComboBox*, kListCount> lists_{};
    QPushButton* cancel_;
    bool showing_ = false;
};

}  // namespace kp07
