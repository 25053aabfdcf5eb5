#include "signaling/five_tone_format_dialog.h"

#include <QGridLayout>
#include <QLabel>

#include "widgets/filter_edit.h"

namespace kp07 {
namespace {
constexpr int kPeriodLength = 3;
constexpr int kGapLength = 5;
}  // namespace

CFiveToneFormatDlg::CFiveToneFormatDlg(RadioImage& image, QWidget* parent)
    : CSignalingDialog(kTemplateId, tr("5-Tone Format Timing"), image, parent) {
    record_.Load(image);
    auto* form = new QGridLayout;
    form->addWidget(new QLabel(tr("Period Time"), body()), 0, 1, Qt::AlignHCenter);
    form->addWidget(new QLabel(tr("Receive Gap Period"), body()), 0, 2, Qt::AlignHCenter);
    for (int k = 0; k < kFiveToneFormatCount; ++k) {
        const std::size_t f = std::size_t(k);
        CFilterEdit* period = AddField(kFirstPeriodId + k, kFilterDigitsSpace, kPeriodLength,
                                       FiveToneFormat::FormatPeriod(record_.periods[f]));
        AddTextField(period, kFirstPeriodId + k, [this, period, f] {
            record_.periods[f] = FiveToneFormat::PeriodFromText(S(period->text()));
            imageModified = 1;
            period->setText(Q(FiveToneFormat::FormatPeriod(record_.periods[f])));
        });
        CFilterEdit* gap = AddField(kFirstGapId + k, kFilterDecimal, kGapLength,
                                    FiveToneFormat::FormatGap(record_.gaps[f]));
        AddTextField(gap, kFirstGapId + k, [this, gap, f] {
            record_.gaps[f] = FiveToneFormat::GapFromText(S(gap->text()));
            imageModified = 1;
            gap->setText(Q(FiveToneFormat::FormatGap(record_.gaps[f])));
        });
        form->addWidget(new QLabel(QString::fromLatin1(kFiveToneFormatNames[f]), body()), k + 1, 0);
        form->addWidget(period, k + 1, 1);
        form->addWidget(gap, k + 1, 2);
    }
    FinishLayout(form, true);
}

void CFiveToneFormatDlg::OnOk() {
    record_.Store(image());
    accept();
}

}  // namespace kp07
