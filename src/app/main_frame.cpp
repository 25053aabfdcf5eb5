#include "app/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "app/app_profile.h"
#include "app/help_requests.h"
#include "app/help_window.h"
#include "blocks/channel_table.h"
#include "blocks/image_ops.h"
#include "blocks/signaling_type.h"
#include "channels/view_api.h"
#include "channels/visible_items.h"
#include "document/data_file.h"
#include "image/process_state.h"
#include "resources/command_ids.h"
#include "resources/help_contexts.h"
#include "resources/icons_qt.h"
#include "resources/menu_table.h"
#include "resources/message.h"
#include "resources/strings.h"

namespace kp07 {
namespace {

constexpr int kTitleStringId = 135;
constexpr int kIdleMessageId = 57345;

// Commands that act on the field with the focus, not on the document.
bool ActsOnTheFocusedField(int id) {
    switch (id) {
        case cmd::kCopy:
        case cmd::kPaste:
        case cmd::kHelpIndex:
        case cmd::kHelpContext:
        case cmd::kHelpDefault:
            return true;
        default:
            return false;
    }
}

QString Text(int id) {
    return QString::fromStdString(LoadString(id));
}

const char* ToolbarText(int id) {
    switch (id) {
        case cmd::kToolbarUpload:
            return "Upload";
        case cmd::kToolbarDownload:
            return "Download";
        default:
            return nullptr;
    }
}

}  // namespace

CMainFrame::CMainFrame(CKP05Doc& doc, AppProfile& profile, QWidget* parent)
    : QMainWindow(parent), doc_(doc), profile_(profile), now_([] { return QTime::currentTime(); }) {
    setMinimumSize(kMinWidth, kMinHeight);
    setWindowIcon(ProgramIcon());
    resize(profile_.WindowSize());
    CreateMenus();
    CreateToolbar();
    CreateStatusBar();
    SetTitle(currentFileName);

    // The commands the frame carries out itself.
    SetCommandHandler(cmd::kNew, [this] { doc_.OnFileNew(); });
    SetCommandHandler(cmd::kOpen, [this] {
        if (doc_.OnFileOpen()) AddRecentFile(QString::fromStdString(currentFileName));
    });
    SetCommandHandler(cmd::kSave, [this] {
        if (doc_.OnFileSave()) AddRecentFile(QString::fromStdString(currentFileName));
    });
    SetCommandHandler(cmd::kSaveAs, [this] {
        if (doc_.OnFileSaveAs()) AddRecentFile(QString::fromStdString(currentFileName));
    });
    SetCommandHandler(cmd::kExit, [this] { close(); });
    SetCommandHandler(cmd::kHelpIndex, [this] { ShowHelp(kHelpContentsContext); });
    // F1 on a menu entry and in dialogs without a topic of their own.
    qApp->installEventFilter(new HelpKeyFilter(*this));
    SetCommandHandler(cmd::kToolbar, [this] {
        if (auto* bar = findChild<QToolBar*>()) bar->setVisible(!bar->isVisible());
    });
    SetCommandHandler(cmd::kStatusBar,
                      [this] { statusBar()->setVisible(!statusBar()->isVisible()); });
    SetCommandHandler(cmd::kCopy, [this] {
        if (view_) view_->Copy();
    });
    SetCommandHandler(cmd::kPaste, [this] {
        if (view_) view_->Paste();
    });

    // F10 opens the menu bar on its first menu, as the status bar's hint
    // promises.
    auto* menus = new QAction(this);
    menus->setShortcut(QKeySequence(Qt::Key_F10));
    connect(menus, &QAction::triggered, this, [this] {
        const QList<QAction*> tops = menuBar()->actions();
        if (!tops.isEmpty()) menuBar()->setActiveAction(tops.first());
    });
    addAction(menus);

    clockTimer_ = new QTimer(this);
    connect(clockTimer_, &QTimer::timeout, this, &CMainFrame::UpdateClock);
    clockTimer_->start(1000);
    UpdateClock();

    // Centre on the screen.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

CMainFrame::~CMainFrame() {
    WriteProfile();
}

// ------------------------------------------------------------------ commands

void CMainFrame::CreateMenus() {
    for (const Menu& menu : MainMenus()) {
        QMenu* top = menuBar()->addMenu(QString::fromUtf8(menu.title));
        QMenu* current = top;
        for (const MenuItem& item : menu.items) {
            switch (item.kind) {
                case MenuItem::kSeparator:
                    current->addSeparator();
                    break;
                case MenuItem::kSubmenu:
                    current = top->addMenu(QString::fromUtf8(item.text));
                    break;
                case MenuItem::kEndSubmenu:
                    current = top;
                    break;
                case MenuItem::kRecentFiles:
                    for (int i = 0; i < 4; ++i) {
                        QAction* a = current->addAction(QString());
                        a->setVisible(false);
                        connect(a, &QAction::triggered, this, [this, i] { OpenRecentFile(i); });
                        recentActions_ << a;
                        actions_.insert(cmd::kRecentFirst + i, a);
                    }
                    break;
                case MenuItem::kCommand: {
                    QAction* a = current->addAction(QString::fromUtf8(item.text));
                    a->setData(item.id);
                    if (*item.shortcut)
                        a->setShortcut(QKeySequence(QString::fromUtf8(item.shortcut)));
                    a->setCheckable(item.checkable);
                    a->setStatusTip(Text(item.id));
                    a->setEnabled(false);
                    const int id = item.id;
                    connect(a, &QAction::triggered, this, [this, id] { Trigger(id); });
                    actions_.insert(id, a);
                    break;
                }
            }
        }
    }
    // Ctrl+Insert and Shift+Insert copy and paste as well.
    if (QAction* copy = Action(cmd::kCopy)) {
        copy->setShortcuts({QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Ins")});
    }
    if (QAction* paste = Action(cmd::kPaste)) {
        paste->setShortcuts({QKeySequence("Ctrl+V"), QKeySequence("Shift+Ins")});
    }
    UpdateRecentFiles();
}

void CMainFrame::CreateToolbar() {
    QToolBar* bar = addToolBar("Standard");
    bar->setObjectName("toolbar");
    bar->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : ToolbarCommands()) {
        if (id == 0) {
            bar->addSeparator();
            continue;
        }
        QAction* a = actions_.value(id);
        if (!a) {
            // Toolbar-only commands: Upload and Download.
            a = new QAction(QString::fromUtf8(ToolbarText(id)), this);
            a->setData(id);
            a->setStatusTip(Text(id));
            a->setEnabled(false);
            connect(a, &QAction::triggered, this, [this, id] { Trigger(id); });
            actions_.insert(id, a);
        }
        a->setIcon(CommandIcon(id));
        a->setToolTip(a->text().remove('&').remove("..."));
        bar->addAction(a);
    }
}

void CMainFrame::CreateStatusBar() {
    messagePane_ = new QLabel(Text(kIdleMessageId), this);
    statusBar()->addWidget(messagePane_, 1);
    for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
        auto* pane = new QLabel(indicator, this);
        pane->setEnabled(false);  // the lock states are not shown
        statusBar()->addPermanentWidget(pane);
    }
    clockPane_ = new QLabel("00:00", this);
    clockPane_->setObjectName("clock");
    clockPane_->setMinimumWidth(clockPane_->fontMetrics().horizontalAdvance("00:00") + 8);
    clockPane_->setAlignment(Qt::AlignCenter);
    statusBar()->addPermanentWidget(clockPane_);
    // Menu status tips take the message pane for a while; the idle text
    // comes back when they leave.
    connect(statusBar(), &QStatusBar::messageChanged, this,
            [this](const QString& message) { messagePane_->setVisible(message.isEmpty()); });
}

void CMainFrame::SetCommandHandler(int id, std::function<void()> handler) {
    handlers_.insert(id, std::move(handler));
    UpdateCommandStates();
}

QAction* CMainFrame::Action(int id) const {
    return actions_.value(id, nullptr);
}

void CMainFrame::Trigger(int id) {
    if (!handlers_.contains(id)) return;
    const QAction* a = Action(id);
    if (a && !a->isEnabled()) return;
    // What is being typed in the view belongs to the document before a
    // command works with it; Copy, Paste and help act on the field itself.
    if (view_ && !ActsOnTheFocusedField(id)) view_->FinishEditing();
    // A copy: the handler may replace itself while it runs.
    const std::function<void()> handler = handlers_.value(id);
    if (handler) handler();
    UpdateCommandStates();
}

void CMainFrame::SetFiveToneMenus(bool fiveTone) {
    fiveToneMenus_ = fiveTone;
    UpdateCommandStates();
}

void CMainFrame::UpdateCommandStates() {
    for (auto it = actions_.begin(); it != actions_.end(); ++it) {
        const int id = it.key();
        if (id >= cmd::kRecentFirst && id <= cmd::kRecentLast) continue;
        QAction* a = it.value();
        bool enabled = handlers_.contains(id) && MaskAllowsCommand(id, fiveToneMenus_);
        const int item = ViewItemOfCommand(id);
        if (item >= 0) {
            a->setChecked(visibleItems[std::size_t(item)] != 0);
        } else if (id == cmd::kCopy) {
            enabled = enabled && view_ && view_->CanCopy();
        } else if (id == cmd::kPaste) {
            enabled = enabled && view_ && view_->CanPaste();
        } else if (id == cmd::kToolbar) {
            const auto* bar = findChild<QToolBar*>();
            a->setChecked(bar && !bar->isHidden());
        } else if (id == cmd::kStatusBar) {
            a->setChecked(!statusBar()->isHidden());
        }
        a->setEnabled(enabled);
    }
}

// ---------------------------------------------------------- dialog bracket

void CMainFrame::RunDialogCommand(const std::function<int()>& dialog, bool reload) {
    RebuildImage(*radioImage);
    const int code = dialog();
    if (reload) LoadPersistentBlocks(*radioImage);
    ApplyRefresh(code);
}

void CMainFrame::ApplyRefresh(int code) {
    switch (code) {
        case kRefreshAll:
            // The view stays on its group; a completed Upload has chosen the
            // first group before.
            if (channels) channels->SelectGroup(channels->currentGroup);
            if (view_) view_->RefreshView();
            SetFiveToneMenus(IsFiveTone(*radioImage));
            break;
        case kRefreshFacts:
            if (view_) view_->ShowRadioFacts();
            break;
        case kRefreshBand:
            doc_.TakeBandDefaultFile(hardware && hardware->IsUpperBand() ? 1 : 0);
            if (channels) channels->SelectGroup(0);
            if (view_) view_->RefreshView();
            break;
        default:
            break;
    }
}

// -------------------------------------------------------------------- view

void CMainFrame::SetView(QWidget* widget, ChannelViewApi* view) {
    setCentralWidget(widget);
    view_ = view;
    UpdateCommandStates();
}

// After New and Open the channel table is a fresh one on its first group;
// after Save it is the same table, and the view keeps the group it shows.
void CMainFrame::RefreshViews() {
    if (channels) channels->SelectGroup(channels->currentGroup);
    if (view_) view_->RefreshView();
    UpdateCommandStates();
}

void CMainFrame::SignalingFamilyChanged(bool fiveTone) {
    SetFiveToneMenus(fiveTone);
}

// ------------------------------------------------------------------- title

void CMainFrame::BringToFront() {
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

QString CMainFrame::FrameTitle() const {
    QString title = factoryMode ? QStringLiteral("KP07XT for KR-318 (M)") : Text(kTitleStringId);
    if (productionMode) title += QStringLiteral(" (Factory mode)");
    return title;
}

void CMainFrame::SetTitle(const std::string& title) {
    documentTitle_ = QString::fromStdString(title);
    setWindowTitle(documentTitle_ + " - " + FrameTitle());
}

// ------------------------------------------------------------------- files

QString CMainFrame::ChooseFile(bool save) {
    if (fileChooser) return fileChooser(save);
    const QString filter = QStringLiteral("KP07 Files(*.K07)");
    if (!save) return QFileDialog::getOpenFileName(this, tr("Open"), QString(), filter);
    QFileDialog dialog(this, tr("Save As"), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("K07");
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().first()
               : QString();
}

std::string CMainFrame::AskOpenPath() {
    return ChooseFile(false).toStdString();
}
std::string CMainFrame::AskSavePath() {
    return ChooseFile(true).toStdString();
}

void CMainFrame::AddRecentFile(const QString& path) {
    if (path.isEmpty() || path == kNoFileName) return;
    QStringList files = profile_.RecentFiles();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > 4) files.removeLast();
    profile_.SetRecentFiles(files);
    UpdateRecentFiles();
}

void CMainFrame::UpdateRecentFiles() {
    const QStringList files = profile_.RecentFiles();
    for (int i = 0; i < recentActions_.size(); ++i) {
        QAction* a = recentActions_[i];
        a->setVisible(i < files.size());
        if (i < files.size()) a->setText(QString("&%1 %2").arg(i + 1).arg(files[i]));
    }
}

void CMainFrame::OpenRecentFile(int index) {
    const QStringList files = profile_.RecentFiles();
    if (index < 0 || index >= files.size()) return;
    if (doc_.OpenFile(files[index].toStdString())) {
        AddRecentFile(files[index]);
    }
}

// -------------------------------------------------------------------- help

void CMainFrame::ShowHelp(int context) {
    if (context == 0) return;
    QWidget* asking = QApplication::activeModalWidget();
    const HelpPlace place = HelpPlaceFor(context, DialogTemplateOf(asking));
    // The pages are built into the program; only a broken build lacks one.
    if (!HelpWindow::PageExists(place.page)) {
        ShowMessage(kMsgMissingHelpFile, MsgButtons::kOk, MsgIcon::kStop,
                    HelpWindow::PageUrl(place.page, "").toString().toStdString());
        return;
    }
    HelpWindow::Show(HelpWindow::PageUrl(place.page, place.anchor), this, asking);
}

void CMainFrame::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        const int viewContext = view_ ? view_->HelpContext() : 0;
        ShowHelp(viewContext ? HelpContextFor(kMainWindowHelpId, viewContext, 0)
                             : kGeneralHelpContext);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// ------------------------------------------------------------------- clock

QString CMainFrame::ClockText(const QTime& time) {
    return QString::asprintf("%i:%02i", time.hour(), time.minute());
}

void CMainFrame::SetClockSource(std::function<QTime()> now) {
    now_ = std::move(now);
    UpdateClock();
}

void CMainFrame::UpdateClock() {
    clockPane_->setText(ClockText(now_()));
}

QString CMainFrame::clockText() const {
    return clockPane_->text();
}

// ------------------------------------------------------------ close, exit

void CMainFrame::closeEvent(QCloseEvent* event) {
    // A cancelled question (or a save the user asked for that did not
    // happen) keeps the window open.
    if (!doc_.ConfirmDiscard()) {
        event->ignore();
        return;
    }
    WriteProfile();
    event->accept();
}

void CMainFrame::WriteProfile() {
    if (profileWritten_) return;
    profileWritten_ = true;
    clockTimer_->stop();
    profile_.WriteConfiguration();
    profile_.WriteWindowSize(size());
    profile_.Sync();
}

}  // namespace kp07
