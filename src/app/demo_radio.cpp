#include "app/demo_radio.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>

namespace kp07 {
namespace {

constexpr int kStartMs = 5000;
constexpr int kEndMs = 2000;
// The simulated user switches the radio off and on when the program calls
// it in vain (for instance after the speed was changed in Configure).
constexpr const char* kPowerCycleMs = "2000";

bool IsProgram(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

}  // namespace

DemoRadio::DemoRadio() = default;

DemoRadio::~DemoRadio() {
    if (!process_ || process_->state() == QProcess::NotRunning) return;
    process_->closeWriteChannel();  // the simulator sees the end of its input
    if (!process_->waitForFinished(kEndMs)) {
        process_->kill();
        process_->waitForFinished(kEndMs);
    }
}

QString DemoRadio::FindSimulator() {
    const QString here = QCoreApplication::applicationDirPath();
    QStringList candidates = {here + "/kr318-sim", here + "/../tools/kr318-sim"};
#ifdef KP07_INSTALL_BINDIR
    candidates << QStringLiteral(KP07_INSTALL_BINDIR "/kr318-sim");
#endif
    for (const QString& c : candidates) {
        if (IsProgram(c)) return QFileInfo(c).canonicalFilePath();
    }
    return {};
}

bool DemoRadio::Start(unsigned baud, const QStringList& extra, QString* why) {
    const QString program = FindSimulator();
    if (program.isEmpty()) {
        *why = QStringLiteral("kr318-sim was not found beside %1.")
                   .arg(QCoreApplication::applicationDirPath());
        return false;
    }
    process_ = std::make_unique<QProcess>();
    QStringList arguments = {"--sample",      "--until-eof",
                             "--clone",       baud == 19200 ? "19200" : "9600",
                             "--power-cycle", kPowerCycleMs};
    arguments << extra;
    process_->start(program, arguments);
    if (!process_->waitForStarted(kStartMs)) {
        *why = program + ": " + process_->errorString();
        return false;
    }
    // The first line the simulator prints is its terminal.
    const QDeadlineTimer deadline(kStartMs);
    while (!process_->canReadLine() && process_->state() == QProcess::Running &&
           !deadline.hasExpired()) {
        process_->waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
    }
    const QString line = QString::fromLocal8Bit(process_->readLine()).trimmed();
    if (!line.startsWith('/')) {
        const QString errors = QString::fromLocal8Bit(process_->readAllStandardError()).trimmed();
        *why = program + ": " + (errors.isEmpty() ? QStringLiteral("no terminal") : errors);
        process_->kill();
        process_->waitForFinished(kEndMs);
        return false;
    }
    device_ = line;
    return true;
}

}  // namespace kp07
