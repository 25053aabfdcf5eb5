#include "alignment/file_data_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "alignment/file_data.h"
#include "blocks/image_ops.h"
#include "image/process_state.h"
#include "widgets/cell_edit.h"
#include "widgets/flex_grid.h"
#include "widgets/input_filters.h"

namespace kp07 {
namespace {

constexpr int kLabelColTwips = 1000;
constexpr int kByteColTwips = 400;

}  // namespace

CFileDataDlg::CFileDataDlg(QWidget* parent)
    : QDialog(parent), grid_(new FlexGrid(this)), edit_(new CCellEdit(this)) {
    setWindowTitle(tr("File Data"));
    if (radioImage) work_ = *radioImage;
    trailer_ = TrailerFromOffset(autoTxOffsetMHz);

    grid_->setObjectName(QString::number(kGridId));
    grid_->SetRedraw(false);
    grid_->SetCols(kFileDataCols);
    grid_->SetRows(kFileDataRows);
    grid_->SetFixedRows(1);
    grid_->SetFixedCols(1);
    grid_->SetColWidth(0, kLabelColTwips);
    for (int c = 0; c < kFileDataCols; ++c) {
        if (c > 0) grid_->SetColWidth(c, kByteColTwips);
        grid_->SetColAlignment(c, FlexGrid::kCenterCenter);
    }
    for (int r = 0; r < kFileDataRows; ++r) {
        for (int c = 0; c < kFileDataCols; ++c) DrawCell(r, c);
    }
    grid_->SetCurrentCell(1, 1);
    grid_->SetRedraw(true);
    grid_->SetEventHook([this](QEvent* e) { return GridEvent(e); });
    connect(grid_, &FlexGrid::keyPressed, this, [this](int c, Qt::KeyboardModifiers mods) {
        if (mods & (Qt::ControlModifier | Qt::AltModifier)) return;
        if (IsHexChar(c) == 0 || c == kBackspaceChar) return;
        if (StartEdit(grid_->row(), grid_->col())) {
            edit_->SetCellText(QString(QChar(c)));
            edit_->end(false);
        }
    });
    connect(grid_, &FlexGrid::scrolled, this, [this] {
        if (editing_) grid_->setFocus();
    });

    edit_->setObjectName(QString::number(kEditId));
    edit_->SetMode(kCellHex);
    edit_->SetLimit(2);
    connect(edit_, &CCellEdit::enterPressed, this, [this] { grid_->setFocus(); });
    connect(edit_, &CCellEdit::escapePressed, this, [this] {
        // Escape takes nothing: the byte keeps its value.
        EndEdit();
        grid_->setFocus();
    });
    connect(edit_, &CCellEdit::focusLost, this, &CFileDataDlg::CommitEdit);

    ok_ = new QPushButton(tr("OK"), this);
    // Only Enter on OK itself closes; Enter in the table edits a byte.
    ok_->setAutoDefault(true);
    ok_->setDefault(false);
    connect(ok_, &QPushButton::clicked, this, &CFileDataDlg::accept);

    // 350 x 170 dialog units for the table: about 525 x 276 pixels, wide
    // enough for the seventeen columns and the scroll bar.
    const int tableWidth = (kLabelColTwips + 16 * kByteColTwips) / kTwipsPerPixel +
                           grid_->verticalScrollBar()->sizeHint().width() + 8;
    grid_->setMinimumSize(std::max(tableWidth, 525), 276);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
    grid_->setFocus(Qt::OtherFocusReason);
}

void CFileDataDlg::DrawCell(int row, int col) {
    grid_->SetTextMatrix(row, col,
                         QString::fromStdString(FileDataCellText(work_, trailer_, row, col)));
}

bool CFileDataDlg::StartEdit(int row, int col) {
    if (!FileDataCellEditable(row, col)) return false;
    if (editing_) CommitEdit();
    editRow_ = row;
    editCol_ = col;
    grid_->ShowCell(row, col);
    const QPoint at = grid_->pos();
    // Exactly over the cell, one pixel beyond it on every side.
    edit_->setGeometry(grid_->cellLeft(row, col) / kTwipsPerPixel + at.x() - 1,
                       grid_->cellTop(row, col) / kTwipsPerPixel + at.y() - 1,
                       grid_->cellWidth(row, col) / kTwipsPerPixel + 2,
                       grid_->cellHeight(row, col) / kTwipsPerPixel + 2);
    edit_->SetCellText(grid_->textMatrix(row, col));
    editing_ = true;
    edit_->show();
    edit_->raise();
    edit_->setFocus(Qt::OtherFocusReason);
    edit_->selectAll();
    return true;
}

void CFileDataDlg::CommitEdit() {
    if (!editing_) return;
    const int offset = FileDataOffset(editRow_, editCol_);
    if (offset >= 0 && offset < int(kImageBufferSize)) {
        work_[std::size_t(offset)] = ParseHexByte(edit_->text().toStdString());
        imageModified = 1;
        imageBytesEdited = 1;
        DrawCell(editRow_, editCol_);
    }
    EndEdit();
}

void CFileDataDlg::EndEdit() {
    editing_ = false;
    edit_->hide();
}

bool CFileDataDlg::GridEvent(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
            key->key() == Qt::Key_F2) {
            StartEdit(grid_->row(), grid_->col());
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (grid_->mouseRow() > 0 && grid_->mouseCol() > 0) {
            grid_->SetCurrentCell(grid_->mouseRow(), grid_->mouseCol());
            StartEdit(grid_->mouseRow(), grid_->mouseCol());
        }
        return true;
    }
    return false;
}

void CFileDataDlg::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && focusWidget() != ok_) {
        event->accept();  // Enter anywhere but on OK does not close the viewer
        return;
    }
    QDialog::keyPressEvent(event);
}

void CFileDataDlg::accept() {
    if (editing_) CommitEdit();
    if (radioImage) {
        *radioImage = work_;
        LoadPersistentBlocks(*radioImage);
        RebuildImage(*radioImage);
    }
    QDialog::accept();
}

}  // namespace kp07
