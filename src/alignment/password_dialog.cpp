#include "alignment/password_dialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "alignment/factory_password.h"

namespace kp07 {

PasswordDialog::PasswordDialog(QWidget* parent) : QDialog(parent), edit_(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Password"));
    edit_->setObjectName("1073");
    edit_->setEchoMode(QLineEdit::Password);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(edit_);
    layout->addWidget(buttons);
    setMinimumWidth(240);
}

QString PasswordDialog::text() const {
    return edit_->text();
}

bool AskFactoryPassword(QWidget* parent) {
    PasswordDialog dialog(parent);
    return dialog.exec() == QDialog::Accepted && IsFactoryPassword(dialog.text().toStdString());
}

}  // namespace kp07
