#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("KP07XT for KR-318"));
    window.resize(835, 540);
    window.show();
    return app.exec();
}
