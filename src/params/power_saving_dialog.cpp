#include "params/power_saving_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "image/radio_image.h"
#include "widgets/enter_combo.h"
#include "widgets/filter_edit.h"

namespace kp07 {
namespace {

constexpr int kTagLength = 8;

QString Q(const std::string& text) {
    return QString::fromLatin1(text.data(), int(text.size()));
}

}  // namespace

CPowerSavingDlg::CPowerSavingDlg(RadioImage& image, QWidget* parent)
    : CParamDialog(kTemplateId, parent), image_(image) {
    setWindowTitle(QStringLiteral("Power Saving Parameters"));
    params_.Load(image_);

    auto* form = new QFormLayout;
    tag_ = new CFilterEdit(body());
    tag_->SetFilterKind(kFilterTag);
    tag_->SetMaxTextLength(kTagLength);
    tag_->SetUpperCase(true);
    tag_->setText(Q(PowerOnTagText(params_.powerOnTag)));
    // Only a radio with the front keypad has the display that shows it.
    tag_->SetEnabled(params_.HasFrontKeypad());
    AddTextField(tag_, kPowerOnTagId, [this] { CommitTag(); });
    form->addRow(QStringLiteral("Power ON Tag"), tag_);
    form->addRow(QStringLiteral("Transmit Timer"),
                 AddList(kTransmitTimerId, TransmitTimerTexts(), params_.transmitTimer,
                         [this](unsigned i) { params_.transmitTimer = i; }));
    form->addRow(QStringLiteral("Penalty Timer"),
                 AddList(kPenaltyTimerId, PenaltyTimerTexts(), params_.penaltyTimer,
                         [this](unsigned i) { params_.penaltyTimer = i; }));
    form->addRow(QStringLiteral("Release Timer"),
                 AddList(kReleaseTimerId, ReleaseTimerTexts(), params_.releaseTimer,
                         [this](unsigned i) { params_.releaseTimer = i; }));
    form->addRow(QStringLiteral("Receive Save Mode"),
                 AddList(kRxSaveModeId, RxSaveModeTexts(), params_.rxSaveMode,
                         [this](unsigned i) { params_.rxSaveMode = i; }));
    form->addRow(QStringLiteral("Mic Gain"), AddList(kMicGainId, MicGainTexts(), params_.micGain,
                                                     [this](unsigned i) { params_.micGain = i; }));
    form->addRow(QStringLiteral("Low Battery Alert Interval"),
                 AddList(kLowBatteryAlertId, LowBatteryAlertTexts(), params_.lowBatteryAlert,
                         [this](unsigned i) { params_.lowBatteryAlert = i; }));

    FinishLayout(form, true);
}

CEnterComboBox* CPowerSavingDlg::list(int id) const {
    return qobject_cast<CEnterComboBox*>(Control(id));
}

void CPowerSavingDlg::CommitTag() {
    params_.powerOnTag = CommitPowerOnTag(tag_->text().toLatin1().toStdString());
    imageModified = 1;
    tag_->setText(Q(PowerOnTagText(params_.powerOnTag)));
}

void CPowerSavingDlg::OnOk() {
    params_.Store(image_);
    accept();
}

}  // namespace kp07
