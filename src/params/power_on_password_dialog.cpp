#include "params/power_on_password_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "blocks/image_ops.h"
#include "params/choice_combo.h"
#include "widgets/enter_combo.h"
#include "widgets/filter_edit.h"

namespace kp07 {
namespace {

constexpr int kPasswordLength = 4;

QString Q(const std::string& text) {
    return QString::fromLatin1(text.data(), int(text.size()));
}

}  // namespace

CPowerOnPasswordDlg::CPowerOnPasswordDlg(QWidget* parent) : CParamDialog(kTemplateId, parent) {
    setWindowTitle(tr("Power ON Password"));
    FitHelpLines(this, {kPasswordId, kPasswordNumberId});
    common_.Load(*radioImage);

    enabled_ = new CEnterComboBox(body());
    RegisterControl(enabled_, kPasswordId);
    FillChoices(enabled_, DisabledEnabledTexts());
    enabled_->setCurrentIndex(int(common_.passwordEnabled));
    connect(enabled_, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CPowerOnPasswordDlg::PasswordChanged);
    number_ = new CFilterEdit(body());
    number_->SetFilterKind(kFilterDtmfLetters);
    number_->SetMaxTextLength(kPasswordLength);
    number_->SetUpperCase(true);
    AddTextField(number_, kPasswordNumberId, [this] { CommitPasswordNumber(); });
    number_->setText(Q(FormatPasswordField(common_.password)));
    number_->SetEnabled(common_.passwordEnabled != 0);

    auto* grid = new QGridLayout;
    AddFormRow(grid, 0, 0, tr("Password"), enabled_);
    AddFormRow(grid, 1, 0, tr("Password No."), number_);

    auto* ok = new QPushButton(tr("OK"), body());
    cancel_ = new QPushButton(tr("Cancel"), body());
    SetOkButton(ok, true);
    connect(cancel_, &QPushButton::clicked, this, &CPowerOnPasswordDlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(body());
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void CPowerOnPasswordDlg::PasswordChanged(int item) {
    if (item < 0) return;
    common_.passwordEnabled = unsigned(item);
    number_->SetEnabled(item != 0);
    imageModified = 1;
}

void CPowerOnPasswordDlg::CommitPasswordNumber() {
    common_.password = CommonParams::CompletePassword(number_->text().trimmed().toStdString());
    imageModified = 1;
    number_->setText(Q(FormatPasswordField(common_.password)));
}

void CPowerOnPasswordDlg::OnOk() {
    common_.Store(*radioImage);
    accept();
}

}  // namespace kp07
