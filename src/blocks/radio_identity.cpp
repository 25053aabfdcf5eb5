#include "blocks/radio_identity.h"

#include "image/accessors.h"

namespace kp07 {

void RadioIdentity::SetDefaults() {
    firmwareVersion = firmwareVersionRead_ = 300;
    firmwareNibbles_ = 0x0300;
    productionNumber = "0000";
    serialNumber = "1C010001";
}

void RadioIdentity::Load(const RadioImage& image) {
    firmwareVersion = firmwareVersionRead_ = GetFirmwareVersion(image);
    firmwareNibbles_ = GetFirmwareNibbles(image);
    productionNumber = GetProductionNumber(image);
    serialNumber = GetSerialNumber(image);
}

void RadioIdentity::Store(RadioImage& image) const {
    if (firmwareVersion == firmwareVersionRead_) {
        SetFirmwareNibbles(image, firmwareNibbles_);
    } else {
        SetFirmwareVersion(image, firmwareVersion);
    }
    SetProductionNumber(image, productionNumber);
    SetSerialNumber(image, serialNumber);
}

std::string RadioIdentity::CompleteProductionNumber(const std::string& text) {
    std::string out = text.substr(0, 4);
    out.resize(4, '0');
    return out;
}

std::string RadioIdentity::CompleteSerialNumber(const std::string& text) {
    std::string out = text.substr(0, 8);
    while (out.size() < 8) out += out.size() == 1 ? 'C' : '0';
    return out;
}

}  // namespace kp07
