// The generic readers and writers behind every field accessor, one pair per
// field kind. A writer changes only the bits of its field; reads and writes
// outside the window they are given do nothing.
#pragma once

#include <string>

#include "image/field_kinds.h"
#include "image/radio_image.h"

namespace kp07::access {

unsigned Read(ConstBytes b, kind::Bits f);
void Write(Bytes b, kind::Bits f, unsigned value);

unsigned Read(ConstBytes b, kind::Be16 f);
void Write(Bytes b, kind::Be16 f, unsigned value);

unsigned Read(ConstBytes b, kind::Count14 f);
void Write(Bytes b, kind::Count14 f, unsigned value);

FlagArray Read(ConstBytes b, kind::FlagSet f);
void Write(Bytes b, kind::FlagSet f, const FlagArray& value);

unsigned Read(ConstBytes b, kind::EnabledNumber f);
void Write(Bytes b, kind::EnabledNumber f, unsigned value);

std::string Read(ConstBytes b, kind::Tag f);
void Write(Bytes b, kind::Tag f, const std::string& value);

std::string Read(ConstBytes b, kind::DtmfCode f);
void Write(Bytes b, kind::DtmfCode f, const std::string& value);

std::string Read(ConstBytes b, kind::DtmfDigits f);
void Write(Bytes b, kind::DtmfDigits f, const std::string& value);

std::string Read(ConstBytes b, kind::ToneDigits f);
void Write(Bytes b, kind::ToneDigits f, const std::string& value);

unsigned Read(ConstBytes b, kind::Bcd4 f);
void Write(Bytes b, kind::Bcd4 f, unsigned value);

Tone Read(ConstBytes b, kind::ToneWord f);
void Write(Bytes b, kind::ToneWord f, const Tone& value);

std::uint32_t Read(ConstBytes b, kind::StepCount f);
void Write(Bytes b, kind::StepCount f, std::uint32_t value);

unsigned ReadBit(ConstBytes b, kind::ChannelBitmap f, int slot);
void WriteBit(Bytes b, kind::ChannelBitmap f, int slot, unsigned value);

// The window of entry `index` of a table, empty when the index is out of range.
ConstBytes Entry(ConstBytes image, kind::Table t, int index);
Bytes Entry(Bytes image, kind::Table t, int index);

}  // namespace kp07::access
