// "2-Tone Systems": the sixteen 2-tone decode systems in a grid. Space or a
// double click on Primary opens the pair chooser; on Secondary and Auto
// Reset it toggles. OK (with the focus on it) stores the sixteen entries.
#pragma once

#include "blocks/dtmf_params.h"
#include "blocks/two_tone_systems.h"
#include "params/grid_param_dialog.h"
#include "signaling/table_grid.h"

namespace kp07 {

class CTwoToneSystemsDlg : public CGridParamDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 198;
    static constexpr int kGridId = 4502;

    CTwoToneSystemsDlg(RadioImage& image, QWidget* parent = nullptr);

    const TwoToneSystems& record() const { return record_; }

    // Tests answer the pair chooser themselves.
    void SetChooser(ListChooser chooser) { chooser_ = std::move(chooser); }

  protected:
    int EntryCount() const override { return kTwoToneSystemCount; }
    QString CellText(int entry, int col) const override;
    bool CellFlag(int entry, int col) const override;
    bool ActOnCell(int entry, int col) override;
    void StoreTable() override;

  private:
    RadioImage& image_;
    TwoToneSystems record_;
    DtmfParams pairs_;  // the pair table, for the chooser
    ListChooser chooser_;
};

}  // namespace kp07
