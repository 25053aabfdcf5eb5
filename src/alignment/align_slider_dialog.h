// The slider editor of the Alignment dialog (items 0..7): a slider from 0 to
// 255 and a value field; every change goes to the radio at once.
#pragma once

#include <QDialog>

#include "alignment/alignment_editors.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace kp07 {

class CAlignSliderDlg : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kValueFieldId = 1235;

    // Starts the test transmission for the items that transmit.
    CAlignSliderDlg(int channel, int item, QWidget* parent = nullptr);

    int value() const { return session_.value(); }
    bool transmitting() const { return session_.transmitting(); }
    QSlider* slider() const { return slider_; }
    QLineEdit* valueField() const { return field_; }
    QPushButton* okButton() const { return ok_; }
    QLabel* minLabel() const { return minLabel_; }
    QLabel* maxLabel() const { return maxLabel_; }

  public slots:
    void accept() override;
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Sends `value` when it differs; the slider and field then show what is
    // current (the previous value when the radio did not take it).
    void Apply(int value);
    void ApplyTyped();
    void ShowValue();

    AlignmentSlider session_;
    QSlider* slider_;
    QLineEdit* field_;
    QLabel* minLabel_;
    QLabel* maxLabel_;
    QPushButton* ok_;
    bool finished_ = false;
};

}  // namespace kp07
