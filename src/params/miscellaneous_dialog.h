// "Miscellaneous Parameters": the default split (the automatic transmit
// offset of the channel editor, kept with the data file but not in the
// radio), the power-on condition and the radio's beeps, lights, clone,
// external jack and key timing.
#pragma once

#include "blocks/common_params.h"
#include "params/param_dialog.h"

namespace kp07 {

class CEnterComboBox;

class CMiscDlg : public CParamDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 164;
    static constexpr int kDefaultSplitId = 2520;
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

    explicit CMiscDlg(RadioImage& image, QWidget* parent = nullptr);

    CFilterEdit* defaultSplit() const { return split_; }
    CEnterComboBox* list(int id) const;

  protected:
    void OnOk() override;
    void reject() override;

  private:
    void SquelchTailChosen(unsigned item);
    void CommitDefaultSplit();

    RadioImage& image_;
    CommonParams params_;
    double openedSplitMHz_;
    // The values the squelch tail list offers now.
    ChoiceValues squelchTailValues_;
    CFilterEdit* split_;
    CEnterComboBox* squelchTail_ = nullptr;
};

}  // namespace kp07
