#include <QApplication>
#include <clocale>

#include "app/app_instance.h"
#include "app/help_window.h"
#include "params/param_dialog.h"
#include "resources/icons_qt.h"
#include "resources/message_box_qt.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Numbers are written and read with a decimal point whatever the
    // desktop's language: the radio's values are not locale text.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("KP07XT"));
    // Dialogs and message boxes carry the program's icon too.
    QApplication::setWindowIcon(kp07::ProgramIcon());

    kp07::InstallQtMessageBackend();

    kp07::Application instance;
    if (!instance.InitInstance(QApplication::arguments().mid(1))) return 1;
    return app.exec();
}
