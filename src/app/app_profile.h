// The profile: an INI file named after the program, next to the program (or,
// when the program may not write there, in the user's configuration folder).
// Section "Initialize" holds the port, its speed and the window size;
// section "ITEM" the visible columns; "Recent File List" the last four
// files; "Ports" which device each COM port number stands for; "Radio"
// whether downloads are verified.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>

class QSettings;

namespace kp07 {

class AppProfile {
  public:
    explicit AppProfile(const QString& path);
    ~AppProfile();

    // <folder of the program>/<program's base name>.ini, or the same name in
    // ~/.config/kp07xt when the program's folder may not be written.
    static QString DefaultPath();
    QString path() const;

    // Reads port, speed, the 18 column items and the verify choice into the
    // program (clamping port and speed), then writes them back at once so
    // that a first start leaves a complete profile.
    void ReadConfiguration();
    // Port, speed, the 18 column items and the verify choice.
    void WriteConfiguration();
    void WriteVisibleItems();
    // Window size from "CX"/"CY", never below 835 x 540 nor beyond the screen.
    QSize WindowSize() const;
    void WriteWindowSize(const QSize& size);

    QStringList RecentFiles() const;
    void SetRecentFiles(const QStringList& files);

    // "Ports" section: the device behind COMn ("" when not mapped).
    QString PortDevice(int port) const;
    void SetPortDevice(int port, const QString& device);
    // For this run only, `port` leads to `device` and is the port in use (the
    // demo radio). The profile keeps the user's own mapping and port number:
    // neither is written while the port still leads there.
    void SetSessionPort(int port, const QString& device);

    void Sync();

  private:
    // True while the session port is in use as it was set.
    bool SessionPortInUse() const;

    std::unique_ptr<QSettings> settings_;
    int sessionPort_ = 0;
    QString sessionDevice_;
    int userComPort_ = 1;
};

}  // namespace kp07
