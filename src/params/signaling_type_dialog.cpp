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

    FinishLayout(form, true);
}

void CSignalingTypeDlg::OnOk() {
    if (channels) {
        signalingChanged_ = ChangeSignalingType(*signalingType, chosen_, *channels, image_);
    }
    accept();
}

}  // namespace kp07
