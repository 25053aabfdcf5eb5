// The list field of the parameter dialogs: a drop-down list without free
// text. Enter opens the list instead of reaching the dialog's buttons, so a
// user working from the keyboard picks a value with Enter, arrows, Enter.
#pragma once

#include <QComboBox>

namespace kp07 {

class CEnterComboBox : public QComboBox {
    Q_OBJECT
  public:
    explicit CEnterComboBox(QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kp07
