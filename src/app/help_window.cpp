#include "app/help_window.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace kp07 {
namespace {

QPointer<QTextBrowser> window;
int currentContext = 0;

// Topics exported from the help file as HTML pages live in a folder named
// like the help file, one page per topic ("<context>.html").
QString TopicPage(const QString& helpFile, int context) {
    const QFileInfo info(helpFile);
    return info.absolutePath() + "/" + info.completeBaseName() + "/" + QString::number(context) +
           ".html";
}

}  // namespace

void HelpWindow::Show(const QString& helpFile, int context, QWidget* parent) {
    if (!window) {
        window = new QTextBrowser(parent);
        window->setWindowFlag(Qt::Window);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setOpenExternalLinks(true);
        window->resize(640, 480);
    }
    currentContext = context;
    window->setWindowTitle(QStringLiteral("KP07XT Help - topic %1").arg(context));
    const QString page = TopicPage(helpFile, context);
    if (QFileInfo::exists(page)) {
        window->setSource(QUrl::fromLocalFile(page));
    } else {
        window->setHtml(
            QStringLiteral("<h3>Help topic %1</h3><p>The help file <a href=\"%2\">%3</a> "
                           "has no page for this topic in <tt>%4</tt>. Open the help "
                           "file itself with the link to read it in the desktop's "
                           "help viewer.</p>")
                .arg(context)
                .arg(QUrl::fromLocalFile(helpFile).toString(), helpFile.toHtmlEscaped(),
                     QFileInfo(page).absolutePath().toHtmlEscaped()));
    }
    window->show();
    window->raise();
    window->activateWindow();
}

int HelpWindow::CurrentContext() {
    return currentContext;
}

}  // namespace kp07
