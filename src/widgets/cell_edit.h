// The in-place editor that floats over a grid cell: the channel grid, the
// 2-tone and 5-tone tables and the file data viewer all edit through it. Its
// owner picks the character test (the mode) and the length limit before
// showing it; letters always appear in upper case.
#pragma once

#include "widgets/filtered_line_edit.h"
#include "widgets/input_filters.h"

namespace kp07 {

class CCellEdit : public FilteredLineEdit {
    Q_OBJECT
  public:
    explicit CCellEdit(QWidget* parent = nullptr);

    int mode() const { return mode_; }
    void SetMode(int mode) { mode_ = mode; }
    // The length limit (characters).
    void SetLimit(int length) { setMaxLength(length > 0 ? length : 32767); }
    // Sets the text as the editor shows it: upper case.
    void SetCellText(const QString& text);

  signals:
    // Enter and Escape, which the owner handles (the editor itself only
    // reports them).
    void enterPressed();
    void escapePressed();
    // The editor lost the focus: the owner commits its text.
    void focusLost();

  protected:
    bool AcceptsChar(int c, int caret) const override;
    QChar ShownChar(QChar c) const override { return c.toUpper(); }
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    int mode_ = kCellTag;
};

}  // namespace kp07
