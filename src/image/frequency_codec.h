// Channel frequencies as synthesizer step counts. Two step tables exist per
// step code: table A (step flag 0) and table B (step flag 1). Receive counts
// are offset by the first IF on the injection side; transmit counts are not.
#pragma once

#include "image/accessors.h"

namespace kp07 {

// Step of table A (stepFlag 0) or B (stepFlag 1) for a step code, in Hz.
int StepHz(unsigned stepCode, int stepFlag);
// The raster a typed frequency may be placed on besides table A, in Hz.
int RasterHz(unsigned stepCode);
// Step codes 2 and 3 belong to upper-band (UHF) units.
bool IsUpperBandStepCode(unsigned stepCode);
// What an empty count (no frequency stored) reads as: 450.0 or 150.0 MHz.
double EmptyFrequencyMHz(bool upperBand);

double ReadRxFrequency(ConstChannelRecordView record, int stepFlag, unsigned stepCode,
                       bool upperBand, double ifMHz, int injectionSide);

struct TxFrequency {
    double mhz = 0.0;
    // The count decodes to 300.0 or 50.0 MHz: a receive-only channel. The
    // frequency returned is then the receive frequency.
    bool inhibited = false;
};
TxFrequency ReadTxFrequency(ConstChannelRecordView record, int stepFlag, unsigned stepCode,
                            bool upperBand, double rxMHz, double lowerLimit, double upperLimit);

// Writing exactly 0 clears the 16-bit count and leaves bit 16 as it was.
void WriteRxFrequency(ChannelRecordView record, double mhz, int stepFlag, unsigned stepCode,
                      double ifMHz, int injectionSide);
void WriteTxFrequency(ChannelRecordView record, double mhz, int stepFlag, unsigned stepCode);

struct RasterPlacement {
    double mhz = 0.0;
    int stepFlag = 0;
};
// Clamps a typed frequency into the hardware limits and puts it on the
// nearer of the table-A step and the raster (table A on a tie).
RasterPlacement PlaceOnRaster(double mhz, unsigned stepCode, double lowerLimit, double upperLimit);

}  // namespace kp07
