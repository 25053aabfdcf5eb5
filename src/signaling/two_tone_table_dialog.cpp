#include "signaling/two_tone_table_dialog.h"

#include <QGridLayout>
#include <QLabel>

#include "widgets/choice_list_dialog.h"
#include "widgets/enter_combo.h"
#include "widgets/filter_edit.h"

namespace kp07 {
namespace {

constexpr int kToneLength = 6;
// Wide enough for the longest label, "10-1513.5".
constexpr int kChooserColumnWidth = 90;

ChoiceTexts GroupNames() {
    ChoiceTexts names;
    for (PairGroup g : {PairGroup::kOff, PairGroup::kMotorola, PairGroup::kGeType99,
                        PairGroup::kPlectron, PairGroup::kReach, PairGroup::kCustom}) {
        names.push_back(PairGroupName(g));
    }
    return names;
}

}  // namespace

CTwoToneTableDlg::CTwoToneTableDlg(RadioImage& image, QWidget* parent)
    : CSignalingDialog(kTemplateId, tr("2-Tone Table Parameters"), image, parent) {
    record_.Load(image);
    chooser_ = [this](const std::vector<std::string>& labels, int selected) {
        CToneListDlg dialog(tr("2-Tone Frequency").toStdString(), labels, selected,
                            kChooserColumnWidth, this);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedIndex() : -1;
    };

    auto* form = new QGridLayout;
    form->addWidget(new QLabel(tr("Pair#"), body()), 0, 0);
    form->addWidget(new QLabel(tr("1st"), body()), 0, 1, Qt::AlignHCenter);
    form->addWidget(new QLabel(tr("2nd"), body()), 0, 2, Qt::AlignHCenter);
    const ChoiceTexts groups = GroupNames();
    for (int p = 0; p < kTwoTonePairCount; ++p) {
        form->addWidget(new QLabel(QString::number(p + 1), body()), p + 1, 0, Qt::AlignHCenter);
        // The pair's group is kept for the choosers but never shown.
        CEnterComboBox* group = AddListTakenOnOk(kFirstGroupId + kIdsPerPair * p, groups,
                                                 unsigned(record_.pairs[std::size_t(p)].group));
        group->hide();
        for (bool second : {false, true}) {
            CFilterEdit* tone = AddField(ToneId(p, second), kFilterDecimal, kToneLength, "");
            tone->SetConsumeEnter(true);
            AddTextField(tone, ToneId(p, second), [this, p, second] { CommitTone(p, second); });
            // After the field's own Enter (and any commit), the chooser.
            connect(tone, &CFilterEdit::enterOrDoubleClick, this,
                    [this, p, second] { ChooseTone(p, second); });
            tone->setMinimumWidth(90);
            form->addWidget(tone, p + 1, second ? 2 : 1);
        }
        ShowPair(p);
    }
    FinishLayout(form, false);
}

unsigned& CTwoToneTableDlg::Tone(int pair, bool second) {
    TwoTonePair& p = record_.pairs[std::size_t(pair)];
    return second ? p.secondTenths : p.firstTenths;
}

void CTwoToneTableDlg::ShowPair(int pair) {
    record_.pairs[std::size_t(pair)].group = DerivePairGroup(Tone(pair, false), Tone(pair, true));
    if (auto* group = qobject_cast<CEnterComboBox*>(Control(kFirstGroupId + kIdsPerPair * pair)))
        group->setCurrentIndex(int(record_.pairs[std::size_t(pair)].group));
    for (bool second : {false, true}) {
        if (auto* tone = qobject_cast<CFilterEdit*>(Control(ToneId(pair, second))))
            tone->setText(Q(DtmfParams::FormatPairFrequency(Tone(pair, second))));
    }
}

void CTwoToneTableDlg::CommitTone(int pair, bool second) {
    auto* tone = qobject_cast<CFilterEdit*>(Control(ToneId(pair, second)));
    // Nothing typed (the field only passed through editing on its way to
    // the chooser): the tone stays, also one of the plans beyond the range
    // a typed value is held to.
    if (!tone->typedSinceEditingBegan()) {
        ShowPair(pair);
        return;
    }
    Tone(pair, second) = DtmfParams::PairFrequencyFromText(S(tone->text()));
    imageModified = 1;
    ShowPair(pair);
}

void CTwoToneTableDlg::ChooseTone(int pair, bool second) {
    // The field leaves its editing state (and commits what was typed) as the
    // chooser takes the focus, so that it then shows the whole chosen value.
    QWidget* field = Control(ToneId(pair, second));
    if (field) field->clearFocus();
    const std::vector<ToneChoice> items = ToneChooserItems();
    std::vector<std::string> labels;
    int selected = -1;
    for (const ToneChoice& item : items) {
        if (selected < 0 && item.tenths == Tone(pair, second)) selected = int(labels.size());
        labels.push_back(item.label);
    }
    const int chosen = chooser_ ? chooser_(labels, selected) : -1;
    if (field) field->setFocus();
    if (chosen < 0 || chosen >= int(labels.size())) return;
    // A plan heading stands for no frequency.
    const std::optional<unsigned> tenths = FrequencyFromLabel(labels[std::size_t(chosen)]);
    if (!tenths) return;
    Tone(pair, second) = *tenths;
    imageModified = 1;
    ShowPair(pair);
}

void CTwoToneTableDlg::OnOk() {
    record_.Store(image());
    accept();
}

}  // namespace kp07
