#include "params/scanning_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/enter_combo.h"

namespace kp07 {

CScanningDlg::CScanningDlg(RadioImage& image, QWidget* parent)
    : CParamDialog(kTemplateId, parent), image_(image) {
    setWindowTitle(QStringLiteral("Scanning Parameters"));
    params_.Load(image_);
    const unsigned p = params_.PriorityCheck();

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Scan Resume Time 1"),
                 AddList(kResumeTime1Id, ResumeTime1Texts(), params_.resumeTime1,
                         [this](unsigned i) { params_.resumeTime1 = i; }));
    form->addRow(QStringLiteral("Scan Resume Time2"),
                 AddList(kResumeTime2Id, ResumeTime2Texts(), params_.resumeTime2,
                         [this](unsigned i) { params_.resumeTime2 = i; }));
    priorityCheck_ = AddList(kPriorityCheckId, DisabledEnabledTexts(), p != 0, [this](unsigned i) {
        params_.SetPriorityCheckEnabled(i != 0);
        ShowPriorityCheck();
    });
    form->addRow(QStringLiteral("Priority Check"), priorityCheck_);
    priorityTimer_ = AddList(kPriorityTimerId, PriorityCheckTimerTexts(), p - 1,
                             [this](unsigned i) { params_.SetPriorityCheckTimer(i); });
    form->addRow(QStringLiteral("Priority Check Timer"), priorityTimer_);
    form->addRow(QStringLiteral("Scan Speed"),
                 AddList(kScanSpeedId, ScanSpeedTexts(), params_.scanSpeed,
                         [this](unsigned i) { params_.scanSpeed = i; }));
    form->addRow(QStringLiteral("Group Scan"),
                 AddList(kGroupScanId, GroupScanTexts(), params_.groupScan,
                         [this](unsigned i) { params_.groupScan = i; }));
    form->addRow(QStringLiteral("Talk Back"),
                 AddList(kTalkBackId, DisabledEnabledTexts(), params_.talkBack,
                         [this](unsigned i) { params_.talkBack = i; }));
    form->addRow(QStringLiteral("Revert Channel"),
                 AddList(kRevertChannelId, RevertChannelTexts(), params_.revertChannel,
                         [this](unsigned i) { params_.revertChannel = i; }));
    ShowPriorityCheck();

    FinishLayout(form, true);
}

CEnterComboBox* CScanningDlg::list(int id) const {
    return qobject_cast<CEnterComboBox*>(Control(id));
}

void CScanningDlg::ShowPriorityCheck() {
    const unsigned p = params_.PriorityCheck();
    priorityCheck_->SelectChoice(p != 0 ? 1 : 0);
    priorityTimer_->setEnabled(p != 0);
    if (p != 0) priorityTimer_->SelectChoice(int(p) - 1);
}

void CScanningDlg::OnOk() {
    params_.Store(image_);
    accept();
}

}  // namespace kp07
