#include "params/marketing_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "blocks/image_ops.h"
#include "blocks/radio_identity.h"
#include "image/process_state.h"
#include "widgets/filter_edit.h"

namespace kp07 {
namespace {

constexpr int kMarketLength = 4;
constexpr int kSerialLength = 8;

QString Q(const std::string& text) {
    return QString::fromLatin1(text.data(), int(text.size()));
}

// "%-4s" and "%-8s".
QString Padded(const std::string& text, int width) {
    return Q(text).leftJustified(width, QLatin1Char(' '));
}

}  // namespace

CMarketingDlg::CMarketingDlg(RadioImage& image, QWidget* parent)
    : CParamDialog(kTemplateId, parent), image_(image), openedIdentityEdited_(identityEdited) {
    setWindowTitle(QStringLiteral("Marketing Parameters"));
    market_ = new CFilterEdit(body());
    market_->SetFilterKind(kFilterDigits);
    market_->SetMaxTextLength(kMarketLength);
    AddTextField(market_, kMarketApplicationId, [this] { CommitMarketApplication(); });
    serial_ = new CFilterEdit(body());
    serial_->SetFilterKind(kFilterLetterAtSecond);
    serial_->SetMaxTextLength(kSerialLength);
    serial_->SetUpperCase(true);
    AddTextField(serial_, kSerialNumberId, [this] { CommitSerialNumber(); });
    // The serial number is the factory's to give.
    serial_->SetEnabled(factoryMode);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Market Application"), market_);
    form->addRow(QStringLiteral("Serial Number"), serial_);

    FinishLayout(form, true);

    ShowValues();
}

void CMarketingDlg::ShowValues() {
    market_->setText(Padded(identity->productionNumber, kMarketLength));
    serial_->setText(Padded(identity->serialNumber, kSerialLength));
}

void CMarketingDlg::CommitMarketApplication() {
    identity->productionNumber =
        RadioIdentity::CompleteProductionNumber(market_->text().trimmed().toStdString());
    imageModified = 1;
    identityEdited = 1;
    market_->setText(Padded(identity->productionNumber, kMarketLength));
}

void CMarketingDlg::CommitSerialNumber() {
    identity->serialNumber =
        RadioIdentity::CompleteSerialNumber(serial_->text().trimmed().toStdString());
    imageModified = 1;
    identityEdited = 1;
    serial_->setText(Padded(identity->serialNumber, kSerialLength));
}

void CMarketingDlg::OnOk() {
    identity->Store(image_);
    accept();
}

// The identity record goes back to what the image holds. So does the mark
// that the identity was edited: a factory-mode Download would otherwise
// write the document's identity over the radio's.
void CMarketingDlg::reject() {
    identity->Load(image_);
    identityEdited = openedIdentityEdited_;
    CParamDialog::reject();
}

}  // namespace kp07
