// "5-Tone Decode": the eight decode entries and the group entry in a grid.
// The number and the tag are typed; the group entry has no number,
// transpond code or auto TX, and its tag is fixed. An entry that decodes an
// ID shows the caller's ID in place of its tag, so its tag is not typed.
#pragma once

#include "blocks/five_tone_decode.h"
#include "signaling/five_tone_table_dialog.h"

namespace kp07 {

class CFiveToneDecodeDlg : public CFiveToneTableDlg {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 195;
    static constexpr int kGridId = 4342;

    CFiveToneDecodeDlg(RadioImage& image, QWidget* parent = nullptr);

    const FiveToneDecode& record() const { return record_; }

  protected:
    int EntryCount() const override { return kGroupDecodeEntry + 1; }
    CellRule Rule(int entry, int col) const override;
    unsigned Value(int entry, int col) const override;
    void SetValue(int entry, int col, unsigned value) override;
    std::string Text(int entry, int col) const override;
    void SetText(int entry, int col, const std::string& text) override;
    bool CellEditable(int entry, int col) const override;
    std::string ChooserTitle(int col) const override;
    void StoreTable() override;

  private:
    RadioImage& image_;
    FiveToneDecode record_;
};

}  // namespace kp07
