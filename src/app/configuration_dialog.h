// File > Configure: which serial port the programming cable is on, which
// device that port is on this machine, and the speed of the clone link.
#pragma once

#include <QStringList>
#include <array>

#include "params/param_dialog.h"

class QComboBox;
class QRadioButton;

namespace kp07 {

class AppProfile;
class CEnterComboBox;

class CConfigurationDialog : public CParamDialog {
    Q_OBJECT

  public:
    CConfigurationDialog(AppProfile& profile, QWidget* parent = nullptr);

    CEnterComboBox* portList() const { return portList_; }
    QComboBox* deviceBox() const { return deviceBox_; }
    QRadioButton* speedButton(int speed) const { return speed ? fast_ : slow_; }

    // The serial devices present on this machine, for the device list.
    static QStringList SerialDevicesPresent();

  protected:
    void OnOk() override;

  private:
    void ShowDeviceOfSelectedPort();
    void TakeTypedDevice();

    AppProfile& profile_;
    CEnterComboBox* portList_;
    QComboBox* deviceBox_;
    QRadioButton* slow_;
    QRadioButton* fast_;
    int speedChoice_;
    std::array<QString, 16> devices_;
    int shownPort_ = -1;
};

}  // namespace kp07
