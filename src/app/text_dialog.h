// A read-only page of text in a fixed-pitch font with a Close button: the
// refused cells of an import, the differences of a comparison.
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace kp07 {

class CTextDialog : public QDialog {
    Q_OBJECT

  public:
    CTextDialog(const QString& title, const QString& text, QWidget* parent = nullptr);
    QString text() const;

  private:
    QPlainTextEdit* view_;
};

}  // namespace kp07
