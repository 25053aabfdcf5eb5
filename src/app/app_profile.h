// The profile: an INI file named after the program, next to the program.
// Section "Initialize" holds the port, its speed and the window size;
// section "ITEM" the visible columns; "Recent File List" the last four
// files; "Ports" which device each COM port number stands for.
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

    // <folder of the program>/<program's base name>.ini
    static QString DefaultPath();
    QString path() const;

    // Reads port, speed and the 18 column items into the program (clamping
    // port and speed), then writes them back at once so that a first start
    // leaves a complete profile.
    void ReadConfiguration();
    // Port, speed and the 18 column items.
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

    void Sync();

  private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace kp07
