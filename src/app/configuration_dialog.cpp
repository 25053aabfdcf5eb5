#include "app/configuration_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/app_profile.h"
#include "link/clone_protocol.h"
#include "link/link_state.h"
#include "link/serial_port.h"
#include "resources/message.h"
#include "widgets/enter_combo.h"

namespace kp07 {
namespace {

constexpr int kTemplateId = 174;
constexpr int kPortListId = 4542;
constexpr int kPortLabelId = 3610;
constexpr int kSpeedGroupId = 3605;
constexpr int kSlowId = 3606;
constexpr int kFastId = 3607;
constexpr int kDeviceId = 3611;  // the device behind the port (this program's own control)

QString DefaultDevice(int port) {
    return QString::fromStdString("/dev/ttyS" + std::to_string(port - 1));
}

}  // namespace

QStringList CConfigurationDialog::SerialDevicesPresent() {
    QStringList devices;
    const QDir dev("/dev");
    for (const char* pattern : {"ttyUSB*", "ttyACM*", "ttyS*"}) {
        QStringList names = dev.entryList({QString(pattern)}, QDir::System | QDir::Files);
        std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
            return a.size() != b.size() ? a.size() < b.size() : a < b;
        });
        for (const QString& n : names) devices << "/dev/" + n;
    }
    const QDir byId("/dev/serial/by-id");
    for (const QString& n : byId.entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        devices << byId.filePath(n);
    }
    return devices;
}

CConfigurationDialog::CConfigurationDialog(AppProfile& profile, QWidget* parent)
    : CParamDialog(kTemplateId, parent), profile_(profile), speedChoice_(comSpeed ? 1 : 0) {
    setWindowTitle(QStringLiteral("Configuration"));

    auto* portLabel = new QLabel(QStringLiteral("Select COM Port"), body());
    RegisterControl(portLabel, kPortLabelId, false);
    portList_ = new CEnterComboBox(body());
    for (int n = 1; n <= 16; ++n) portList_->addItem(QString::asprintf("COM %d", n));
    RegisterControl(portList_, kPortListId);

    auto* deviceLabel = new QLabel(QStringLiteral("Device"), body());
    deviceBox_ = new QComboBox(body());
    deviceBox_->setEditable(true);
    deviceBox_->setInsertPolicy(QComboBox::NoInsert);
    deviceBox_->addItems(SerialDevicesPresent());
    deviceBox_->setMinimumContentsLength(28);
    RegisterControl(deviceBox_, kDeviceId);

    auto* speedGroup = new QGroupBox(QStringLiteral("COM Speed"), body());
    RegisterControl(speedGroup, kSpeedGroupId, false);
    slow_ = new QRadioButton(QStringLiteral("9&600BPS"), speedGroup);
    fast_ = new QRadioButton(QStringLiteral("1&9200BPS(QAD-27 Only)"), speedGroup);
    RegisterControl(slow_, kSlowId);
    RegisterControl(fast_, kFastId);
    auto* speedLayout = new QVBoxLayout(speedGroup);
    speedLayout->addWidget(slow_);
    speedLayout->addWidget(fast_);
    (speedChoice_ ? fast_ : slow_)->setChecked(true);
    connect(slow_, &QRadioButton::clicked, this, [this] { speedChoice_ = 0; });
    connect(fast_, &QRadioButton::clicked, this, [this] { speedChoice_ = 1; });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, body());
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    SetOkButton(buttons->button(QDialogButtonBox::Ok), true);

    auto* grid = new QGridLayout(body());
    grid->addWidget(portLabel, 0, 0);
    grid->addWidget(portList_, 0, 1);
    grid->addWidget(deviceLabel, 1, 0);
    grid->addWidget(deviceBox_, 1, 1);
    grid->addWidget(speedGroup, 2, 0, 1, 2);
    grid->addWidget(buttons, 3, 0, 1, 2);

    for (int n = 1; n <= 16; ++n)
        devices_[std::size_t(n - 1)] = QString::fromStdString(PortDevice(n));
    portList_->setCurrentIndex(NormalisePortNumber(comPort) - 1);
    ShowDeviceOfSelectedPort();
    connect(portList_, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] {
        TakeTypedDevice();
        ShowDeviceOfSelectedPort();
    });
}

void CConfigurationDialog::ShowDeviceOfSelectedPort() {
    shownPort_ = portList_->currentIndex();
    if (shownPort_ >= 0) deviceBox_->setEditText(devices_[std::size_t(shownPort_)]);
}

void CConfigurationDialog::TakeTypedDevice() {
    if (shownPort_ < 0 || shownPort_ >= 16) return;
    const QString typed = deviceBox_->currentText().trimmed();
    devices_[std::size_t(shownPort_)] = typed.isEmpty() ? DefaultDevice(shownPort_ + 1) : typed;
}

void CConfigurationDialog::OnOk() {
    TakeTypedDevice();
    comPort = portList_->currentIndex() + 1;
    comSpeed = speedChoice_;
    for (int n = 1; n <= 16; ++n) {
        const QString& device = devices_[std::size_t(n - 1)];
        profile_.SetPortDevice(n, device == DefaultDevice(n) ? QString() : device);
    }
    // Try the port once; the choice stays whatever the outcome.
    {
        SerialPort test;
        if (!test.OpenPort(9600)) {
            std::string arg;
            const int id = PortOpenFailureMessage(test, &arg);
            ShowMessage(id, MsgButtons::kOk, MsgIcon::kStop, arg);
        }
    }
    CParamDialog::OnOk();
}

}  // namespace kp07
