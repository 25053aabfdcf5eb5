// The table widget of the program: the channel grid, the 2-tone and 5-tone
// tables and the file data viewer. It keeps a plain matrix of cells (text,
// text colour, picture) and paints only what is visible, so rewriting a
// whole group of 128 channels costs next to nothing.
//
// Rows and columns count from 0 and include the fixed (header) rows and
// columns, which stay in place while the rest scrolls. Neighbouring fixed
// cells with equal text merge into one heading in the rows marked for it.
// Widths and cell positions are in twips (15 twips per pixel); a column of
// width 0 is hidden. Writing a cell never moves the current cell.
#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QPixmap>
#include <QString>
#include <functional>
#include <vector>

namespace kp07 {

constexpr int kTwipsPerPixel = 15;

class FlexGrid : public QAbstractScrollArea {
    Q_OBJECT
  public:
    // Cell and picture alignments, numbered as the tables store them.
    enum Alignment {
        kLeftTop = 0,
        kLeftCenter = 1,
        kLeftBottom = 2,
        kCenterTop = 3,
        kCenterCenter = 4,
        kCenterBottom = 5,
        kRightTop = 6,
        kRightCenter = 7,
        kRightBottom = 8,
        kGeneral = 9,
    };

    explicit FlexGrid(QWidget* parent = nullptr);

    // ---- shape ----
    void SetRows(int rows);
    void SetCols(int cols);
    int rows() const { return rows_; }
    int cols() const { return cols_; }
    void SetFixedRows(int n);
    void SetFixedCols(int n);
    int fixedRows() const { return fixedRows_; }
    int fixedCols() const { return fixedCols_; }

    void SetColWidth(int col, int twips);
    int colWidth(int col) const;  // twips
    int rowHeight() const;        // twips, the same for every row
    void SetColAlignment(int col, int alignment);
    int colAlignment(int col) const;
    // Alignment of the column's fixed cells; -1 follows SetColAlignment.
    void SetFixedAlignment(int col, int alignment);

    // Merging of equal neighbouring headings, for the rows marked with
    // SetMergeRow.
    void SetMergeCells(bool on);
    void SetMergeRow(int row, bool on);
    // The column range [first, last] covered by the heading that holds
    // (row, col); a single column where nothing merges.
    std::pair<int, int> MergedRange(int row, int col) const;
    // Lines between fixed cells.
    void SetGridLinesFixed(bool on);

    // ---- cells ----
    void SetTextMatrix(int row, int col, const QString& text);
    QString textMatrix(int row, int col) const;
    // An invalid colour gives the normal text colour.
    void SetCellForeColor(int row, int col, const QColor& color);
    QColor cellForeColor(int row, int col) const;
    // A null pixmap removes the picture.
    void SetCellPicture(int row, int col, const QPixmap& picture, int alignment = kCenterCenter);
    QPixmap cellPicture(int row, int col) const;
    bool hasCellPicture(int row, int col) const;

    // ---- current cell and selection ----
    int row() const { return row_; }
    int col() const { return col_; }
    // Moves the current cell (and collapses the selection to it).
    void SetRow(int row);
    void SetCol(int col);
    void SetCurrentCell(int row, int col);
    int rowSel() const { return rowSel_; }
    int colSel() const { return colSel_; }
    // Extends the selection from the current cell to (row, col).
    void SetSelectionEnd(int row, int col);
    // The selected cells as text: cells joined by tabs, rows by carriage
    // returns.
    QString clip() const;

    int topRow() const { return topRow_; }
    int leftCol() const { return leftCol_; }
    void SetTopRow(int row);
    void SetLeftCol(int col);
    // Scrolls so that (row, col) is visible.
    void ShowCell(int row, int col);

    // ---- drawing switches ----
    // Off: changes are stored but not painted until redraw is on again.
    void SetRedraw(bool on);
    bool redraw() const { return redraw_; }
    void SetFocusRect(bool on);
    bool focusRect() const { return focusRect_; }

    // ---- geometry, in twips relative to the grid widget's top-left ----
    int cellLeft(int row, int col) const;
    int cellTop(int row, int col) const;
    int cellWidth(int row, int col) const;
    int cellHeight(int row, int col) const;
    // The same in pixels.
    QRect CellRect(int row, int col) const;

    // The cell under the mouse at the last mouse event (-1 outside cells).
    int mouseRow() const { return mouseRow_; }
    int mouseCol() const { return mouseCol_; }
    // The cell at `pos` (grid widget pixels): {-1, -1} when none.
    std::pair<int, int> CellAt(const QPoint& pos) const;

    // The owner's first look at the grid's keys and mouse clicks; returning
    // true consumes the event, so the grid neither acts on it nor reports it.
    void SetEventHook(std::function<bool(QEvent*)> hook) { eventHook_ = std::move(hook); }

    // Forces the whole table to be painted now (for measurements).
    void RepaintNow();

  signals:
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    void keyPressed(int character, Qt::KeyboardModifiers modifiers);
    void doubleClicked();
    void scrolled();
    void rowColChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    struct Cell {
        QString text;
        QColor color;
        QPixmap picture;
        signed char pictureAlign = kCenterCenter;
    };
    struct Column {
        int widthTwips = 960;
        int widthPx = 64;
        int alignment = kGeneral;
        int fixedAlignment = -1;
    };

    bool Valid(int row, int col) const {
        return row >= 0 && row < rows_ && col >= 0 && col < cols_;
    }
    Cell* At(int row, int col);
    const Cell* At(int row, int col) const;
    void Reshape(int rows, int cols);
    int RowHeightPx() const;
    // x of a column / y of a row in viewport pixels (may lie outside it).
    int ColX(int col) const;
    int RowY(int row) const;
    int FixedWidthPx() const;
    bool IsColVisible(int col) const;
    void UpdateCell(int row, int col);
    void UpdateAll();
    void UpdateScrollBars();
    void ClampScroll();
    void MoveCurrent(int row, int col, bool extend);
    int NextVisibleCol(int from, int step) const;
    void PaintCell(QPainter& p, const QRect& rect, int row, int col, const Cell& cell, bool fixed,
                   int alignment, bool selected);
    bool InSelection(int row, int col) const;
    bool IsMergeRow(int row) const;

    int rows_ = 0;
    int cols_ = 0;
    int fixedRows_ = 0;
    int fixedCols_ = 0;
    std::vector<Cell> cells_;
    std::vector<Column> columns_;
    std::vector<bool> mergeRows_;
    bool mergeCells_ = false;
    bool gridLinesFixed_ = true;
    int row_ = 0;
    int col_ = 0;
    int rowSel_ = 0;
    int colSel_ = 0;
    int topRow_ = 0;
    int leftCol_ = 0;
    bool redraw_ = true;
    bool focusRect_ = true;
    int mouseRow_ = -1;
    int mouseCol_ = -1;
    bool selecting_ = false;
    bool syncingScrollBars_ = false;
    std::function<bool(QEvent*)> eventHook_;
};

// A check mark drawn in `color` on a transparent ground: the picture of the
// grids' on/off cells.
QPixmap CheckMarkPixmap(const QColor& color, int size = 13);

}  // namespace kp07
