#include "blocks/emergency_params.h"

#include "image/accessors.h"

namespace kp07 {

void EmergencyParams::SetDefaults() {
    *this = EmergencyParams();
}

void EmergencyParams::Load(const RadioImage& image) {
    emergencyChannel = GetEmergencyChannel(image);
    rxTime = GetEmergencyRxTime(image);
    txTime = GetEmergencyTxTime(image);
    silentMode = GetSilentMode(image);
    keyDuration = GetEmergencyKeyDuration(image);
    loneWorkerTimer = GetLoneWorkerTimer(image);
}

void EmergencyParams::Store(RadioImage& image) const {
    SetEmergencyChannel(image, emergencyChannel);
    SetEmergencyRxTime(image, rxTime);
    SetEmergencyTxTime(image, txTime);
    SetSilentMode(image, silentMode);
    SetEmergencyKeyDuration(image, keyDuration);
    SetLoneWorkerTimer(image, loneWorkerTimer);
}

}  // namespace kp07
