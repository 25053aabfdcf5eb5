// The text window of the Help menu: Get Started or Common Problems, in one
// multi-line field that fills the window, with OK.
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace kp07 {

class CHelpTextDlg : public QDialog {
    Q_OBJECT
  public:
    enum class Text { kGetStarted, kCommonProblems };
    static constexpr int kTextFieldId = 1002;

    explicit CHelpTextDlg(Text which, QWidget* parent = nullptr);

    QPlainTextEdit* textField() const { return text_; }

  private:
    QPlainTextEdit* text_;
};

}  // namespace kp07
