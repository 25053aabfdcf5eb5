#include "support/gui/gui_helpers.h"

#include <QApplication>
#include <QTest>

namespace kp07::test {

bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

}  // namespace kp07::test
