#include "app/app_profile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include "channels/profile_values.h"
#include "channels/visible_items.h"
#include "document/user_folders.h"
#include "link/link_state.h"

namespace kp07 {
namespace {

const char* const kInitialize = "Initialize";
const char* const kItems = "ITEM";
const char* const kRecent = "Recent File List";
const char* const kPorts = "Ports";
const char* const kRadio = "Radio";
constexpr int kRecentCount = 4;

QString Key(const char* section, const QString& key) {
    return QString(section) + "/" + key;
}

int ReadInt(QSettings& s, const char* section, const QString& key, int fallback) {
    bool ok = false;
    const int value = s.value(Key(section, key), fallback).toInt(&ok);
    return ok ? value : fallback;
}

}  // namespace

AppProfile::AppProfile(const QString& path)
    : settings_(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

AppProfile::~AppProfile() = default;

QString AppProfile::DefaultPath() {
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    const std::string folder =
        WritableProgramFolder(exe.absolutePath().toStdString(), UserConfigFolder());
    return QString::fromStdString(folder) + "/" + exe.completeBaseName() + ".ini";
}

QString AppProfile::path() const {
    return settings_->fileName();
}

void AppProfile::ReadConfiguration() {
    QSettings& s = *settings_;
    ProfileConfiguration read;
    read.comPort = ReadInt(s, kInitialize, "COM_PORT", 1);
    read.comSpeed = ReadInt(s, kInitialize, "COM_SPD", 0);
    for (int i = 0; i < kVisibleItemCount; ++i) {
        read.items[std::size_t(i)] = ReadInt(s, kItems, QString("ITEM%1").arg(i), 1);
    }
    ApplyProfileConfiguration(read);
    verifyAfterDownload = ReadInt(s, kRadio, "VerifyAfterDownload", 0) != 0 ? 1 : 0;
    for (int port = 1; port <= 16; ++port) {
        const QString device = PortDevice(port);
        if (!device.isEmpty()) SetPortDevice(port, device);
    }
    WriteConfiguration();
}

void AppProfile::WriteConfiguration() {
    settings_->setValue(Key(kInitialize, "COM_PORT"), SessionPortInUse() ? userComPort_ : comPort);
    settings_->setValue(Key(kInitialize, "COM_SPD"), comSpeed);
    settings_->setValue(Key(kRadio, "VerifyAfterDownload"), verifyAfterDownload != 0 ? 1 : 0);
    WriteVisibleItems();
}

void AppProfile::WriteVisibleItems() {
    for (int i = 0; i < kVisibleItemCount; ++i) {
        settings_->setValue(Key(kItems, QString("ITEM%1").arg(i)), visibleItems[std::size_t(i)]);
    }
    settings_->sync();
}

QSize AppProfile::WindowSize() const {
    QSettings& s = *settings_;
    const int cx = ReadInt(s, kInitialize, "CX", kMinWindowWidth);
    const int cy = ReadInt(s, kInitialize, "CY", kMinWindowHeight);
    // A hand-edited size beyond the screen would give a window that cannot
    // be drawn (its pixels do not fit in memory).
    WindowExtent room{0, 0};
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        room = {screen->availableSize().width(), screen->availableSize().height()};
    }
    const WindowExtent e = ClampWindowExtent(cx, cy, room);
    return QSize(e.width, e.height);
}

void AppProfile::WriteWindowSize(const QSize& size) {
    settings_->setValue(Key(kInitialize, "CX"), size.width());
    settings_->setValue(Key(kInitialize, "CY"), size.height());
}

QStringList AppProfile::RecentFiles() const {
    QStringList files;
    for (int i = 1; i <= kRecentCount; ++i) {
        const QString f = settings_->value(Key(kRecent, QString("File%1").arg(i))).toString();
        if (!f.isEmpty()) files << f;
    }
    return files;
}

void AppProfile::SetRecentFiles(const QStringList& files) {
    for (int i = 1; i <= kRecentCount; ++i) {
        const QString key = Key(kRecent, QString("File%1").arg(i));
        if (i <= files.size()) {
            settings_->setValue(key, files[i - 1]);
        } else {
            settings_->remove(key);
        }
    }
}

QString AppProfile::PortDevice(int port) const {
    return settings_->value(Key(kPorts, QString("COM%1").arg(port))).toString();
}

void AppProfile::SetPortDevice(int port, const QString& device) {
    if (sessionPort_ != 0 && port == sessionPort_ && device == sessionDevice_) {
        kp07::SetPortDevice(port, device.toStdString());  // this run only
        return;
    }
    const QString key = Key(kPorts, QString("COM%1").arg(port));
    if (device.isEmpty()) {
        settings_->remove(key);
    } else {
        settings_->setValue(key, device);
    }
    kp07::SetPortDevice(port, device.toStdString());
}

void AppProfile::SetSessionPort(int port, const QString& device) {
    if (sessionPort_ == 0) userComPort_ = comPort;
    sessionPort_ = NormalisePortNumber(port);
    sessionDevice_ = device;
    comPort = sessionPort_;
    kp07::SetPortDevice(sessionPort_, device.toStdString());
}

bool AppProfile::SessionPortInUse() const {
    return sessionPort_ != 0 && comPort == sessionPort_ &&
           kp07::PortDevice(sessionPort_) == sessionDevice_.toStdString();
}

void AppProfile::Sync() {
    settings_->sync();
}

}  // namespace kp07
