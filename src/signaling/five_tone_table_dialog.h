// The common part of the three 5-tone table grids (systems, decode, encode):
// every cell follows its rule (five_tone_cells.h). Space or a double click
// toggles a flag, steps a short list or opens the chooser of a long one; a
// number or tag cell is typed in the floating editor; a paste goes through
// the same rules and is refused (with a beep) when the text fits no value.
#pragma once

#include <string>
#include <vector>

#include "params/grid_param_dialog.h"
#include "signaling/table_cells.h"
#include "signaling/table_grid.h"

namespace kp07 {

class CFiveToneTableDlg : public CGridParamDialog {
    Q_OBJECT
  public:
    // Tests answer the choosers themselves.
    void SetChooser(ListChooser chooser) { chooser_ = std::move(chooser); }

  protected:
    struct Heading {
        int widthTwips;
        const char* row0;
        const char* row1;
    };

    CFiveToneTableDlg(int templateId, int gridId, const QString& caption, QWidget* parent);

    // Builds the grid from the headings (one per column) and the rules of
    // entry 0, and lays the window out to show `visibleRows` rows.
    void BuildTable(const std::vector<Heading>& headings, int visibleRows);

    // The table's own parts.
    virtual CellRule Rule(int entry, int col) const = 0;
    virtual unsigned Value(int entry, int col) const = 0;
    virtual void SetValue(int entry, int col, unsigned value) = 0;
    // The typed cells (numbers and tags).
    virtual std::string Text(int /*entry*/, int /*col*/) const { return {}; }
    virtual void SetText(int /*entry*/, int /*col*/, const std::string& /*text*/) {}
    virtual std::string ChooserTitle(int col) const = 0;

    QString CellText(int entry, int col) const override;
    bool CellFlag(int entry, int col) const override;
    bool CellShown(int entry, int col) const override;
    bool ActOnCell(int entry, int col) override;
    bool SetCellText(int entry, int col, const QString& text) override;
    bool PasteCell(int entry, int col, const QString& text) override;

  private:
    ListChooser chooser_;
};

}  // namespace kp07
