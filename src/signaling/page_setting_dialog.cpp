#include "signaling/page_setting_dialog.h"

#include <QFormLayout>

#include "widgets/enter_combo.h"

namespace kp07 {

CPageSettingDlg::CPageSettingDlg(RadioImage& image, QWidget* parent)
    : CSignalingDialog(kTemplateId, tr("Page Setting Parameters"), image, parent) {
    record_.Load(image);
    auto* form = new QFormLayout;
    const struct {
        int id;
        const char* label;
        const ChoiceTexts& choices;
        unsigned* field;
    } lists[] = {
        {kSpeedId, "DTMF Speed", PagingSpeedChoices(), &record_.dtmfSpeed},
        {kAnswerBackId, "Answer Back", DisabledEnabledTexts(), &record_.answerBack},
        {kCallTimesId, "Call Times", CallTimesChoices(), &record_.callTimes},
        {kAutoResetId, "Auto Reset Time", PagingAutoResetChoices(), &record_.autoResetTime},
    };
    for (const auto& entry : lists) {
        unsigned* field = entry.field;
        form->addRow(tr(entry.label),
                     AddList(entry.id, entry.choices, *field, [field](unsigned v) { *field = v; }));
    }
    FinishLayout(form, true);
}

void CPageSettingDlg::OnOk() {
    record_.Store(image());
    accept();
}

}  // namespace kp07
