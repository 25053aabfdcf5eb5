// Editing in the channel view: keys and clicks on the grid, the in-place
// editor, the choice lists, copy and paste, and the group controls.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>

#include "blocks/channel_table.h"
#include "blocks/image_ops.h"
#include "channels/channel_columns.h"
#include "channels/channel_editing.h"
#include "channels/channel_paste.h"
#include "channels/channel_view.h"
#include "channels/group_editing.h"
#include "widgets/cell_edit.h"
#include "widgets/choice_list_dialog.h"
#include "widgets/flex_grid.h"
#include "widgets/input_filters.h"

namespace kp07 {
namespace {

bool IsToneColumn(int col) {
    return col == kColDecoder || col == kColEncoder;
}

bool IsTypedColumn(int col) {
    return col >= kColTag && col <= kColEncoder;
}

std::string Latin1(const QString& text) {
    return text.toLatin1().toStdString();
}

}  // namespace

// The owner's first look at the grid's keys and double clicks. Returning
// true keeps the event from the grid (and from its typed-character report).
bool CKP05View::GridEvent(QEvent* event) {
    if (!channels) return false;
    const int col = grid_->col();
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int slot = CurrentSlot();
        if (slot < 0) return false;
        switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                EnterOnCell(slot, col);
                return IsToneColumn(col);
            case Qt::Key_Space:
                if (key->modifiers() & Qt::ControlModifier) return false;
                ActOnCell(slot, col);
                return col == kColTx || IsToneColumn(col) || col == kColSquelch ||
                       col == kColSignalingNumber;
            case Qt::Key_F3:
                if (IsToneColumn(col) && CycleDcsPolarity(*channels, slot, col))
                    RepaintAfterEdit(slot, col);
                return false;
            default:
                return false;
        }
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        // A double click on the headings does nothing.
        if (!IsDataRow(grid_->mouseRow())) return true;
        const int slot = CurrentSlot();
        if (slot < 0) return true;
        if (col == kColTag || col == kColRx || col == kColTx || IsToneColumn(col)) {
            EnterOnCell(slot, col);
        } else {
            ActOnCell(slot, col);
        }
        return true;
    }
    return false;
}

// Enter (or a double click) on a cell: the text columns open the editor with
// the cell's value, the tone columns their list.
void CKP05View::EnterOnCell(int slot, int col) {
    if (IsToneColumn(col)) {
        SaveToneTypes(*channels, slot);
        ChooseCellValue(slot, col);
        return;
    }
    if (col != kColTag && col != kColRx && col != kColTx) return;
    std::string value;
    if (!CellText(*channels, slot, col, CurrentRadioHasAlphaTags(), &value)) return;
    // A channel without transmit frequency edits the one it keeps hidden.
    const bool hiddenTx = col == kColTx && channels->records[std::size_t(slot)].txOff;
    StartEditor(hiddenTx ? QString::fromStdString(value) : grid_->textMatrix(grid_->row(), col),
                true);
}

// Space or a double click on a column that has no editor.
void CKP05View::ActOnCell(int slot, int col) {
    if (OpensChoiceList(col)) {
        RunChoice(slot, col);
        return;
    }
    switch (ToggleCell(*channels, slot, col, Context())) {
        case EditResult::kBeep:
            QApplication::beep();
            break;
        case EditResult::kChanged:
            RepaintAfterEdit(slot, col);
            break;
        case EditResult::kNothing:
            break;
    }
}

namespace {
// Whether a prepared list is to be shown; a refused one beeps.
bool ListMayOpen(ListStart start) {
    if (start == ListStart::kBeep) QApplication::beep();
    return start == ListStart::kShow;
}
}  // namespace

void CKP05View::RunChoice(int slot, int col) {
    ChoiceList list;
    if (!ListMayOpen(PrepareChoice(*channels, slot, col, Context(), &list))) return;
    CChoiceListDlg dialog(list.title, list.entries, list.selected, this);
    if (dialog.exec() != QDialog::Accepted) return;
    ApplyChoice(*channels, slot, col, list, dialog.selectedIndex());
    RepaintAfterEdit(slot, col);
}

// The CTCSS or DCS list of a tone column. Cancel puts back the tone types
// saved when the edit began.
void CKP05View::ChooseCellValue(int slot, int col) {
    ToneList list;
    if (!ListMayOpen(PrepareToneList(*channels, slot, col, &list))) return;
    CToneListDlg dialog(list.title, list.entries, list.selected, list.columnWidth, this);
    dialog.exec();
    if (dialog.accepted() && dialog.selectedIndex() >= 0) {
        ApplyToneChoice(*channels, slot, col, dialog.selectedIndex());
    } else {
        RestoreToneTypes(*channels, slot);
    }
    RepaintAfterEdit(slot, col);
}

void CKP05View::RepaintAfterEdit(int slot, int col) {
    if (col == kColPri) {
        PaintPriColumn();
        return;
    }
    const int row = GridRowOfSlot(slot);
    if (row >= 0) PaintColumn(slot, row, col);
}

// A character typed on the grid starts the editor with it: tags take the
// alpha-tag characters, frequencies digits, "." and blank, tones only C or D.
void CKP05View::OnKeyPressed(int character, Qt::KeyboardModifiers modifiers) {
    if (!channels || (modifiers & Qt::ControlModifier)) return;
    if (character < 0x20 || character == 0x7f) return;  // Backspace, Enter, Escape ...
    const int slot = CurrentSlot();
    const int col = grid_->col();
    if (slot < 0 || !IsTypedColumn(col)) return;
    if (IsToneColumn(col)) {
        const std::string start = StartToneTyping(*channels, slot, col, character);
        if (!start.empty()) StartEditor(QString::fromStdString(start), false);
        return;
    }
    if (!CellText(*channels, slot, col, CurrentRadioHasAlphaTags(), nullptr)) return;
    const bool fits = col == kColTag ? IsTagChar(character, 0) != 0 : IsFreqChar(character) != 0;
    if (fits) StartEditor(QString(QChar(character)), false);
}

void CKP05View::StartEditor(const QString& text, bool selectAll) {
    const int row = grid_->row();
    const int col = grid_->col();
    const int slot = CurrentSlot();
    if (slot < 0) return;
    const ChannelRecord& r = channels->records[std::size_t(slot)];
    if (col == kColTag) {
        editor_->SetMode(kCellTag);
        editor_->SetLimit(8);
    } else if (col == kColRx || col == kColTx) {
        editor_->SetMode(kCellFreq);
        editor_->SetLimit(9);
    } else {
        const int type = col == kColDecoder ? r.rxToneType : r.txToneType;
        editor_->SetMode(kCellToneValue);
        editor_->SetLimit(type == 1 ? 7 : 5);
    }
    grid_->ShowCell(row, col);
    // One pixel outside the cell on every side.
    const QPoint at = grid_->pos();
    editor_->setGeometry(grid_->cellLeft(row, col) / kTwipsPerPixel + at.x() - 1,
                         grid_->cellTop(row, col) / kTwipsPerPixel + at.y() - 1,
                         grid_->cellWidth(row, col) / kTwipsPerPixel + 2,
                         grid_->cellHeight(row, col) / kTwipsPerPixel + 2);
    editor_->SetCellText(text);
    editSlot_ = slot;
    editCol_ = col;
    editing_ = true;
    escaped_ = false;
    editor_->show();
    editor_->raise();
    editor_->setFocus(Qt::OtherFocusReason);
    if (selectAll) {
        editor_->selectAll();
    } else {
        editor_->end(false);
    }
}

// The editor lost the focus (Enter, Escape, a click elsewhere, a scroll):
// its text goes into the table.
void CKP05View::CommitEdit() {
    if (!editing_) return;
    editing_ = false;
    const int slot = editSlot_;
    const int col = editCol_;
    const std::string text = Latin1(editor_->text());
    editor_->hide();
    if (!channels) return;
    if (escaped_) {
        // Escape abandons the edit; a tone edit puts back the types that
        // typing "C" or "D" changed.
        if (IsToneColumn(col)) RestoreToneTypes(*channels, slot);
    } else {
        SetCellFromText(*channels, slot, col, text);
        if (IsToneColumn(col) && IsBareTonePrefix(text)) RestoreToneTypes(*channels, slot);
    }
    RepaintAfterEdit(slot, col);
}

void CKP05View::EditorEnter() {
    const std::string text = Latin1(editor_->text());
    const int slot = editSlot_;
    const int col = editCol_;
    grid_->setFocus();
    CommitEdit();  // in case the focus change did not reach the editor
    // "C-" or "D-" with nothing after it asks for the list of that type.
    if (IsToneColumn(col) && ToneTextOpensList(text)) {
        SetToneTypeFromText(*channels, slot, col, text);
        ChooseCellValue(slot, col);
    }
}

// Escape leaves the channel as it was: committing even the unchanged
// receive frequency would move the transmit frequency to the automatic
// offset and lose a split typed by hand.
void CKP05View::EditorEscape() {
    escaped_ = true;
    grid_->setFocus();
    CommitEdit();
}

// ------------------------------------------------------- copy and paste

// Copy and Paste act on the text field that has the focus (the cell editor,
// the group tag, the group selector) and on the grid's current cell
// otherwise.
void CKP05View::Copy() {
    QClipboard* clip = QGuiApplication::clipboard();
    if (!clip || !channels) return;
    const QWidget* focus = focusWidget();
    if (editing_) {
        editor_->copy();
        return;
    }
    if (focus == tagEdit_) {
        tagEdit_->copy();
        return;
    }
    if (focus == selector_) {
        clip->setText(selector_->currentText());
        return;
    }
    const int slot = CurrentSlot();
    if (slot < 0) return;
    // Channel texts are Latin-1, as the radio's characters are.
    const std::string text = CopyTextOfCell(*channels, slot, grid_->col(),
                                            CurrentRadioHasAlphaTags(), Latin1(grid_->clip()));
    clip->setText(QString::fromLatin1(text.data(), int(text.size())));
}

void CKP05View::Paste() {
    QClipboard* clip = QGuiApplication::clipboard();
    const QString text = clip ? clip->text() : QString();
    if (!channels) return;
    const QWidget* focus = focusWidget();
    if (editing_) {
        editor_->InsertFiltered(text);
        return;
    }
    if (focus == tagEdit_) {
        // As if typed: filtered, then committed like every change of the tag.
        const QString before = tagEdit_->text();
        tagEdit_->InsertFiltered(text);
        if (tagEdit_->text() != before) CommitGroupTagEdit();
        return;
    }
    if (focus == selector_) {
        // The selector holds no text to paste into.
        QApplication::beep();
        return;
    }
    const int slot = CurrentSlot();
    if (slot < 0) return;
    const int col = grid_->col();
    // Characters beyond Latin-1 can never be radio text.
    for (const QChar c : text) {
        if (c.unicode() > 0xFF) {
            QApplication::beep();
            return;
        }
    }
    const PasteOutcome out = PasteCell(*channels, slot, col, Latin1(text), Context(), visibleItems);
    switch (out.result) {
        case PasteOutcome::kRejected:
            QApplication::beep();
            return;
        case PasteOutcome::kDeclined:
            return;
        case PasteOutcome::kAccepted:
            break;
    }
    if (col == kColChannel) {
        PaintRow(slot, GridRowOfSlot(slot));
        const int sourceRow = GridRowOfSlot(out.copiedFrom);
        if (sourceRow >= 0) PaintRow(out.copiedFrom, sourceRow);
        PaintPriColumn();
        return;
    }
    RepaintAfterEdit(slot, col);
}

// ------------------------------------------------------------ groups

void CKP05View::CommitGroupTagEdit() {
    if (!channels || tagEdit_->isReadOnly()) return;
    CommitGroupTag(*channels, Latin1(tagEdit_->text()));
    cbTagTimer_.start();
}

void CKP05View::GroupSelected(int index) {
    if (refreshing_ || !channels || index < 0) return;
    CommitGroupTagEdit();
    const int group = GroupFromSelectorName(Latin1(selector_->itemText(index)));
    channels->SelectGroup(group);
    RefreshView();
}

// Timer 2: the CB tag check; a change rebuilds the view through timer 1.
void CKP05View::CbTagCheck() {
    if (channels && CheckCbTag(*channels)) refreshTimer_.start();
}

}  // namespace kp07
