// The demo radio: kr318-sim, a simulated KR-318, on a pseudo-terminal for
// one run of the program, so that Upload and Download can be tried without
// a radio and a cable. The simulator lives exactly as long as the program:
// it watches the pipe on its standard input, which closes when the program
// ends in whatever way.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QProcess;

namespace kp07 {

constexpr int kMsgDemoRadio = 5120;       // the status-bar pane: COM1 leads to the demo radio
constexpr int kMsgDemoNotStarted = 5121;  // why the demo radio did not start (%1)

class DemoRadio {
  public:
    DemoRadio();
    ~DemoRadio();  // the simulator ends
    DemoRadio(const DemoRadio&) = delete;
    DemoRadio& operator=(const DemoRadio&) = delete;

    // Where kr318-sim is: beside the program (installed), in the build's
    // tools folder (a build tree), or in the installation's bin folder.
    // "" when it is nowhere.
    static QString FindSimulator();

    // Starts the simulator holding its sample programming, in clone mode at
    // `baud`; it also answers a power-cycle request on its own. `extra`
    // arguments go to the simulator as well. False, with the reason in
    // `why`, when it did not start.
    bool Start(unsigned baud, const QStringList& extra, QString* why);
    // The terminal the simulated radio is on.
    const QString& device() const { return device_; }

  private:
    std::unique_ptr<QProcess> process_;
    QString device_;
};

}  // namespace kp07
