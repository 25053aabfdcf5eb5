#include "signaling/five_tone_general_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "blocks/common_params.h"
#include "blocks/dtmf_params.h"
#include "widgets/enter_combo.h"
#include "widgets/filter_edit.h"

namespace kp07 {
namespace {

constexpr int kMillisecondsLength = 4;
constexpr int kSecondsLength = 3;

bool IsSecondsField(int id) {
    return id == CFiveToneGeneralDlg::kAutoTxTimeId || id == CFiveToneGeneralDlg::kBeepRepeatId;
}

std::string FormatTime(int id, unsigned value) {
    return IsSecondsField(id) ? FiveToneGeneral::FormatSeconds(value)
                              : FiveToneGeneral::FormatMilliseconds(value);
}

}  // namespace

unsigned* CFiveToneGeneralDlg::TimeField(int id) {
    switch (id) {
        case kFirstToneTimerId:
            return &record_.firstToneTimer;
        case kTranspondDelayId:
            return &record_.transpondDelayTimer;
        case kAutoTxTimeId:
            return &record_.autoTxTime;
        case kIdDecodeTimeId:
            return &record_.idDecodeTime;
        case kBeepRepeatId:
            return &record_.beepRepeatTime;
        default:
            return &record_.digitDelays[std::size_t(id - kFirstDelayId)];
    }
}

std::vector<CFiveToneGeneralDlg::CheckField> CFiveToneGeneralDlg::CheckFields() {
    std::vector<CheckField> fields = {{kTagDisplayId, &record_.tagDisplay},
                                      {kAniDisplayId, &record_.aniDisplay},
                                      {kClearToTranspondId, &record_.clearToTranspond},
                                      {kPttCallId, &record_.pttCall}};
    for (int d = 0; d < 8; ++d) {
        fields.push_back(
            {kFirstDisplayDigitId + d, nullptr, &record_.displayDigits[std::size_t(d)]});
        fields.push_back(
            {kFirstCompareDigitId + d, nullptr, &record_.compareDigits[std::size_t(d)]});
    }
    return fields;
}

CFiveToneGeneralDlg::CFiveToneGeneralDlg(RadioImage& image, QWidget* parent)
    : CSignalingDialog(kTemplateId, tr("5-Tone General Parameters"), image, parent) {
    record_.Load(image);
    // Tags and digits can only be shown on the radio with the front keypad.
    const bool keypad = ImageHasFrontKeypad(image);

    // Left: the times.
    auto* delays = new QGroupBox(tr("Delay Time"), body());
    auto* delayForm = new QGridLayout(delays);
    auto* times = new QGridLayout;
    const struct {
        int id;
        const char* label;
        QGridLayout* form;
    } fields[] = {
        {kFirstDelayId, "Delay 1", delayForm},
        {kFirstDelayId + 1, "Delay 2", delayForm},
        {kFirstDelayId + 2, "Delay 3", delayForm},
        {kFirstDelayId + 3, "Delay 4", delayForm},
        {kFirstToneTimerId, "Delay 1st Dig", delayForm},
        {kTranspondDelayId, "Delay Trans", delayForm},
        {kAutoTxTimeId, "Auto TX Time", times},
        {kIdDecodeTimeId, "ID Decode Time", times},
        {kBeepRepeatId, "Beep Repeat Time", times},
    };
    for (const auto& f : fields) {
        const int id = f.id;
        CFilterEdit* field = AddField(id, kFilterDigitsSpace,
                                      IsSecondsField(id) ? kSecondsLength : kMillisecondsLength,
                                      FormatTime(id, *TimeField(id)));
        AddTextField(field, id, [this, field, id] {
            const std::string text = S(field->text());
            *TimeField(id) = IsSecondsField(id) ? FiveToneGeneral::SecondsFromText(text)
                                                : FiveToneGeneral::MillisecondsFromText(text);
            imageModified = 1;
            field->setText(Q(FormatTime(id, *TimeField(id))));
        });
        field->setMinimumWidth(75);
        const int row = f.form->rowCount();
        f.form->addWidget(new QLabel(tr(f.label), body()), row, 0);
        f.form->addWidget(field, row, 1);
    }

    // Middle: the lists.
    auto* lists = new QGridLayout;
    const struct {
        int id;
        const char* label;
        const ChoiceTexts& choices;
        unsigned* field;
    } listSpecs[] = {
        {kGroupToneId, "Tone Group", ToneDigitChoices(), &record_.groupTone},
        {kRepeatToneId, "Tone Repeat", ToneDigitChoices(), &record_.repeatTone},
        {kDelay3ToneId, "Tone Delay 3", Delay3ToneChoices(), &record_.delay3Tone},
        {kAutoResetTimeId, "Auto Reset Time", AutoResetTimeChoices(), &record_.autoResetTime},
        {kAutoResetBeepId, "Auto Reset Beep", DisableEnableChoices(), &record_.autoResetBeep},
        {kCallKey2Id, "Call Key 2", CallKeyChoices(), &record_.callKey2},
        {kCallKey3Id, "Call Key 3", CallKeyChoices(), &record_.callKey3},
    };
    for (const auto& l : listSpecs) {
        unsigned* field = l.field;
        CEnterComboBox* list =
            AddList(l.id, l.choices, *field, [field](unsigned v) { *field = v; });
        const int row = lists->rowCount();
        lists->addWidget(new QLabel(tr(l.label), body()), row, 0);
        lists->addWidget(list, row, 1);
    }

    // Right: the check boxes.
    auto addCheck = [this](int id, const QString& label, bool on, QWidget* parentBox) {
        auto* box = new QCheckBox(label, parentBox);
        box->setChecked(on);
        RegisterControl(box, id);
        return box;
    };
    auto* display = new QGroupBox(tr("Display Digit"), body());
    auto* displayForm = new QGridLayout(display);
    auto* compare = new QGroupBox(tr("Compare Digit"), body());
    auto* compareForm = new QGridLayout(compare);
    for (int d = 0; d < 8; ++d) {
        displayForm->addWidget(addCheck(kFirstDisplayDigitId + d, tr("Digit %1").arg(d + 1),
                                        record_.displayDigits[std::size_t(d)] != 0, display),
                               d % 4, d / 4);
        compareForm->addWidget(addCheck(kFirstCompareDigitId + d, tr("Digit %1").arg(d + 1),
                                        record_.compareDigits[std::size_t(d)] != 0, compare),
                               d % 4, d / 4);
    }
    QCheckBox* tag = addCheck(kTagDisplayId, tr("Tag Display"), record_.tagDisplay, body());
    QCheckBox* ani = addCheck(kAniDisplayId, tr("ANI Display"), record_.aniDisplay, body());
    QCheckBox* clear =
        addCheck(kClearToTranspondId, tr("Clear to Transpond"), record_.clearToTranspond, body());
    QCheckBox* ptt = addCheck(kPttCallId, tr("PTT Call"), record_.pttCall, body());
    tag->setEnabled(keypad);
    ani->setEnabled(keypad);
    display->setEnabled(keypad);  // and with it the eight digits

    auto* left = new QVBoxLayout;
    left->addWidget(delays);
    left->addLayout(times);
    left->addStretch();
    auto* middle = new QVBoxLayout;
    middle->addLayout(lists);
    middle->addStretch();
    auto* right = new QGridLayout;
    right->addWidget(tag, 0, 0);
    right->addWidget(ani, 0, 1);
    right->addWidget(display, 1, 0, 1, 2);
    right->addWidget(compare, 2, 0, 1, 2);
    right->addWidget(clear, 3, 0);
    right->addWidget(ptt, 3, 1);
    auto* form = new QHBoxLayout;
    form->addLayout(left);
    form->addLayout(middle);
    form->addLayout(right);
    FinishLayout(form, false);
}

void CFiveToneGeneralDlg::OnOk() {
    QWidget* focus = focusWidget();
    if (focus != okButton()) {
        if (auto* box = qobject_cast<QCheckBox*>(focus)) box->toggle();
        return;
    }
    for (const CheckField& f : CheckFields()) {
        auto* box = qobject_cast<QCheckBox*>(Control(f.id));
        if (!box) continue;
        const bool on = box->isChecked();
        const bool was = f.flag ? *f.flag : *f.bit != 0;
        if (on == was) continue;
        if (f.flag) *f.flag = on;
        if (f.bit) *f.bit = on ? 1 : 0;
        imageModified = 1;
    }
    record_.Store(image());
    accept();
}

}  // namespace kp07
