#include "signaling/signaling_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/enter_combo.h"
#include "widgets/filter_edit.h"

namespace kp07 {

CSignalingDialog::CSignalingDialog(int templateId, const QString& caption, RadioImage& image,
                                   QWidget* parent)
    : CParamDialog(templateId, parent), image_(image) {
    setWindowTitle(caption);
}

QString CSignalingDialog::Q(const std::string& text) {
    return QString::fromLatin1(text.data(), int(text.size()));
}

std::string CSignalingDialog::S(const QString& text) {
    return text.toLatin1().toStdString();
}

CEnterComboBox* CSignalingDialog::AddListTakenOnOk(int id, const ChoiceTexts& choices,
                                                   unsigned value) {
    auto* list = new CEnterComboBox(body());
    list->SetChoices(choices);
    list->SelectChoice(value < choices.size() ? int(value) : -1);
    RegisterControl(list, id);
    return list;
}

CFilterEdit* CSignalingDialog::AddField(int id, int filter, int maxLength,
                                        const std::string& text) {
    auto* field = new CFilterEdit(body());
    field->SetFilterKind(filter);
    field->SetMaxTextLength(maxLength);
    field->setText(Q(text));
    RegisterControl(field, id);
    return field;
}

unsigned CSignalingDialog::ListValue(const CEnterComboBox* list, unsigned current) {
    const int index = list ? list->currentIndex() : -1;
    return index < 0 ? current : unsigned(index);
}

}  // namespace kp07
