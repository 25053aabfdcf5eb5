// "5-Tone Systems": the 32 systems in a grid, with copy and paste of single
// cells. In factory mode Shift+F9 opens the file data viewer.
#pragma once

#include <functional>

#include "blocks/five_tone_systems.h"
#include "signaling/five_tone_table_dialog.h"

namespace kp07 {

class CFiveToneSystemsDlg : public CFiveToneTableDlg {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 192;
    static constexpr int kGridId = 4202;

    CFiveToneSystemsDlg(RadioImage& image, QWidget* parent = nullptr);

    const FiveToneSystems& record() const { return record_; }

    // Opens the file data viewer over `parent`; the program sets it once the
    // viewer exists. Without it Shift+F9 does nothing.
    static void SetFileDataViewerHook(std::function<void(QWidget* parent)> hook);

  protected:
    int EntryCount() const override { return kFiveToneSystemCount; }
    CellRule Rule(int entry, int col) const override;
    unsigned Value(int entry, int col) const override;
    void SetValue(int entry, int col, unsigned value) override;
    std::string ChooserTitle(int col) const override;
    void StoreTable() override;

  private:
    void OpenFileDataViewer();

    RadioImage& image_;
    FiveToneSystems record_;
};

}  // namespace kp07
