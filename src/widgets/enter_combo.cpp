#include "widgets/enter_combo.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace kp07 {

CEnterComboBox::CEnterComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
}

void CEnterComboBox::SetChoices(const std::vector<std::string>& texts) {
    const QSignalBlocker quiet(this);
    clear();
    for (const std::string& t : texts) addItem(QString::fromLatin1(t.data(), int(t.size())));
}

void CEnterComboBox::SelectChoice(int index) {
    const QSignalBlocker quiet(this);
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

void CEnterComboBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        showPopup();
        return;
    }
    QComboBox::keyPressEvent(event);
}

}  // namespace kp07
