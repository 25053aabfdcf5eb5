// Emergency settings.
#pragma once

#include "image/radio_image.h"

namespace kp07 {

class EmergencyParams {
  public:
    virtual ~EmergencyParams() = default;

    void SetDefaults();
    void Load(const RadioImage& image);
    // The emergency channel's group is taken from the group sizes already in
    // the image.
    void Store(RadioImage& image) const;

    // 0 "current Channel", 1 "Priority Channel (Pri Mode)", n from 2 the
    // channel n - 2 counted over all 168 slots.
    unsigned emergencyChannel = 0;
    unsigned rxTime = 1;
    unsigned txTime = 1;
    unsigned silentMode = 0;
    unsigned keyDuration = 0;
    unsigned loneWorkerTimer = 0;
};

}  // namespace kp07
