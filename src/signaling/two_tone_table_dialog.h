// "2-Tone Table Parameters": the ten tone pairs of the 2-tone decoder. A
// frequency is typed (held to 288.5..3000.0 Hz when the field is left) or
// picked from the published tone plans: Enter or a double click on a field
// opens the tone chooser.
#pragma once

#include <functional>

#include "blocks/dtmf_params.h"
#include "signaling/signaling_dialog.h"

namespace kp07 {

class CTwoToneTableDlg : public CSignalingDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 148;
    // Pair p: group list 3501 + 3p (hidden), first tone 3502 + 3p, second
    // tone 3503 + 3p.
    static constexpr int kFirstGroupId = 3501;
    static constexpr int kFirstToneId = 3502;
    static constexpr int kIdsPerPair = 3;

    CTwoToneTableDlg(RadioImage& image, QWidget* parent = nullptr);

    const DtmfParams& record() const { return record_; }
    static int ToneId(int pair, bool second) {
        return kFirstToneId + kIdsPerPair * pair + (second ? 1 : 0);
    }

    // Runs the tone chooser: the labels, the line to select (-1 none); returns
    // the chosen line or -1. Tests replace the chooser window.
    using ToneChooser = std::function<int(const std::vector<std::string>& labels, int selected)>;
    void SetToneChooser(ToneChooser chooser) { chooser_ = std::move(chooser); }

  protected:
    void OnOk() override;

  private:
    unsigned& Tone(int pair, bool second);
    void CommitTone(int pair, bool second);
    void ChooseTone(int pair, bool second);
    void ShowPair(int pair);

    DtmfParams record_;
    ToneChooser chooser_;
};

}  // namespace kp07
