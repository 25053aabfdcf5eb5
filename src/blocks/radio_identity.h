// The radio's identity: firmware version, production number (market
// application code) and serial number.
#pragma once

#include <string>

#include "image/radio_image.h"

namespace kp07 {

class RadioIdentity {
  public:
    virtual ~RadioIdentity() = default;

    void SetDefaults();
    void Load(const RadioImage& image);
    void Store(RadioImage& image) const;

    // Typed entries completed the way the Marketing dialog commits them:
    // "12" -> "1200"; "5" -> "5C000000" (a letter at position 1, digits elsewhere).
    static std::string CompleteProductionNumber(const std::string& text);
    static std::string CompleteSerialNumber(const std::string& text);

    unsigned firmwareVersion = 300;  // version x 100 (4.00 = 400)
    std::string productionNumber = "0000";
    std::string serialNumber = "1C010001";

  private:
    // The firmware bytes as read. A radio may hold nibbles above 9 there;
    // they read as a number that does not give the same bytes back, so the
    // bytes read are written back as they were while the version is the one
    // read from them.
    unsigned firmwareNibbles_ = 0x0300;
    unsigned firmwareVersionRead_ = 300;
};

// Firmware older than 4.00 is refused by Open and by the radio link.
constexpr unsigned kMinimumFirmwareVersion = 400;

}  // namespace kp07
