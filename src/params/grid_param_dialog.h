// The dialogs that show a table of the radio in a grid (the 2-tone and
// 5-tone tables). This base lays the grid out, draws the entries, and runs
// the keyboard, the mouse, the floating cell editor and the clipboard; a
// dialog only states its columns and what each column does.
//
// Entry i of the table is row i + 2 (two heading rows); column 0 shows the
// entry number. A boolean cell shows "-" when off and a check mark when on.
// Space or a double click acts on the current cell (toggles, steps or opens
// a chooser); typing a character that the column's filter accepts starts
// editing the cell in the floating editor, and leaving the editor commits.
#pragma once

#include <QString>
#include <vector>

#include "params/param_dialog.h"

class QPushButton;

namespace kp07 {

class CCellEdit;
class FlexGrid;

class CGridParamDialog : public CParamDialog {
    Q_OBJECT
  public:
    enum class ColumnKind {
        kNumber,   // the entry number (column 0)
        kBoolean,  // "-" or a check mark
        kList,     // a value chosen from a list or stepped
        kText,     // typed in the floating editor
    };
    struct GridColumn {
        int widthTwips = 480;
        QString heading0;
        QString heading1;
        ColumnKind kind = ColumnKind::kList;
        int editMode = -1;          // cell editor mode of a text column
        int editLength = 0;         // its length limit
        bool opensChooser = false;  // Space and double click stop here
    };

    static constexpr int kHeadingRows = 2;

    // The grid gets control id `gridId`, the floating editor `gridId` - 1.
    CGridParamDialog(int templateId, int gridId, QWidget* parent = nullptr);
    ~CGridParamDialog() override;

    FlexGrid* grid() const { return grid_; }
    CCellEdit* cellEdit() const { return edit_; }
    int gridId() const { return gridId_; }
    // The entry of the grid's current row.
    int currentEntry() const { return currentEntry_; }
    bool editing() const { return editing_; }

    // Turns on Ctrl+C / Ctrl+Insert and Ctrl+V / Shift+Insert.
    void SetClipboardEnabled(bool on) { clipboard_ = on; }
    // The Copy and Paste commands.
    void Copy();
    void Paste();

    // Draws one cell / one entry again from the record.
    void DrawCell(int entry, int col);
    void DrawEntry(int entry);
    // The text a cell shows or copies ("v" for a boolean that is on).
    QString DisplayText(int entry, int col) const;

  protected:
    // Sets the columns and lays the grid out with every entry drawn; called
    // by the dialog once its record is loaded.
    void BuildGrid(std::vector<GridColumn> columns);
    // Places the OK and Cancel buttons (OK acts only while it has the focus).
    void SetButtons(QPushButton* ok, QPushButton* cancel);

    virtual int EntryCount() const = 0;
    // The text of a number, list or text cell.
    virtual QString CellText(int entry, int col) const = 0;
    // The value of a boolean cell.
    virtual bool CellFlag(int /*entry*/, int /*col*/) const { return false; }
    // Whether an entry has the column at all; a cell it lacks stays blank.
    virtual bool CellShown(int /*entry*/, int /*col*/) const { return true; }
    // Space or double click on a cell; returns whether the record changed.
    virtual bool ActOnCell(int /*entry*/, int /*col*/) { return false; }
    // The floating editor's text for a cell; returns whether the record
    // changed.
    virtual bool SetCellText(int /*entry*/, int /*col*/, const QString& /*text*/) { return false; }
    // Whether a cell of a text column takes typing at all (some entries
    // keep a column fixed).
    virtual bool CellEditable(int /*entry*/, int /*col*/) const { return true; }
    // A pasted text for a cell; false refuses it (the user hears a beep).
    virtual bool PasteCell(int /*entry*/, int /*col*/, const QString& /*text*/) { return false; }
    // Stores the record into the image (OK).
    virtual void StoreTable() = 0;

    void OnOk() override;
    const std::vector<GridColumn>& columns() const { return columns_; }

  private:
    bool GridEvent(QEvent* event);
    void OnRowColChanged();
    void OnKeyPressed(int character, Qt::KeyboardModifiers modifiers);
    void StartEditing(int character);
    void CommitEdit();
    void MarkModified();
    bool IsDataRow(int row) const;
    const GridColumn* Column(int col) const;

    int gridId_;
    FlexGrid* grid_;
    CCellEdit* edit_;
    std::vector<GridColumn> columns_;
    QPixmap checkMark_;
    int currentEntry_ = 0;
    bool editing_ = false;
    int editEntry_ = -1;
    int editCol_ = -1;
    bool clipboard_ = false;
};

}  // namespace kp07
