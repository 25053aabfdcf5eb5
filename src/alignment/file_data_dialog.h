// The file data viewer (factory mode, Shift+F9): the whole image as a table
// of hexadecimal bytes, sixteen to a row, on a working copy that OK copies
// back into the document. A byte is overwritten through a two-character
// editor floating over its cell.
#pragma once

#include <QDialog>

#include "document/data_file.h"
#include "image/radio_image.h"

class QPushButton;

namespace kp07 {

class CCellEdit;
class FlexGrid;

class CFileDataDlg : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kGridId = 1174;
    static constexpr int kEditId = 4509;

    explicit CFileDataDlg(QWidget* parent = nullptr);

    FlexGrid* grid() const { return grid_; }
    CCellEdit* editor() const { return edit_; }
    QPushButton* okButton() const { return ok_; }
    const RadioImage& workingCopy() const { return work_; }
    bool editing() const { return editing_; }

    // Starts editing the byte at (row, col); false for headings and the
    // trailer.
    bool StartEdit(int row, int col);

  public slots:
    void accept() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool GridEvent(QEvent* event);
    void CommitEdit();
    void EndEdit();
    void DrawCell(int row, int col);

    RadioImage work_{};
    FileTrailer trailer_{};
    FlexGrid* grid_;
    CCellEdit* edit_;
    QPushButton* ok_;
    bool editing_ = false;
    int editRow_ = 0;
    int editCol_ = 0;
};

}  // namespace kp07
