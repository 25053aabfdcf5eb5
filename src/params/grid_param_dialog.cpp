#include "params/grid_param_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

#include "image/radio_image.h"
#include "widgets/cell_edit.h"
#include "widgets/flex_grid.h"
#include "widgets/input_filters.h"

namespace kp07 {

CGridParamDialog::CGridParamDialog(int templateId, int gridId, QWidget* parent)
    : CParamDialog(templateId, parent), gridId_(gridId) {
    grid_ = new FlexGrid(body());
    edit_ = new CCellEdit(body());
    edit_->hide();
    RegisterControl(grid_, gridId_, false);
    RegisterControl(edit_, gridId_ - 1);
    checkMark_ = CheckMarkPixmap(palette().color(QPalette::Text));

    grid_->SetEventHook([this](QEvent* e) { return GridEvent(e); });
    connect(grid_, &FlexGrid::rowColChanged, this, &CGridParamDialog::OnRowColChanged);
    connect(grid_, &FlexGrid::keyPressed, this, &CGridParamDialog::OnKeyPressed);
    connect(grid_, &FlexGrid::scrolled, this, [this] {
        // Scrolling away from the cell being edited ends the edit.
        if (edit_->hasFocus()) grid_->setFocus();
    });
    connect(edit_, &CCellEdit::enterPressed, this, [this] { grid_->setFocus(); });
    connect(edit_, &CCellEdit::escapePressed, this, [this] {
        edit_->SetCellText(grid_->textMatrix(grid_->row(), grid_->col()));
        grid_->setFocus();
    });
    connect(edit_, &CCellEdit::focusLost, this, &CGridParamDialog::CommitEdit);
}

CGridParamDialog::~CGridParamDialog() = default;

void CGridParamDialog::SetButtons(QPushButton* ok, QPushButton* cancel) {
    SetOkButton(ok, true);
    if (cancel) connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CGridParamDialog::BuildGrid(std::vector<GridColumn> columns) {
    columns_ = std::move(columns);
    const int n = std::max(0, EntryCount());
    grid_->SetRedraw(false);
    grid_->SetCols(int(columns_.size()));
    grid_->SetRows(kHeadingRows + n);
    grid_->SetFixedRows(kHeadingRows);
    grid_->SetFixedCols(0);
    for (int c = 0; c < int(columns_.size()); ++c) {
        grid_->SetColWidth(c, columns_[std::size_t(c)].widthTwips);
        grid_->SetColAlignment(c, FlexGrid::kCenterTop);
    }
    grid_->SetMergeCells(true);
    grid_->SetMergeRow(0, true);
    grid_->SetMergeRow(1, true);
    grid_->SetGridLinesFixed(false);
    for (int c = 0; c < int(columns_.size()); ++c) {
        grid_->SetTextMatrix(0, c, columns_[std::size_t(c)].heading0);
        grid_->SetTextMatrix(1, c, columns_[std::size_t(c)].heading1);
    }
    currentEntry_ = 0;
    for (int i = 0; i < n; ++i) DrawEntry(i);
    if (n > 0) grid_->SetCurrentCell(kHeadingRows, 0);
    grid_->SetRedraw(true);
}

const CGridParamDialog::GridColumn* CGridParamDialog::Column(int col) const {
    return col >= 0 && col < int(columns_.size()) ? &columns_[std::size_t(col)] : nullptr;
}

bool CGridParamDialog::IsDataRow(int row) const {
    return row >= kHeadingRows && row < grid_->rows();
}

QString CGridParamDialog::DisplayText(int entry, int col) const {
    const GridColumn* column = Column(col);
    if (!column || entry < 0 || entry >= EntryCount() || !CellShown(entry, col)) return {};
    switch (column->kind) {
        case ColumnKind::kNumber:
            return QString::asprintf("%3d", entry + 1);
        case ColumnKind::kBoolean:
            return CellFlag(entry, col) ? QStringLiteral("v") : QStringLiteral("-");
        default:
            return CellText(entry, col);
    }
}

void CGridParamDialog::DrawCell(int entry, int col) {
    const GridColumn* column = Column(col);
    if (!column || entry < 0 || entry >= EntryCount()) return;
    const int row = entry + kHeadingRows;
    grid_->SetFocusRect(false);
    if (column->kind == ColumnKind::kBoolean && CellShown(entry, col) && CellFlag(entry, col)) {
        grid_->SetTextMatrix(row, col, QString());
        grid_->SetCellPicture(row, col, checkMark_, FlexGrid::kCenterCenter);
    } else {
        grid_->SetTextMatrix(row, col, DisplayText(entry, col));
        grid_->SetCellPicture(row, col, QPixmap());
    }
    grid_->SetFocusRect(true);
}

void CGridParamDialog::DrawEntry(int entry) {
    for (int c = 0; c < int(columns_.size()); ++c) DrawCell(entry, c);
}

void CGridParamDialog::OnRowColChanged() {
    bool ok = false;
    const int number = grid_->textMatrix(grid_->row(), 0).trimmed().toInt(&ok);
    if (ok && number >= 1 && number <= EntryCount()) currentEntry_ = number - 1;
}

void CGridParamDialog::MarkModified() {
    imageModified = 1;
}

bool CGridParamDialog::GridEvent(QEvent* event) {
    const int col = grid_->col();
    const GridColumn* column = Column(col);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        ShowHelpLine(gridId_ + col);
        if (clipboard_ && key->matches(QKeySequence::Copy)) {
            Copy();
            return true;
        }
        if (clipboard_ && key->matches(QKeySequence::Paste)) {
            Paste();
            return true;
        }
        switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                DrawCell(currentEntry_, col);
                return false;
            case Qt::Key_Space:
                if (!IsDataRow(grid_->row()) || key->modifiers() & Qt::ControlModifier) break;
                if (ActOnCell(currentEntry_, col)) MarkModified();
                DrawCell(currentEntry_, col);
                return column && column->opensChooser;
            default:
                break;
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        ShowHelpLine(gridId_ + col);
        return false;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        ShowHelpLine(gridId_ + col);
        // A double click on the headings does nothing at all.
        if (!IsDataRow(grid_->mouseRow())) return true;
        if (ActOnCell(currentEntry_, col)) MarkModified();
        DrawCell(currentEntry_, col);
        return column && column->opensChooser;
    }
    return false;
}

void CGridParamDialog::OnKeyPressed(int character, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::ControlModifier) return;
    if (character < 0x20 || character == 0x7f) return;  // Backspace, Enter, Escape
    if (!IsDataRow(grid_->row())) return;
    const GridColumn* column = Column(grid_->col());
    if (!column || column->kind != ColumnKind::kText) return;
    if (!CellEditable(currentEntry_, grid_->col())) return;
    if (CellModeChar(column->editMode, character, 0) == 0) return;
    StartEditing(character);
}

void CGridParamDialog::StartEditing(int character) {
    const int row = grid_->row();
    const int col = grid_->col();
    const GridColumn* column = Column(col);
    editEntry_ = currentEntry_;
    editCol_ = col;
    edit_->SetMode(column->editMode);
    edit_->SetLimit(column->editLength);
    const QPoint at = grid_->pos();
    edit_->setGeometry(grid_->cellLeft(row, col) / kTwipsPerPixel + at.x() - 1,
                       grid_->cellTop(row, col) / kTwipsPerPixel + at.y() - 1,
                       grid_->cellWidth(row, col) / kTwipsPerPixel + 2,
                       grid_->cellHeight(row, col) / kTwipsPerPixel + 2);
    edit_->SetCellText(QString(QChar(character)));
    editing_ = true;
    edit_->show();
    edit_->raise();
    edit_->setFocus(Qt::OtherFocusReason);
    edit_->selectAll();
    edit_->end(false);  // further keys append
}

void CGridParamDialog::CommitEdit() {
    if (!editing_) return;
    editing_ = false;
    if (SetCellText(editEntry_, editCol_, edit_->text())) MarkModified();
    DrawEntry(editEntry_);
    edit_->hide();
}

void CGridParamDialog::Copy() {
    QClipboard* clip = QGuiApplication::clipboard();
    if (!clip) return;
    if (edit_->hasFocus()) {
        edit_->copy();
        return;
    }
    const GridColumn* column = Column(grid_->col());
    if (!column || !IsDataRow(grid_->row())) return;
    if (column->kind == ColumnKind::kBoolean || column->kind == ColumnKind::kList) {
        clip->setText(DisplayText(currentEntry_, grid_->col()));
    } else {
        clip->setText(grid_->clip());
    }
}

void CGridParamDialog::Paste() {
    QClipboard* clip = QGuiApplication::clipboard();
    const QString text = clip ? clip->text() : QString();
    if (edit_->hasFocus()) {
        edit_->InsertFiltered(text);
        return;
    }
    if (!IsDataRow(grid_->row())) return;
    if (!PasteCell(currentEntry_, grid_->col(), text)) {
        QApplication::beep();
        return;
    }
    MarkModified();
    DrawEntry(currentEntry_);
}

void CGridParamDialog::OnOk() {
    StoreTable();
    accept();
}

}  // namespace kp07
