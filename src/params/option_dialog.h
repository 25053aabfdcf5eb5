// "Option": which option unit is fitted and, for the voice recorder unit,
// how it records and plays. Channels and groups that rely on a unit that is
// no longer fitted lose that reliance when OK is pressed.
#pragma once

#include "blocks/common_params.h"
#include "params/param_dialog.h"

namespace kp07 {

class CEnterComboBox;

class COptionDlg : public CParamDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 200;
    static constexpr int kOptionBoardId = 4527;
    static constexpr int kKeypadId = 4528;  // a list the form carries, never filled
    static constexpr int kRecordModeId = 4529;
    static constexpr int kPlayModeId = 4530;
    static constexpr int kPowerOnRecordId = 4531;

    explicit COptionDlg(RadioImage& image, QWidget* parent = nullptr);

    CEnterComboBox* list(int id) const;

  protected:
    void OnOk() override;
    void reject() override;

  private:
    void BoardChosen(unsigned item);
    void EnableRecorderLists();

    RadioImage& image_;
    CommonParams params_;
    bool channelsChanged_ = false;
};

}  // namespace kp07
