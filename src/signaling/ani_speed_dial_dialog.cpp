#include "signaling/ani_speed_dial_dialog.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>

#include "widgets/enter_combo.h"
#include "widgets/filter_edit.h"

namespace kp07 {

CAniSpeedDialDlg::CAniSpeedDialDlg(RadioImage& image, QWidget* parent)
    : CSignalingDialog(kTemplateId, tr("ANI/Speed Dial Parameters"), image, parent) {
    record_.Load(image);

    auto* form = new QGridLayout;
    auto addRow = [&](int row, int column, const QString& label, QWidget* control) {
        auto* text = new QLabel(label, body());
        text->setBuddy(control);
        form->addWidget(text, row, column);
        form->addWidget(control, row, column + 1);
    };
    // Left: the timings and the pause; right: the stored codes.
    addRow(0, 0, tr("ANI Transmit"),
           AddListTakenOnOk(kAniTransmitId, AniTransmitChoices(), record_.aniTransmit));
    addRow(1, 0, tr("DTMF Delay"),
           AddListTakenOnOk(kDelayId, DtmfDelayChoices(), record_.dtmfDelay));
    addRow(2, 0, tr("DTMF Speed"),
           AddListTakenOnOk(kSpeedId, DtmfSpeedChoices(), record_.dtmfSpeed));

    codeFields_.push_back({kPauseCodeId, &record_.pauseCode, kPauseCodeMaxDigits});
    for (int k = 0; k < kSpeedDialCount; ++k) {
        codeFields_.push_back(
            {kFirstSpeedDialId + k, &record_.speedDial[std::size_t(k)], kDtmfCodeMaxDigits});
    }
    codeFields_.push_back({kAniCodeId, &record_.aniCode, kDtmfCodeMaxDigits});
    codeFields_.push_back({kEmergencyCodeId, &record_.emergencyCode, kDtmfCodeMaxDigits});
    for (const CodeField& f : codeFields_) {
        CFilterEdit* field = AddField(f.id, kFilterDtmf, int(f.maxDigits), *f.code);
        field->SetUpperCase(true);
        field->SetConsumeEnter(true);
    }
    addRow(3, 0, tr("DTMF Pause Code"), Control(kPauseCodeId));
    addRow(4, 0, tr("DTMF Pause Time"),
           AddListTakenOnOk(kPauseTimeId, DtmfPauseTimeChoices(), record_.pauseTime));
    for (int k = 0; k < kSpeedDialCount; ++k) {
        addRow(k, 2, tr("Speed Dial Code%1").arg(k), Control(kFirstSpeedDialId + k));
    }
    addRow(kSpeedDialCount, 2, tr("DTMF ANI Code"), Control(kAniCodeId));
    addRow(kSpeedDialCount + 1, 2, tr("DTMF Emergency Code"), Control(kEmergencyCodeId));
    form->setColumnMinimumWidth(1, 110);
    form->setColumnMinimumWidth(3, 150);
    form->setColumnStretch(3, 1);
    form->setHorizontalSpacing(10);
    FinishLayout(form, false);
}

void CAniSpeedDialDlg::OnOk() {
    const struct {
        int id;
        unsigned* field;
    } lists[] = {{kAniTransmitId, &record_.aniTransmit},
                 {kDelayId, &record_.dtmfDelay},
                 {kSpeedId, &record_.dtmfSpeed},
                 {kPauseTimeId, &record_.pauseTime}};
    for (const auto& list : lists) {
        const unsigned value =
            ListValue(qobject_cast<CEnterComboBox*>(Control(list.id)), *list.field);
        if (value != *list.field) {
            *list.field = value;
            imageModified = 1;
        }
    }
    for (const CodeField& f : codeFields_) {
        auto* field = qobject_cast<CFilterEdit*>(Control(f.id));
        if (!field || !field->committed()) continue;
        *f.code = DtmfCodeFromText(S(field->text()), f.maxDigits);
        imageModified = 1;
    }
    record_.Store(image());
    accept();
}

// The nine speed-dial fields after the first share its help topic.
bool CAniSpeedDialDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        const int id = ControlId(qobject_cast<QWidget*>(watched));
        if (id > kFirstSpeedDialId && id < kFirstSpeedDialId + kSpeedDialCount) {
            return CSignalingDialog::eventFilter(Control(kFirstSpeedDialId), event);
        }
    }
    return CSignalingDialog::eventFilter(watched, event);
}

}  // namespace kp07
