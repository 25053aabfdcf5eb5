#include "params/power_on_password_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/enter_combo.h"
#include "widgets/filter_edit.h"

namespace kp07 {
namespace {

constexpr int kPasswordLength = 4;

QString Q(const std::string& text) {
    return QString::fromLatin1(text.data(), int(text.size()));
}

}  // namespace

CPowerOnPasswordDlg::CPowerOnPasswordDlg(RadioImage& image, QWidget* parent)
    : CParamDialog(kTemplateId, parent), image_(image) {
    setWindowTitle(QStringLiteral("Power ON Password"));
    params_.Load(image_);

    number_ = new CFilterEdit(body());
    number_->SetFilterKind(kFilterDtmfLetters);
    number_->SetMaxTextLength(kPasswordLength);
    number_->SetUpperCase(true);
    number_->setText(Q(FormatPasswordField(params_.password)));
    number_->SetEnabled(params_.passwordEnabled != 0);
    enabled_ =
        AddList(kPasswordId, DisabledEnabledTexts(), params_.passwordEnabled, [this](unsigned i) {
            params_.passwordEnabled = i;
            number_->SetEnabled(i != 0);
        });
    AddTextField(number_, kPasswordNumberId, [this] { CommitPasswordNumber(); });
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Password"), enabled_);
    form->addRow(QStringLiteral("Password No."), number_);

    FinishLayout(form, true);
}

void CPowerOnPasswordDlg::CommitPasswordNumber() {
    params_.password = CommonParams::CompletePassword(number_->text().trimmed().toStdString());
    imageModified = 1;
    number_->setText(Q(FormatPasswordField(params_.password)));
}

void CPowerOnPasswordDlg::OnOk() {
    params_.Store(image_);
    accept();
}

}  // namespace kp07
