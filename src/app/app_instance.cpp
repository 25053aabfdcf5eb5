#include "app/app_instance.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPrinterInfo>
#include <QVBoxLayout>

#include "alignment/password_dialog.h"
#include "app/app_profile.h"
#include "app/channel_view_commands.h"
#include "app/common_commands.h"
#include "app/file_tools_commands.h"
#include "app/main_frame.h"
#include "app/print_commands.h"
#include "app/radio_commands.h"
#include "app/settings_commands.h"
#include "app/signaling_commands.h"
#include "document/document.h"
#include "image/process_state.h"
#include "image/radio_image.h"
#include "params/param_dialog.h"

namespace kp07 {

QString printerName;

CommandLine ParseCommandLine(const QStringList& arguments) {
    CommandLine line;
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
    if (Listen()) return true;
    if (AskHolderToRaise()) return false;
    // Taken, but nobody answers: the leftover of a copy that died (possible
    // with a socket in the file system). Remove it and try once more.
    QLocalServer::removeServer(name_);
    if (Listen()) return true;
    if (AskHolderToRaise()) return false;
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

    const CommandLine line = ParseCommandLine(arguments);
    printerName = DefaultPrinterName();
    factoryMode = line.factorySwitch && AskFactoryPassword();
    productionMode = line.productionSwitch;

    doc_ = std::make_unique<CKP05Doc>();
    frame_ = std::make_unique<CMainFrame>(*doc_, *profile_);
    doc_->SetHost(frame_.get());
    // F1 in any parameter dialog opens the help topic of the focused control.
    CParamDialog::SetHelpHook([frame = frame_.get()](int topic) { frame->ShowHelp(topic); });
    CKP05View* view = InstallChannelView(*frame_, *profile_);
    InstallRadioCommands(*frame_, *profile_, view);
    InstallCommonCommands(*frame_);
    InstallSettingsCommands(*frame_, *doc_);
    InstallFileToolCommands(*frame_);
    InstallSignalingCommands(*frame_);
    InstallPrintCommands(*frame_);

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
        QObject::connect(instance_.get(), &SingleInstance::raiseRequested, frame_.get(), [this] {
            if (frame_->isMinimized()) frame_->showNormal();
            frame_->raise();
            frame_->activateWindow();
        });
    }
    frame_->show();
    return true;
}

}  // namespace kp07
