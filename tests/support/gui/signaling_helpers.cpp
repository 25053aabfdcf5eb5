#include "support/gui/signaling_helpers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "blocks/dtmf_params.h"
#include "blocks/image_ops.h"
#include "blocks/signaling_type.h"
#include "blocks/two_tone_general.h"
#include "blocks/two_tone_systems.h"
#include "params/param_dialog.h"

namespace kp07::test {

RadioImage NewFiveToneImage() {
    RadioImage image{};
    FillDefaults(image);
    return image;
}

RadioImage NewTwoToneImage() {
    RadioImage image = NewFiveToneImage();
    SignalingType type;
    type.type = kTwoTone;
    type.Store(image);
    DtmfParams dtmf;
    dtmf.Load(image);
    dtmf.ClearCodesForTwoTone();
    dtmf.SetTwoToneDefaults();
    dtmf.Store(image);
    TwoToneSystems::ClearAll(image);
    TwoToneSystems systems;
    systems.SetDefaults();
    systems.Store(image);
    TwoToneGeneral encode;
    encode.SetDefaults();
    encode.Store(image);
    return image;
}

QString Shown(const CParamDialog& dialog, int id) {
    QWidget* control = dialog.Control(id);
    if (auto* list = qobject_cast<QComboBox*>(control)) return list->currentText();
    if (auto* field = qobject_cast<QLineEdit*>(control)) return field->text();
    return QStringLiteral("<no control %1>").arg(id);
}

void TypeAndEnter(CParamDialog& dialog, int id, const QString& text) {
    QWidget* field = dialog.Control(id);
    if (!field) return;
    field->setFocus();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

}  // namespace kp07::test
