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
        const ChoiceList& choices;
        unsigned* field;
    } lists[] = {
        {kSpeedId, "DTMF Speed", PagingSpeedChoices(), &record_.dtmfSpeed},
        {kAnswerBackId, "Answer Back", AnswerBackChoices(), &record_.answerBack},
        {kCallTimesId, "Call Times", CallTimesChoices(), &record_.callTimes},
        {kAutoResetId, "Auto Reset Time", PagingAutoResetChoices(), &record_.autoResetTime},
    };
    for (const auto& entry : lists) {
        CEnterComboBox* list = AddList(entry.id, entry.choices, *entry.field);
        form->addRow(tr(entry.label), list);
        unsigned* field = entry.field;
        connect(list, qOverload<int>(&QComboBox::currentIndexChanged), this, [field](int index) {
            if (index < 0) return;
            *field = unsigned(index);
            imageModified = 1;
        });
    }
    FinishLayout(form, true);
}

void CPageSettingDlg::OnOk() {
    record_.Store(image());
    accept();
}

}  // namespace kp07
