#include "signaling/five_tone_user_tone_dialog.h"

#include <QGridLayout>
#include <QLabel>

#include "widgets/filter_edit.h"

namespace kp07 {
namespace {
constexpr int kToneLength = 4;
}

CFiveToneUserToneDlg::CFiveToneUserToneDlg(RadioImage& image, QWidget* parent)
    : CSignalingDialog(kTemplateId, tr("5-Tone User Tone"), image, parent) {
    record_.Load(image);
    auto* form = new QGridLayout;
    form->addWidget(new QLabel(tr("Frequency"), body()), 0, 1, Qt::AlignHCenter);
    for (int d = 0; d < kUserToneCount; ++d) {
        const std::size_t digit = std::size_t(d);
        CFilterEdit* tone = AddField(kFirstToneId + d, kFilterDigitsSpace, kToneLength,
                                     FiveToneUserTones::FormatTone(record_.tonesHz[digit]));
        AddTextField(tone, kFirstToneId + d, [this, tone, digit] {
            record_.tonesHz[digit] = FiveToneUserTones::ToneFromText(S(tone->text()));
            imageModified = 1;
            tone->setText(Q(FiveToneUserTones::FormatTone(record_.tonesHz[digit])));
        });
        const QChar name = QLatin1Char("0123456789ABCDE"[d]);
        form->addWidget(new QLabel(tr("User Tone %1").arg(name), body()), d + 1, 0);
        form->addWidget(tone, d + 1, 1);
    }
    FinishLayout(form, true);
}

void CFiveToneUserToneDlg::OnOk() {
    record_.Store(image());
    accept();
}

}  // namespace kp07
