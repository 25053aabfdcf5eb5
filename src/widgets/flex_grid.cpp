#include "widgets/flex_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace kp07 {

FlexGrid::FlexGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    Reshape(2, 2);
}

// ---- shape ----

void FlexGrid::Reshape(int rows, int cols) {
    rows = std::max(0, rows);
    cols = std::max(0, cols);
    if (rows != rows_ || cols != cols_) {
        std::vector<Cell> cells(std::size_t(rows) * std::size_t(cols));
        const int keepRows = std::min(rows, rows_);
        const int keepCols = std::min(cols, cols_);
        for (int r = 0; r < keepRows; ++r) {
            for (int c = 0; c < keepCols; ++c) {
                cells[std::size_t(r) * cols + c] = std::move(cells_[std::size_t(r) * cols_ + c]);
            }
        }
        cells_.swap(cells);
        rows_ = rows;
        cols_ = cols;
        columns_.resize(std::size_t(cols));
        mergeRows_.resize(std::size_t(rows), false);
    }
    fixedRows_ = std::min(fixedRows_, rows_);
    fixedCols_ = std::min(fixedCols_, cols_);
    // The current cell stays where it was when it still exists; it never
    // rests on a fixed cell while there is a scrolling one.
    auto clampTo = [](int v, int fixed, int count) {
        if (count <= 0) return 0;
        return std::clamp(v, fixed < count ? fixed : 0, count - 1);
    };
    row_ = clampTo(row_, fixedRows_, rows_);
    col_ = clampTo(col_, fixedCols_, cols_);
    rowSel_ = clampTo(rowSel_, fixedRows_, rows_);
    colSel_ = clampTo(colSel_, fixedCols_, cols_);
    ClampScroll();
    UpdateScrollBars();
    UpdateAll();
}

void FlexGrid::SetRows(int rows) {
    Reshape(rows, cols_);
}

void FlexGrid::SetCols(int cols) {
    Reshape(rows_, cols);
}

void FlexGrid::SetFixedRows(int n) {
    fixedRows_ = std::clamp(n, 0, rows_);
    Reshape(rows_, cols_);
}

void FlexGrid::SetFixedCols(int n) {
    fixedCols_ = std::clamp(n, 0, cols_);
    Reshape(rows_, cols_);
}

void FlexGrid::SetColWidth(int col, int twips) {
    if (col < 0 || col >= cols_) return;
    Column& column = columns_[std::size_t(col)];
    column.widthTwips = std::max(0, twips);
    column.widthPx = column.widthTwips / kTwipsPerPixel;
    UpdateScrollBars();
    UpdateAll();
}

int FlexGrid::colWidth(int col) const {
    if (col < 0 || col >= cols_) return 0;
    return columns_[std::size_t(col)].widthTwips;
}

int FlexGrid::RowHeightPx() const {
    return std::max(16, fontMetrics().height() + 3);
}

int FlexGrid::rowHeight() const {
    return RowHeightPx() * kTwipsPerPixel;
}

void FlexGrid::SetColAlignment(int col, int alignment) {
    if (col < 0 || col >= cols_) return;
    columns_[std::size_t(col)].alignment = std::clamp(alignment, 0, int(kGeneral));
    UpdateAll();
}

int FlexGrid::colAlignment(int col) const {
    return col >= 0 && col < cols_ ? columns_[std::size_t(col)].alignment : kGeneral;
}

void FlexGrid::SetFixedAlignment(int col, int alignment) {
    if (col < 0 || col >= cols_) return;
    columns_[std::size_t(col)].fixedAlignment = alignment < 0 ? -1 : std::min(alignment, 9);
    UpdateAll();
}

void FlexGrid::SetMergeCells(bool on) {
    mergeCells_ = on;
    UpdateAll();
}

void FlexGrid::SetMergeRow(int row, bool on) {
    if (row < 0 || row >= rows_) return;
    mergeRows_[std::size_t(row)] = on;
    UpdateAll();
}

bool FlexGrid::IsMergeRow(int row) const {
    return mergeCells_ && row >= 0 && row < fixedRows_ && mergeRows_[std::size_t(row)];
}

std::pair<int, int> FlexGrid::MergedRange(int row, int col) const {
    if (!Valid(row, col) || !IsMergeRow(row)) return {col, col};
    // Fixed and scrolling columns never merge with each other.
    const int lo = col < fixedCols_ ? 0 : fixedCols_;
    const int hi = col < fixedCols_ ? fixedCols_ - 1 : cols_ - 1;
    const QString& text = At(row, col)->text;
    int first = col;
    int last = col;
    while (first > lo && At(row, first - 1)->text == text) --first;
    while (last < hi && At(row, last + 1)->text == text) ++last;
    return {first, last};
}

void FlexGrid::SetGridLinesFixed(bool on) {
    gridLinesFixed_ = on;
    UpdateAll();
}

// ---- cells ----

FlexGrid::Cell* FlexGrid::At(int row, int col) {
    return &cells_[std::size_t(row) * std::size_t(cols_) + std::size_t(col)];
}

const FlexGrid::Cell* FlexGrid::At(int row, int col) const {
    return &cells_[std::size_t(row) * std::size_t(cols_) + std::size_t(col)];
}

void FlexGrid::SetTextMatrix(int row, int col, const QString& text) {
    if (!Valid(row, col)) return;
    Cell* cell = At(row, col);
    if (cell->text == text) return;
    cell->text = text;
    // A heading change can merge or split its neighbours.
    if (IsMergeRow(row)) {
        UpdateAll();
    } else {
        UpdateCell(row, col);
    }
}

QString FlexGrid::textMatrix(int row, int col) const {
    return Valid(row, col) ? At(row, col)->text : QString();
}

void FlexGrid::SetCellForeColor(int row, int col, const QColor& color) {
    if (!Valid(row, col)) return;
    At(row, col)->color = color;
    UpdateCell(row, col);
}

QColor FlexGrid::cellForeColor(int row, int col) const {
    return Valid(row, col) ? At(row, col)->color : QColor();
}

void FlexGrid::SetCellPicture(int row, int col, const QPixmap& picture, int alignment) {
    if (!Valid(row, col)) return;
    Cell* cell = At(row, col);
    cell->picture = picture;
    cell->pictureAlign = static_cast<signed char>(std::clamp(alignment, 0, int(kGeneral)));
    UpdateCell(row, col);
}

QPixmap FlexGrid::cellPicture(int row, int col) const {
    return Valid(row, col) ? At(row, col)->picture : QPixmap();
}

bool FlexGrid::hasCellPicture(int row, int col) const {
    return Valid(row, col) && !At(row, col)->picture.isNull();
}

// ---- current cell and selection ----

void FlexGrid::SetRow(int row) {
    SetCurrentCell(row, col_);
}

void FlexGrid::SetCol(int col) {
    SetCurrentCell(row_, col);
}

void FlexGrid::SetCurrentCell(int row, int col) {
    if (!Valid(row, col)) return;
    const bool changed = row != row_ || col != col_;
    const bool hadRange = rowSel_ != row_ || colSel_ != col_;
    if (hadRange) UpdateAll();
    UpdateCell(row_, col_);
    row_ = rowSel_ = row;
    col_ = colSel_ = col;
    UpdateCell(row_, col_);
    if (changed) emit rowColChanged();
}

void FlexGrid::SetSelectionEnd(int row, int col) {
    if (!Valid(row, col)) return;
    rowSel_ = row;
    colSel_ = col;
    UpdateAll();
}

bool FlexGrid::InSelection(int row, int col) const {
    return row >= std::min(row_, rowSel_) && row <= std::max(row_, rowSel_) &&
           col >= std::min(col_, colSel_) && col <= std::max(col_, colSel_);
}

QString FlexGrid::clip() const {
    if (!Valid(row_, col_)) return {};
    QString out;
    const int r0 = std::min(row_, rowSel_), r1 = std::max(row_, rowSel_);
    const int c0 = std::min(col_, colSel_), c1 = std::max(col_, colSel_);
    for (int r = r0; r <= r1; ++r) {
        if (r > r0) out += QLatin1Char('\r');
        for (int c = c0; c <= c1; ++c) {
            if (c > c0) out += QLatin1Char('\t');
            out += At(r, c)->text;
        }
    }
    return out;
}

// ---- scrolling ----

int FlexGrid::FixedWidthPx() const {
    int w = 0;
    for (int c = 0; c < fixedCols_; ++c) w += columns_[std::size_t(c)].widthPx;
    return w;
}

void FlexGrid::ClampScroll() {
    topRow_ = std::clamp(topRow_, fixedRows_, std::max(fixedRows_, rows_ - 1));
    leftCol_ = std::clamp(leftCol_, fixedCols_, std::max(fixedCols_, cols_ - 1));
}

void FlexGrid::UpdateScrollBars() {
    const int rh = RowHeightPx();
    const QSize area = viewport()->size();
    const int dataRows = rows_ - fixedRows_;
    const int fitRows = std::max(1, (area.height() - fixedRows_ * rh) / rh);
    const int maxTop = std::max(0, dataRows - fitRows);
    // The leftmost column that still lets the last columns fill the width.
    const int room = area.width() - FixedWidthPx();
    int maxLeft = cols_ - 1;
    int used = 0;
    while (maxLeft >= fixedCols_) {
        used += columns_[std::size_t(maxLeft)].widthPx;
        if (used > room) break;
        --maxLeft;
    }
    maxLeft = std::clamp(maxLeft + 1, fixedCols_, std::max(fixedCols_, cols_ - 1));
    syncingScrollBars_ = true;
    verticalScrollBar()->setRange(0, maxTop);
    verticalScrollBar()->setPageStep(fitRows);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setRange(0, maxLeft - fixedCols_);
    horizontalScrollBar()->setPageStep(std::max(1, (cols_ - fixedCols_) / 4));
    horizontalScrollBar()->setSingleStep(1);
    syncingScrollBars_ = false;
    // Ranges may have cut the values back.
    topRow_ = fixedRows_ + verticalScrollBar()->value();
    leftCol_ = fixedCols_ + horizontalScrollBar()->value();
}

void FlexGrid::scrollContentsBy(int, int) {
    topRow_ = fixedRows_ + verticalScrollBar()->value();
    leftCol_ = fixedCols_ + horizontalScrollBar()->value();
    UpdateAll();
    if (!syncingScrollBars_) emit scrolled();
}

void FlexGrid::SetTopRow(int row) {
    verticalScrollBar()->setValue(row - fixedRows_);
}

void FlexGrid::SetLeftCol(int col) {
    horizontalScrollBar()->setValue(col - fixedCols_);
}

void FlexGrid::ShowCell(int row, int col) {
    if (!Valid(row, col)) return;
    const int rh = RowHeightPx();
    if (row >= fixedRows_) {
        const int fitRows = std::max(1, (viewport()->height() - fixedRows_ * rh) / rh);
        if (row < topRow_)
            SetTopRow(row);
        else if (row >= topRow_ + fitRows)
            SetTopRow(row - fitRows + 1);
    }
    if (col >= fixedCols_) {
        if (col < leftCol_) {
            SetLeftCol(col);
        } else {
            const int room = viewport()->width() - FixedWidthPx();
            int left = leftCol_;
            auto span = [&] {
                int w = 0;
                for (int c = left; c <= col; ++c) w += columns_[std::size_t(c)].widthPx;
                return w;
            };
            while (left < col && span() > room) ++left;
            if (left != leftCol_) SetLeftCol(left);
        }
    }
}

// ---- drawing switches and updates ----

void FlexGrid::SetRedraw(bool on) {
    if (on == redraw_) return;
    redraw_ = on;
    viewport()->setUpdatesEnabled(on);
    if (on) {
        UpdateScrollBars();
        viewport()->update();
    }
}

void FlexGrid::SetFocusRect(bool on) {
    if (on == focusRect_) return;
    focusRect_ = on;
    UpdateCell(row_, col_);
}

void FlexGrid::UpdateCell(int row, int col) {
    if (!redraw_ || !Valid(row, col)) return;
    QRect r = CellRect(row, col);
    if (r.isEmpty()) return;
    r.translate(-viewport()->pos());
    r.adjust(-1, -1, 1, 1);
    if (r.intersects(viewport()->rect())) viewport()->update(r);
}

void FlexGrid::UpdateAll() {
    if (redraw_) viewport()->update();
}

void FlexGrid::RepaintNow() {
    viewport()->repaint();
}

// ---- geometry ----

bool FlexGrid::IsColVisible(int col) const {
    return col >= 0 && col < cols_ && columns_[std::size_t(col)].widthPx > 0;
}

int FlexGrid::ColX(int col) const {
    int x = 0;
    if (col < fixedCols_) {
        for (int c = 0; c < col; ++c) x += columns_[std::size_t(c)].widthPx;
        return x;
    }
    x = FixedWidthPx();
    if (col >= leftCol_) {
        for (int c = leftCol_; c < col; ++c) x += columns_[std::size_t(c)].widthPx;
    } else {
        for (int c = col; c < leftCol_; ++c) x -= columns_[std::size_t(c)].widthPx;
    }
    return x;
}

int FlexGrid::RowY(int row) const {
    const int rh = RowHeightPx();
    if (row < fixedRows_) return row * rh;
    return (fixedRows_ + row - topRow_) * rh;
}

QRect FlexGrid::CellRect(int row, int col) const {
    if (!Valid(row, col)) return {};
    const QPoint origin = viewport()->pos();
    return QRect(origin.x() + ColX(col), origin.y() + RowY(row), columns_[std::size_t(col)].widthPx,
                 RowHeightPx());
}

int FlexGrid::cellLeft(int row, int col) const {
    return CellRect(row, col).left() * kTwipsPerPixel;
}

int FlexGrid::cellTop(int row, int col) const {
    return CellRect(row, col).top() * kTwipsPerPixel;
}

int FlexGrid::cellWidth(int row, int col) const {
    return CellRect(row, col).width() * kTwipsPerPixel;
}

int FlexGrid::cellHeight(int row, int col) const {
    return CellRect(row, col).height() * kTwipsPerPixel;
}

std::pair<int, int> FlexGrid::CellAt(const QPoint& pos) const {
    const QPoint p = pos - viewport()->pos();
    if (!viewport()->rect().contains(p)) return {-1, -1};
    const int rh = RowHeightPx();
    int row = -1;
    if (p.y() < fixedRows_ * rh) {
        row = p.y() / rh;
    } else {
        row = topRow_ + (p.y() - fixedRows_ * rh) / rh;
    }
    if (row < 0 || row >= rows_) return {-1, -1};
    int col = -1;
    const int fixedWidth = FixedWidthPx();
    int x = 0;
    const int first = p.x() < fixedWidth ? 0 : leftCol_;
    const int last = p.x() < fixedWidth ? fixedCols_ : cols_;
    if (first == leftCol_) x = fixedWidth;
    for (int c = first; c < last; ++c) {
        const int w = columns_[std::size_t(c)].widthPx;
        if (p.x() >= x && p.x() < x + w) {
            col = c;
            break;
        }
        x += w;
    }
    if (col < 0) return {-1, -1};
    return {row, col};
}

// ---- keyboard and mouse ----

int FlexGrid::NextVisibleCol(int from, int step) const {
    for (int c = from + step; c >= fixedCols_ && c < cols_; c += step) {
        if (IsColVisible(c)) return c;
    }
    return from;
}

void FlexGrid::MoveCurrent(int row, int col, bool extend) {
    if (rows_ <= fixedRows_ || cols_ <= fixedCols_) return;
    row = std::clamp(row, fixedRows_, rows_ - 1);
    col = std::clamp(col, fixedCols_, cols_ - 1);
    if (extend) {
        SetSelectionEnd(row, col);
    } else {
        SetCurrentCell(row, col);
    }
    ShowCell(row, col);
}

void FlexGrid::keyPressEvent(QKeyEvent* event) {
    if (eventHook_ && eventHook_(event)) return;
    emit keyDown(event->key(), event->modifiers());

    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const int fromRow = shift ? rowSel_ : row_;
    const int fromCol = shift ? colSel_ : col_;
    const int page = verticalScrollBar()->pageStep();
    bool navigation = true;
    switch (event->key()) {
        case Qt::Key_Up:
            MoveCurrent(fromRow - 1, fromCol, shift);
            break;
        case Qt::Key_Down:
            MoveCurrent(fromRow + 1, fromCol, shift);
            break;
        case Qt::Key_Left:
            MoveCurrent(fromRow, NextVisibleCol(fromCol, -1), shift);
            break;
        case Qt::Key_Right:
            MoveCurrent(fromRow, NextVisibleCol(fromCol, 1), shift);
            break;
        case Qt::Key_PageUp:
            MoveCurrent(fromRow - page, fromCol, shift);
            break;
        case Qt::Key_PageDown:
            MoveCurrent(fromRow + page, fromCol, shift);
            break;
        case Qt::Key_Home:
            if (ctrl) {
                MoveCurrent(fixedRows_, fromCol, shift);
            } else {
                MoveCurrent(fromRow, NextVisibleCol(fixedCols_ - 1, 1), shift);
            }
            break;
        case Qt::Key_End:
            if (ctrl) {
                MoveCurrent(rows_ - 1, fromCol, shift);
            } else {
                MoveCurrent(fromRow, NextVisibleCol(cols_, -1), shift);
            }
            break;
        default:
            navigation = false;
    }
    const QString text = event->text();
    if (!text.isEmpty()) emit keyPressed(text.at(0).unicode(), event->modifiers());
    // Enter, Escape and the rest go on to the window that holds the grid.
    if (navigation) {
        event->accept();
    } else {
        event->ignore();
    }
}

void FlexGrid::mousePressEvent(QMouseEvent* event) {
    const auto [row, col] = CellAt(event->position().toPoint() + viewport()->pos());
    mouseRow_ = row;
    mouseCol_ = col;
    if (eventHook_ && eventHook_(event)) return;
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton || row < fixedRows_ || col < fixedCols_) return;
    if (event->modifiers() & Qt::ShiftModifier) {
        SetSelectionEnd(row, col);
    } else {
        SetCurrentCell(row, col);
    }
}

void FlexGrid::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    const auto [row, col] = CellAt(event->position().toPoint() + viewport()->pos());
    if (row < fixedRows_ || col < fixedCols_) return;
    if (row != rowSel_ || col != colSel_) SetSelectionEnd(row, col);
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const auto [row, col] = CellAt(event->position().toPoint() + viewport()->pos());
    mouseRow_ = row;
    mouseCol_ = col;
    if (eventHook_ && eventHook_(event)) return;
    emit doubleClicked();
}

void FlexGrid::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 40;  // three rows per notch
    if (steps != 0) SetTopRow(topRow_ - steps);
    event->accept();
}

}  // namespace kp07
