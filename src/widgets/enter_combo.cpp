#include "widgets/enter_combo.h"

#include <QKeyEvent>

namespace kp07 {

CEnterComboBox::CEnterComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
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
