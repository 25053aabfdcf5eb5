// The read-back editor of the Alignment dialog (RSSI and the two squelch
// items): the radio's current reading, polled every 500 ms, and the value to
// store, typed or copied from the reading.
#pragma once

#include <QDialog>
#include <QTimer>

#include "alignment/alignment_editors.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kp07 {

class CAlignReadBackDlg : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kPollMs = 500;
    static constexpr int kLabelId = 4539;
    static constexpr int kReadingId = 4541;
    static constexpr int kValueId = 4547;

    CAlignReadBackDlg(int channel, int item, QWidget* parent = nullptr);

    int value() const { return session_.value(); }
    QLineEdit* valueField() const { return valueField_; }
    QLineEdit* readingField() const { return readingField_; }
    QPushButton* copyButton() const { return copy_; }
    QPushButton* okButton() const { return ok_; }
    bool polling() const { return timer_.isActive(); }

    // One tick of the timer: a status request, and its reading shown.
    void Poll();

  public slots:
    void accept() override;
    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void TakeTyped();
    void ShowValue();

    AlignmentReadBack session_;
    QLineEdit* valueField_;
    QLineEdit* readingField_;
    QPushButton* copy_;
    QPushButton* ok_;
    QTimer timer_;
};

}  // namespace kp07
