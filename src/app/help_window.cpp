#include "app/help_window.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QKeySequence>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolBar>

#include "resources/help_contexts.h"
#include "resources/icons_qt.h"

// The pages live in a static library: its resources are registered by hand
// before the first use.
static void RegisterHelpResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(help);
        return true;
    }();
    (void)registered;
}

namespace kp07 {
namespace {

const char kHelpFolder[] = ":/help/";

QPointer<HelpWindow> theWindow;

}  // namespace

QUrl HelpWindow::PageUrl(const std::string& page, const std::string& anchor) {
    RegisterHelpResources();
    QUrl url(QStringLiteral("qrc") + QLatin1String(kHelpFolder) + QString::fromStdString(page));
    if (!anchor.empty()) url.setFragment(QString::fromStdString(anchor));
    return url;
}

bool HelpWindow::PageExists(const std::string& page) {
    RegisterHelpResources();
    return QFile::exists(QLatin1String(kHelpFolder) + QString::fromStdString(page));
}

HelpWindow::HelpWindow(QWidget* frame) : QMainWindow(frame, Qt::Window), frame_(frame) {
    RegisterHelpResources();
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(ProgramIcon());
    resize(720, 560);

    browser_ = new QTextBrowser(this);
    // The pages share one style sheet; the text browser takes it as the
    // document's default rather than from the pages' link to it.
    QFile css(QLatin1String(kHelpFolder) + QStringLiteral("help.css"));
    if (css.open(QIODevice::ReadOnly))
        browser_->document()->setDefaultStyleSheet(QString::fromUtf8(css.readAll()));
    browser_->document()->setDocumentMargin(12);
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);
    setCentralWidget(browser_);

    QToolBar* bar = addToolBar(tr("Navigation"));
    bar->setMovable(false);
    back_ = bar->addAction(tr("Back"), browser_, &QTextBrowser::backward);
    back_->setShortcut(QKeySequence::Back);
    back_->setEnabled(false);
    forward_ = bar->addAction(tr("Forward"), browser_, &QTextBrowser::forward);
    forward_->setShortcut(QKeySequence::Forward);
    forward_->setEnabled(false);
    contents_ = bar->addAction(tr("Contents"), this,
                               [this] { browser_->setSource(PageUrl(kHelpContentsPage, "")); });
    contents_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        MarkEntry(url.fragment());
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? tr("KP07XT Help") : tr("KP07XT Help - %1").arg(title));
    });
}

HelpWindow* HelpWindow::Show(const QUrl& url, QWidget* frame, QWidget* asking) {
    if (!theWindow) theWindow = new HelpWindow(frame);
    theWindow->Attach(asking);
    theWindow->Open(url);
    theWindow->show();
    theWindow->raise();
    theWindow->activateWindow();
    return theWindow;
}

HelpWindow* HelpWindow::Current() {
    return theWindow;
}

QUrl HelpWindow::source() const {
    return browser_->source();
}

void HelpWindow::Open(const QUrl& url) {
    // The same page at another anchor only scrolls; setSource ignores a
    // request for the address it already shows.
    if (url == browser_->source() && url.hasFragment()) {
        browser_->scrollToAnchor(url.fragment());
        MarkEntry(url.fragment());
        return;
    }
    browser_->setSource(url);
}

void HelpWindow::MarkEntry(const QString& anchor) {
    // The entry the topic opened at is selected, so that it stands out also
    // when the page cannot scroll it to the top.
    QTextCursor mark(browser_->document());
    if (!anchor.isEmpty()) {
        for (QTextBlock block = browser_->document()->begin(); block.isValid();
             block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                if (!it.fragment().charFormat().anchorNames().contains(anchor)) continue;
                mark.setPosition(block.position());
                mark.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
                break;
            }
            if (mark.hasSelection()) break;
        }
    }
    const int scrolled = browser_->verticalScrollBar()->value();
    browser_->setTextCursor(mark);
    browser_->verticalScrollBar()->setValue(scrolled);
}

void HelpWindow::Attach(QWidget* asking) {
    auto* dialog = qobject_cast<QDialog*>(asking);
    if (asking == frame_ || !dialog) dialog = nullptr;
    QWidget* owner = dialog ? static_cast<QWidget*>(dialog) : frame_.data();
    if (parentWidget() == owner) return;
    if (dialog_) disconnect(dialog_, nullptr, this, nullptr);
    dialog_ = dialog;
    const QRect place = geometry();
    const bool shown = isVisible();
    setParent(owner, Qt::Window);
    if (shown) setGeometry(place);
    if (dialog_) connect(dialog_, &QDialog::finished, this, &HelpWindow::DialogFinished);
}

void HelpWindow::DialogFinished() {
    // The window goes to the dialog that is modal now (a list closed over
    // its dialog), or back to the frame, and stays open.
    QWidget* next = QApplication::activeModalWidget();
    if (next == dialog_) next = nullptr;
    const bool shown = isVisible();
    Attach(next ? next : frame_.data());
    if (shown) show();
}

}  // namespace kp07
