// "5-Tone Encode": the 32 numbers the radio can call, with their tags and
// sending options, in a grid.
#pragma once

#include "blocks/five_tone_encode.h"
#include "signaling/five_tone_table_dialog.h"

namespace kp07 {

class CFiveToneEncodeDlg : public CFiveToneTableDlg {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 196;
    static constexpr int kGridId = 4441;
    static constexpr int kEditId = 4422;

    CFiveToneEncodeDlg(RadioImage& image, QWidget* parent = nullptr);

    const FiveToneEncode& record() const { return record_; }

  protected:
    int EntryCount() const override { return kFiveToneEncodeCount; }
    CellRule Rule(int entry, int col) const override;
    unsigned Value(int entry, int col) const override;
    void SetValue(int entry, int col, unsigned value) override;
    std::string Text(int entry, int col) const override;
    void SetText(int entry, int col, const std::string& text) override;
    std::string ChooserTitle(int) const override { return {}; }
    void StoreTable() override;

  private:
    RadioImage& image_;
    FiveToneEncode record_;
};

}  // namespace kp07
