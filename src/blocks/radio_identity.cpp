#include "blocks/radio_identity.h"

#include "image/accessors.h"

namespace kp07 {

void RadioIdentity::SetDefaults() {
    firmwareVersion = 300;
    productionNumber = "0000";
    serialNumber = "1C010001";
}

void RadioIdentity::Load(const RadioImage& image) {
    firmwareVersion = GetFirmwareVersion(image);
    productionNumber = GetProductionNumber(image);
    serialNumber = GetSerialNumber(image);
}

void RadioIdentity::Store(RadioImage& image) const {
    SetFirmwareVersion(image, firmwareVersion);
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
