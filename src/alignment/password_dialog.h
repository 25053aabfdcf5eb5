// The "Password" dialog that guards factory mode: one text field, OK, Cancel.
#pragma once

#include <QDialog>

class QLineEdit;

namespace kp07 {

class PasswordDialog : public QDialog {
    Q_OBJECT

  public:
    explicit PasswordDialog(QWidget* parent = nullptr);
    QString text() const;
    QLineEdit* edit() const { return edit_; }

  private:
    QLineEdit* edit_;
};

// Shows the dialog; true when it ends with OK and the factory password.
bool AskFactoryPassword(QWidget* parent = nullptr);

}  // namespace kp07
