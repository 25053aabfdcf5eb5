#include "signaling/two_tone_encode_dialog.h"

#include <QFormLayout>

#include "blocks/dtmf_params.h"
#include "widgets/enter_combo.h"
#include "widgets/filter_edit.h"

namespace kp07 {
namespace {
constexpr int kPeriodLength = 4;
}

CTwoToneEncodeDlg::CTwoToneEncodeDlg(RadioImage& image, QWidget* parent)
    : CSignalingDialog(kTemplateId, tr("2-Tone Encode"), image, parent) {
    record_.Load(image);
    auto* form = new QFormLayout;
    form->addRow(tr("Encode Type"),
                 AddListTakenOnOk(kTypeId, EncodeTypeChoices(), record_.encodeType));
    form->addRow(tr("Encode Format Pair#"),
                 AddListTakenOnOk(kPairId, PairChoices(), record_.encodePair));
    const struct {
        int id;
        const char* label;
        unsigned tenths;
    } periods[] = {{kFirstPeriodId, "1st Tone Period Time", record_.firstTonePeriod},
                   {kSecondPeriodId, "2nd Tone Period Time", record_.secondTonePeriod}};
    for (const auto& p : periods) {
        CFilterEdit* field = AddField(p.id, kFilterDecimal, kPeriodLength,
                                      TwoToneGeneral::FormatTonePeriod(p.tenths / 10.0));
        field->SetConsumeEnter(true);
        const int id = p.id;
        AddTextField(field, id, [this, id] { CommitPeriod(id); });
        form->addRow(tr(p.label), field);
    }
    FinishLayout(form, false);
}

void CTwoToneEncodeDlg::CommitPeriod(int id) {
    auto* field = qobject_cast<CFilterEdit*>(Control(id));
    const double seconds = TwoToneGeneral::TonePeriodFromText(S(field->text()));
    field->setText(Q(TwoToneGeneral::FormatTonePeriod(seconds)));
    committed_[id - kFirstPeriodId] = true;
}

void CTwoToneEncodeDlg::OnOk() {
    const unsigned type =
        ListValue(qobject_cast<CEnterComboBox*>(Control(kTypeId)), record_.encodeType);
    const unsigned pair =
        ListValue(qobject_cast<CEnterComboBox*>(Control(kPairId)), record_.encodePair);
    if (type != record_.encodeType || pair != record_.encodePair) imageModified = 1;
    record_.encodeType = type;
    record_.encodePair = pair;
    unsigned* const tenths[2] = {&record_.firstTonePeriod, &record_.secondTonePeriod};
    for (int k = 0; k < 2; ++k) {
        if (!committed_[k]) continue;
        auto* field = qobject_cast<CFilterEdit*>(Control(kFirstPeriodId + k));
        *tenths[k] = TwoToneGeneral::TonePeriodTenths(S(field->text()));
        imageModified = 1;
    }
    record_.Store(image());
    accept();
}

}  // namespace kp07
