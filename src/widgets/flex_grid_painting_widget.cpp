// How the grid draws itself: cells with their text, colour, picture and
// merged headings, the grid lines and the focus rectangle; and the check-mark
// picture the grids show for a set flag.
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "widgets/flex_grid.h"

namespace kp07 {
namespace {

const QColor kDataLineColor(192, 192, 192);
constexpr int kTextMarginX = 2;
constexpr int kTextMarginY = 1;

int AlignmentFlags(int alignment) {
    if (alignment == FlexGrid::kGeneral) return Qt::AlignLeft | Qt::AlignVCenter;
    const int h = alignment / 3;
    const int v = alignment % 3;
    const int hf = h == 0 ? Qt::AlignLeft : h == 1 ? Qt::AlignHCenter : Qt::AlignRight;
    const int vf = v == 0 ? Qt::AlignTop : v == 1 ? Qt::AlignVCenter : Qt::AlignBottom;
    return hf | vf;
}

QPoint AlignedTopLeft(const QRect& rect, const QSize& size, int alignment) {
    const int flags = AlignmentFlags(alignment);
    int x = rect.left();
    int y = rect.top();
    if (flags & Qt::AlignHCenter) x = rect.left() + (rect.width() - size.width()) / 2;
    if (flags & Qt::AlignRight) x = rect.right() + 1 - size.width();
    if (flags & Qt::AlignVCenter) y = rect.top() + (rect.height() - size.height()) / 2;
    if (flags & Qt::AlignBottom) y = rect.bottom() + 1 - size.height();
    return {x, y};
}

}  // namespace

// ---- painting ----

void FlexGrid::PaintCell(QPainter& p, const QRect& rect, int row, int col, const Cell& cell,
                         bool fixed, int alignment, bool selected) {
    const QPalette& pal = palette();
    const bool current = row == row_ && col == col_;
    QColor ground = fixed ? pal.color(QPalette::Button) : pal.color(QPalette::Base);
    QColor ink = fixed ? pal.color(QPalette::ButtonText) : pal.color(QPalette::Text);
    if (selected && !current && !fixed) {
        ground = pal.color(QPalette::Highlight);
        ink = pal.color(QPalette::HighlightedText);
    }
    if (cell.color.isValid() && !(selected && !current && !fixed)) ink = cell.color;
    p.fillRect(rect, ground);

    if (!fixed || gridLinesFixed_) {
        p.setPen(fixed ? pal.color(QPalette::Dark) : kDataLineColor);
        p.drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
        p.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
    }
    if (!cell.picture.isNull()) {
        const QSize size = cell.picture.deviceIndependentSize().toSize();
        p.drawPixmap(AlignedTopLeft(rect, size, cell.pictureAlign), cell.picture);
    }
    if (!cell.text.isEmpty()) {
        p.setPen(ink);
        const QRect textRect =
            rect.adjusted(kTextMarginX, kTextMarginY, -kTextMarginX - 1, -kTextMarginY - 1);
        p.drawText(textRect, AlignmentFlags(alignment) | Qt::TextSingleLine, cell.text);
    }
}

void FlexGrid::paintEvent(QPaintEvent* event) {
    QPainter p(viewport());
    const QRect area = viewport()->rect();
    p.fillRect(event->rect(), palette().color(QPalette::Window));
    if (rows_ == 0 || cols_ == 0) return;
    const int rh = RowHeightPx();
    const int fixedWidth = FixedWidthPx();
    const int fixedHeight = fixedRows_ * rh;
    const QRect dirty = event->rect();

    // Column positions of everything that may be visible.
    std::vector<int> colX(std::size_t(cols_), 0);
    for (int c = 0; c < cols_; ++c) colX[std::size_t(c)] = ColX(c);

    auto paintRow = [&](int r, int y, bool fixedRow) {
        auto paintRange = [&](int c0, int c1, int clipLeft) {
            p.save();
            p.setClipRect(QRect(clipLeft, y, area.width() - clipLeft, rh));
            for (int c = c0; c < c1; ++c) {
                const int w = columns_[std::size_t(c)].widthPx;
                const int x = colX[std::size_t(c)];
                if (w <= 0 || x + w <= clipLeft) continue;
                if (x >= area.width()) break;
                const bool fixedCell = fixedRow || c < fixedCols_;
                const Column& column = columns_[std::size_t(c)];
                const int align = fixedCell && column.fixedAlignment >= 0 ? column.fixedAlignment
                                                                          : column.alignment;
                if (fixedRow && IsMergeRow(r)) {
                    const auto [first, last] = MergedRange(r, c);
                    const int left = colX[std::size_t(first)];
                    const int right = colX[std::size_t(last)] + columns_[std::size_t(last)].widthPx;
                    const QRect rect(left, y, right - left, rh);
                    if (rect.intersects(dirty)) {
                        PaintCell(p, rect, r, first, *At(r, first), true, align, false);
                    }
                    c = last;
                    continue;
                }
                const QRect rect(x, y, w, rh);
                if (!rect.intersects(dirty)) continue;
                PaintCell(p, rect, r, c, *At(r, c), fixedCell, align, InSelection(r, c));
            }
            p.restore();
        };
        paintRange(0, fixedCols_, 0);
        paintRange(leftCol_, cols_, fixedWidth);
    };

    for (int r = 0; r < fixedRows_; ++r) paintRow(r, r * rh, true);
    p.save();
    p.setClipRect(QRect(0, fixedHeight, area.width(), area.height() - fixedHeight));
    for (int r = topRow_, y = fixedHeight; r < rows_ && y < area.height(); ++r, y += rh) {
        if (y + rh <= dirty.top() || y > dirty.bottom()) continue;
        paintRow(r, y, false);
    }
    p.restore();

    // The focus rectangle marks the current cell.
    if (focusRect_ && Valid(row_, col_) && row_ >= fixedRows_ && col_ >= fixedCols_ &&
        IsColVisible(col_) && row_ >= topRow_) {
        const QRect cell(colX[std::size_t(col_)], RowY(row_), columns_[std::size_t(col_)].widthPx,
                         rh);
        if (cell.left() >= fixedWidth && cell.top() >= fixedHeight) {
            QPen pen(palette().color(QPalette::Text));
            pen.setStyle(hasFocus() ? Qt::SolidLine : Qt::DotLine);
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            p.drawRect(cell.adjusted(1, 1, -2, -2));
        }
    }
}

void FlexGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void FlexGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    UpdateCell(row_, col_);
}

void FlexGrid::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    UpdateCell(row_, col_);
}

// ---- pictures ----

QPixmap CheckMarkPixmap(const QColor& color, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(color, std::max(1.5, size / 6.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    QPainterPath tick;
    tick.moveTo(size * 0.18, size * 0.52);
    tick.lineTo(size * 0.42, size * 0.76);
    tick.lineTo(size * 0.84, size * 0.24);
    p.drawPath(tick);
    return pixmap;
}
}  // namespace kp07
