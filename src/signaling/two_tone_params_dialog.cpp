#include "signaling/two_tone_params_dialog.h"

#include <QFormLayout>

#include "widgets/enter_combo.h"
#include "widgets/filter_edit.h"

namespace kp07 {
namespace {

constexpr int kListCount = 9;
constexpr int kBeepRepeatLength = 3;

struct ListSpec {
    const char* label;
    const ChoiceTexts& (*choices)();
};
// By control id, from 3401.
const ListSpec kLists[kListCount] = {
    {"Auto Reset Time", AutoResetTimeChoices},
    {"Auto Reset Beep", DisableEnableChoices},
    {"Primary Group Call", GroupCallChoices},
    {"Secondary Group Call", GroupCallChoices},
    {"Secondary Page Pair", PairChoices},
    {"CTCSS/DCS Complement", DisableEnableChoices},
    {"Duty", DutyChoices},
    {"Call Beep Tone", CallBeepToneChoices},
    {"Beep Mode", BeepModeChoices},
};

}  // namespace

CTwoToneParamsDlg::CTwoToneParamsDlg(RadioImage& image, QWidget* parent)
    : CSignalingDialog(kTemplateId, tr("2-Tone Parameters"), image, parent) {
    record_.Load(image);
    auto* form = new QFormLayout;
    for (int k = 0; k < kListCount; ++k) {
        const int id = kFirstListId + k;
        form->addRow(tr(kLists[k].label),
                     AddListTakenOnOk(id, kLists[k].choices(), *ListField(id)));
    }
    CFilterEdit* beep = AddField(kBeepRepeatId, kFilterDigitsSpace, kBeepRepeatLength,
                                 DtmfParams::FormatBeepRepeat(record_.twoTone.beepRepeatTime));
    beep->SetConsumeEnter(true);
    AddTextField(beep, kBeepRepeatId, [this] { CommitBeepRepeat(); });
    form->addRow(tr("Beep Repeat"), beep);
    FinishLayout(form, false);
}

unsigned* CTwoToneParamsDlg::ListField(int id) {
    TwoToneCommonSettings& s = record_.twoTone;
    unsigned* const fields[kListCount] = {&s.autoResetTime,
                                          &s.autoResetBeep,
                                          &s.primaryGroupCall,
                                          &s.secondaryGroupCall,
                                          &s.secondaryPagePair,
                                          &s.toneComplement,
                                          &s.duty,
                                          &s.callBeepTone,
                                          &s.beepMode};
    return fields[id - kFirstListId];
}

void CTwoToneParamsDlg::CommitBeepRepeat() {
    auto* beep = qobject_cast<CFilterEdit*>(Control(kBeepRepeatId));
    const unsigned seconds = DtmfParams::BeepRepeatFromText(S(beep->text()));
    beep->setText(Q(DtmfParams::FormatBeepRepeat(seconds)));
    beepRepeatCommitted_ = true;
}

void CTwoToneParamsDlg::OnOk() {
    for (int id = kFirstListId; id < kFirstListId + kListCount; ++id) {
        unsigned* field = ListField(id);
        const unsigned value = ListValue(qobject_cast<CEnterComboBox*>(Control(id)), *field);
        if (value != *field) {
            *field = value;
            imageModified = 1;
        }
    }
    auto* beep = qobject_cast<CFilterEdit*>(Control(kBeepRepeatId));
    if (beepRepeatCommitted_) {
        record_.twoTone.beepRepeatTime = DtmfParams::BeepRepeatFromText(S(beep->text()));
        imageModified = 1;
    }
    record_.Store(image());
    accept();
}

}  // namespace kp07
