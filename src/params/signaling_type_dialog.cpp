#include "params/signaling_type_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "blocks/channel_table.h"
#include "blocks/image_ops.h"
#include "blocks/signaling_type.h"
#include "widgets/enter_combo.h"

namespace kp07 {

CSignalingTypeDlg::CSignalingTypeDlg(RadioImage& image, QWidget* parent)
    : CParamDialog(kTemplateId, parent), image_(image), chosen_(signalingType->type) {
    setWindowTitle(QStringLiteral("Signaling Type"));
    // The choice takes effect with OK.
    list_ =
        AddList(kSignalingId, SignalingTypeTexts(), chosen_, [this](unsigned i) { chosen_ = i; });
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Signaling"), list_);

    auto* ok = new QPushButton(QStringLiteral("OK"), body());
    cancel_ = new QPushButton(QStringLiteral("Cancel"), body());
    SetOkButton(ok, true);
    connect(cancel_, &QPushButton::clicked, this, &CSignalingTypeDlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(body());
    layout->addLayout(form);
    layout->addLayout(buttons);
}

void CSignalingTypeDlg::OnOk() {
    if (channels) {
        signalingChanged_ = ChangeSignalingType(*signalingType, chosen_, *channels, image_);
    }
    accept();
}

}  // namespace kp07
