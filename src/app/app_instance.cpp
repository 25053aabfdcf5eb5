#include "app/app_instance.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPrinterInfo>
#include <QStatusBar>
#include <QThread>
#include <QVBoxLayout>

#include "alignment/password_dialog.h"
#include "app/alignment_commands.h"
#include "app/app_profile.h"
#include "app/backup_commands.h"
#include "app/channel_view_commands.h"
#include "app/common_commands.h"
#include "app/demo_radio.h"
#include "app/file_tools_commands.h"
#include "app/help_commands.h"
#include "app/main_frame.h"
#include "app/print_commands.h"
#include "app/radio_commands.h"
#include "app/settings_commands.h"
#include "app/signaling_commands.h"
#include "document/document.h"
#include "document/user_folders.h"
#include "image/process_state.h"
#include "image/radio_image.h"
#include "link/link_state.h"
#include "params/param_dialog.h"
#include "resources/message.h"

namespace kp07 {

QString printerName;

namespace {

// How long a starting copy waits for a first copy that holds the name but
// does not answer yet, and how often it looks again meanwhile.
constexpr qint64 kClaimWaitMs = 3000;
constexpr unsigned long kClaimRetryMs = 20;

// Started from the desktop menu (in the home folder), or installed where it
// may not write, the program works in the user's data folder: the default
// file is looked for and written there. A file named on the command line
// keeps meaning the file it named.
void WorkInDataFolder(CommandLine* line) {
    const std::string data = UserDataFolder();
    if (!MakeFolders(data)) return;
    if (!line->fileName.isEmpty()) line->fileName = QFileInfo(line->fileName).absoluteFilePath();
    QDir::setCurrent(QString::fromStdString(data));
    SetDefaultFileDirectory(data);
}

// The status bar says for the whole run where COM1 leads.
void ShowDemoPane(CMainFrame& frame, const QString& device) {
    auto* pane = new QLabel(
        QString::fromStdString(FormatMessage(kMsgDemoRadio, device.toStdString())), &frame);
    pane->setObjectName(QStringLiteral("demoRadio"));
    frame.statusBar()->insertPermanentWidget(1, pane);  // after the message, before the indicators
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& allArguments) {
    CommandLine line;
    QStringList arguments = allArguments;
    while (!arguments.isEmpty()) {
        if (arguments.first() == QLatin1String("--demo")) {
            line.demo = true;
        } else if (arguments.first() == QLatin1String("--desktop")) {
            line.desktop = true;
        } else {
            break;
        }
        arguments.removeFirst();
    }
    const QString whole = arguments.join(' ');
    for (const char* s : {"/m", "/M", "-m", "-M"}) {
        if (whole == QLatin1String(s)) line.factorySwitch = true;
    }
    for (const char* s : {"/f", "/F", "-f", "-F"}) {
        if (whole == QLatin1String(s)) line.productionSwitch = true;
    }
    if (line.factorySwitch || line.productionSwitch || arguments.isEmpty()) return line;
    for (const QString& argument : arguments) {
        if (!argument.startsWith('/') && !argument.startsWith('-')) continue;
        const QString flag = argument.mid(1).toLower();
        if (flag == "p" || flag == "pt") line.printRequest = true;
    }
    // A print request opens no file: the program starts with a new document.
    if (!line.printRequest) line.fileName = arguments.first();
    return line;
}

// ------------------------------------------------------------ single instance

SingleInstance::SingleInstance(const QString& name, QObject* parent)
    : QObject(parent), name_(name) {}

SingleInstance::~SingleInstance() {
    if (server_) server_->close();
}

QString SingleInstance::NameForProgram(const QString& programBaseName) {
    // One running copy per user: the socket name carries the user id, so
    // that two people logged in on one machine do not meet each other.
    return programBaseName + "." + QString::number(::getuid());
}

bool SingleInstance::Claim() {
    // Listening decides who is first: of two copies started at the same
    // moment only one gets the name. The other finds it taken and asks the
    // holder to come to the front.
    QElapsedTimer waited;
    waited.start();
    for (int attempt = 0;; ++attempt) {
        if (Listen()) return true;
        if (AskHolderToRaise()) return false;
        // Taken, but nobody answers: a copy that holds the name and is not
        // listening yet (it is starting this very moment), or the leftover
        // of a copy that died (possible with a socket in the file system).
        // Give the first a moment; remove the second and try again.
        if (waited.elapsed() >= kClaimWaitMs) break;
        if (attempt == 0) QLocalServer::removeServer(name_);
        QThread::msleep(kClaimRetryMs);
    }
    // The name stays out of reach: run rather than refuse to start at all.
    return true;
}

bool SingleInstance::Listen() {
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    if (!server->listen(name_)) {
        delete server;
        return false;
    }
    server_ = server;
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = server_->nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            emit raiseRequested();
        }
    });
    return true;
}

bool SingleInstance::AskHolderToRaise() {
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(name_);
    if (!socket.waitForConnected(500)) return false;
    socket.write("raise\n");
    socket.waitForBytesWritten(500);
    socket.disconnectFromServer();
    return true;
}

// ----------------------------------------------------------------- printer

QString DefaultPrinterName() {
    return QPrinterInfo::defaultPrinterName();
}

// ------------------------------------------------------------- application

Application::Application() = default;

Application::~Application() {
    frame_.reset();
    doc_.reset();
    demo_.reset();
}

QString Application::demoDevice() const {
    return demo_ ? demo_->device() : QString();
}

void Application::StartDemoRadio() {
    auto demo = std::make_unique<DemoRadio>();
    QString why;
    if (!demo->Start(LinkBaud(), demoArguments, &why)) {
        ShowMessage(kMsgDemoNotStarted, MsgButtons::kOk, MsgIcon::kExclamation, why.toStdString());
        return;
    }
    demo_ = std::move(demo);
    profile_->SetSessionPort(1, demo_->device());
}

bool Application::InitInstance(const QStringList& arguments) {
    const QString base = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    if (singleInstance) {
        instance_ = std::make_unique<SingleInstance>(SingleInstance::NameForProgram(base));
        if (!instance_->Claim()) return false;
    }

    profile_ = std::make_unique<AppProfile>(profilePath.isEmpty() ? AppProfile::DefaultPath()
                                                                  : profilePath);
    profile_->ReadConfiguration();

    CommandLine line = ParseCommandLine(arguments);
    if (line.desktop || !FolderWritable(ExecutableDirectory())) WorkInDataFolder(&line);
    if (line.demo) StartDemoRadio();
    printerName = DefaultPrinterName();
    factoryMode = line.factorySwitch && AskFactoryPassword();
    productionMode = line.productionSwitch;

    doc_ = std::make_unique<CKP05Doc>();
    frame_ = std::make_unique<CMainFrame>(*doc_, *profile_);
    doc_->SetHost(frame_.get());
    // F1 in any parameter dialog opens the help topic of the focused control.
    CParamDialog::SetHelpHook([frame = frame_.get()](int topic) { frame->ShowHelp(topic); });
    CKP05View* view = InstallChannelView(*frame_, *profile_);
    CTransferDialog* transfer = InstallRadioCommands(*frame_, *profile_, view);
    InstallCommonCommands(*frame_);
    InstallSettingsCommands(*frame_, *doc_);
    InstallBackupCommands(*frame_, *doc_, transfer);
    if (demo_) ShowDemoPane(*frame_, demo_->device());
    InstallFileToolCommands(*frame_);
    InstallSignalingCommands(*frame_);
    InstallPrintCommands(*frame_);
    InstallAlignmentCommands(*frame_, *transfer, view);
    InstallHelpCommands(*frame_);

    bool ok = true;
    if (line.fileName.isEmpty()) {
        ok = doc_->OnNewDocument();
    } else {
        // A file named on the command line must open, or the program ends.
        currentFileName = kNoFileName;
        ok = doc_->OpenFile(line.fileName.toStdString());
        if (ok) frame_->AddRecentFile(line.fileName);
    }
    if (!ok) return false;
    frame_->RefreshViews();

    if (instance_) {
        QObject::connect(instance_.get(), &SingleInstance::raiseRequested, frame_.get(),
                         &CMainFrame::BringToFront);
    }
    frame_->show();
    return true;
}

}  // namespace kp07
