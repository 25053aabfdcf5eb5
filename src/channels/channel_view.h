// The main window's form: the radio facts, the group selector and group tag,
// and the channel grid that shows one group of the channel table at a time
// and edits it in place.
#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "channels/channel_cells.h"
#include "channels/view_api.h"

class QComboBox;
class QFrame;
class QLabel;

namespace kp07 {

class CCellEdit;
class ChannelTable;
class FlexGrid;

class CKP05View : public QWidget, public ChannelViewApi {
    Q_OBJECT
  public:
    static constexpr int kRefreshDelayMs = 500;  // timer 1
    static constexpr int kCbTagDelayMs = 1500;   // timer 2
    static constexpr int kFactCount = 6;

    explicit CKP05View(QWidget* parent = nullptr);
    ~CKP05View() override;

    // ChannelViewApi
    void RefreshView() override;
    void ShowRadioFacts() override;
    int HelpContext() const override;
    bool CanCopy() const override { return true; }
    bool CanPaste() const override { return true; }
    void Copy() override;
    void FinishEditing() override;
    void Paste() override;

    // Writes every cell of the channel in `slot` into grid row `gridRow`.
    void PaintRow(int slot, int gridRow);
    // Writes the cells that depend on column `col` after it was edited.
    void PaintColumn(int slot, int gridRow, int col);
    // Widths of all columns, or of the columns of one item, from visibleItems.
    void ApplyColumnWidths();
    void ApplyItemWidths(int item);

    // What the header shows about the program's side: the COM port and
    // its speed, and the printer. The program supplies them.
    struct HostFacts {
        int comPort = 1;
        int comSpeed = 0;
        std::string printer;
    };
    void SetHostFacts(std::function<HostFacts()> source) { hostFacts_ = std::move(source); }
    // F5 in production mode and Shift+F9 in factory mode; nothing happens
    // while they are not set.
    void SetProductionDownload(std::function<void()> run) { productionDownload_ = std::move(run); }
    void SetFileDataViewer(std::function<void()> open) { fileDataViewer_ = std::move(open); }

    FlexGrid* grid() const { return grid_; }
    CCellEdit* cellEditor() const { return editor_; }
    QComboBox* groupSelector() const { return selector_; }
    CCellEdit* groupTagEdit() const { return tagEdit_; }
    bool editing() const { return editing_; }
    QString factText(int index) const;
    // The grid row of a slot of the current group, -1 when not shown.
    int GridRowOfSlot(int slot) const;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // channel_view.cpp: building and painting
    void LayOut();
    void ShowIdleStatus();
    void PaintCell(int slot, int gridRow, int col);
    void PaintPriColumn();
    void RemoveAlignmentEntry();
    void ShowContextMenu(const QPoint& globalPos);
    EditContext Context() const;
    int CurrentSlot() const;
    bool IsDataRow(int row) const;
    void OnRowColChanged();

    // channel_editing_view.cpp: editing
    bool GridEvent(QEvent* event);
    void OnKeyPressed(int character, Qt::KeyboardModifiers modifiers);
    void EnterOnCell(int slot, int col);
    void ActOnCell(int slot, int col);
    void RunChoice(int slot, int col);
    void ChooseCellValue(int slot, int col);
    void StartEditor(const QString& text, bool selectAll);
    void CommitEdit();
    void EditorEnter();
    void EditorEscape();
    void RepaintAfterEdit(int slot, int col);
    void CommitGroupTagEdit();
    void GroupSelected(int index);
    void CbTagCheck();

    FlexGrid* grid_;
    CCellEdit* editor_;
    QComboBox* selector_;
    CCellEdit* tagEdit_;
    QFrame* factsFrame_;
    QFrame* groupFrame_;
    QLabel* groupLabel_;
    QLabel* tagLabel_;
    std::array<QLabel*, kFactCount> factLabels_{};
    std::array<QLabel*, kFactCount> factValues_{};
    QPixmap checkMark_;
    QPixmap greyCheckMark_;
    QTimer refreshTimer_;
    QTimer cbTagTimer_;
    std::function<HostFacts()> hostFacts_;
    std::function<void()> productionDownload_;
    std::function<void()> fileDataViewer_;
    bool refreshing_ = false;
    bool shownOnce_ = false;
    bool editing_ = false;
    bool escaped_ = false;
    int editSlot_ = -1;
    int editCol_ = -1;
};

}  // namespace kp07
