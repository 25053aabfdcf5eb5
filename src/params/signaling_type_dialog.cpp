#include "params/signaling_type_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "blocks/channel_table.h"
#include "blocks/image_ops.h"
#include "blocks/signaling_type.h"
#include "params/choice_combo.h"
#include "widgets/enter_combo.h"

namespace kp07 {

CSignalingTypeDlg::CSignalingTypeDlg(QWidget* parent) : CParamDialog(kTemplateId, parent) {
    setWindowTitle(tr("Signaling Type"));
    FitHelpLines(this, {kSignalingId});
    list_ = new CEnterComboBox(body());
    RegisterControl(list_, kSignalingId);
    FillChoices(list_, SignalingTypeTexts());
    list_->setCurrentIndex(int(signalingType->type));
    // The choice takes effect with OK; the change alone marks the document.
    connect(list_, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [] { imageModified = 1; });

    auto* grid = new QGridLayout;
    AddFormRow(grid, 0, 0, tr("Signaling"), list_);

    auto* ok = new QPushButton(tr("OK"), body());
    cancel_ = new QPushButton(tr("Cancel"), body());
    SetOkButton(ok, true);
    connect(cancel_, &QPushButton::clicked, this, &CSignalingTypeDlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(body());
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void CSignalingTypeDlg::OnOk() {
    const int chosen = list_->currentIndex();
    if (chosen >= 0 && channels) {
        signalingChanged_ =
            ChangeSignalingType(*signalingType, unsigned(chosen), *channels, *radioImage);
    }
    accept();
}

}  // namespace kp07
