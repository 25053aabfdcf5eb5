// "Paging Code": the ten three-digit DTMF page codes the radio answers, each
// with its decode setting. Without the QSC-61 paging unit every control is
// disabled. A code is taken on OK when its field was committed; from then on
// the page counts as entered, even with an empty code.
#pragma once

#include "blocks/paging_params.h"
#include "signaling/signaling_dialog.h"

namespace kp07 {

class CPagingCodeDlg : public CSignalingDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 206;
    static constexpr int kFirstDecodeId = 4600;  // + page 0..9
    static constexpr int kFirstCodeId = 4620;    // + page 0..9

    CPagingCodeDlg(RadioImage& image, QWidget* parent = nullptr);

    const PagingParams& record() const { return record_; }

  protected:
    void OnOk() override;

  private:
    void CodeEdited(int page);

    PagingParams record_;
    unsigned optionBoard_ = 0;
};

}  // namespace kp07
