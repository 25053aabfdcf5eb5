// Sub-audio tones: the two-byte tone word of a channel, the CTCSS and DCS
// choice lists, and how tones and frequencies are shown.
#pragma once

#include <array>
#include <string>

#include "image/field_kinds.h"
#include "image/radio_image.h"

namespace kp07 {

// Reads a tone word (high byte first). Bit 6 of the high byte means DCS;
// otherwise a zero value is "off" and anything else CTCSS in tenths of Hz.
Tone ReadTone(ConstBytes word);
// Writes a tone word; `both` is only meaningful for a receive tone.
void WriteTone(Bytes word, const Tone& tone);

// The tone lists in the order the choosers offer them.
extern const std::array<int, 50> kCtcssTenths;  // 670 = 67.0 Hz
extern const std::array<int, 107> kDcsCodes;    // 23 = code 023

// What the tone editors accept: a CTCSS value 67.0..254.1 Hz (not only the
// list values), a DCS code 0..777 without the digits 8 and 9.
bool IsValidCtcssHz(double hz);
bool IsValidDcsCode(int code);

// Display forms of the grid and the report.
std::string FormatFrequency(double mhz);        // "%9.5f"
extern const char* const kNoTransmitFrequency;  // "---.-----"
// "-------", "C-%5.1f", "D-%.3dN", "D-%.3dI", and for a receive tone "D-%.3dB".
std::string FormatTone(const Tone& tone, bool receive);
extern const char* const kNoToneText;

}  // namespace kp07
