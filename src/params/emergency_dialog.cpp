#include "params/emergency_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/enter_combo.h"

namespace kp07 {

CEmergencyDlg::CEmergencyDlg(RadioImage& image, QWidget* parent)
    : CParamDialog(kTemplateId, parent), image_(image) {
    setWindowTitle(QStringLiteral("Emergency"));
    params_.Load(image_);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Emergency Channel"),
                 AddList(kChannelId, EmergencyChannelTexts(), params_.emergencyChannel,
                         [this](unsigned i) { params_.emergencyChannel = i; }));
    form->addRow(QStringLiteral("Emergency RX Time"),
                 AddList(kRxTimeId, EmergencyRxTimeTexts(), params_.rxTime,
                         [this](unsigned i) { params_.rxTime = i; }));
    form->addRow(QStringLiteral("Emergency TX Time"),
                 AddList(kTxTimeId, EmergencyTxTimeTexts(), params_.txTime,
                         [this](unsigned i) { params_.txTime = i; }));
    form->addRow(QStringLiteral("Emergency Silent Mode"),
                 AddList(kSilentModeId, DisabledEnabledTexts(), params_.silentMode,
                         [this](unsigned i) { params_.silentMode = i; }));
    form->addRow(QStringLiteral("Emergency Key Duration"),
                 AddList(kKeyDurationId, EmergencyKeyDurationTexts(), params_.keyDuration,
                         [this](unsigned i) { params_.keyDuration = i; }));
    form->addRow(QStringLiteral("Lone Worker Timer"),
                 AddList(kLoneWorkerTimerId, LoneWorkerTimerTexts(), params_.loneWorkerTimer,
                         [this](unsigned i) { params_.loneWorkerTimer = i; }));

    FinishLayout(form, false);
}

CEnterComboBox* CEmergencyDlg::list(int id) const {
    return qobject_cast<CEnterComboBox*>(Control(id));
}

void CEmergencyDlg::OnOk() {
    // The channel's group comes from the group sizes the image holds now.
    params_.Store(image_);
    accept();
}

}  // namespace kp07
