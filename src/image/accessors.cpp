#include "image/accessors.h"

#include <cctype>
#include <cmath>

#include "image/char_codes.h"
#include "image/frequency_codec.h"

namespace kp07 {
namespace {

template <class Tag>
RecordRef<Tag> Window(RadioImage& im, kind::Table t, int index) {
    return RecordRef<Tag>(access::Entry(WholeImage(im), t, index));
}
template <class Tag>
ConstRecordRef<Tag> Window(const RadioImage& im, kind::Table t, int index) {
    return ConstRecordRef<Tag>(access::Entry(WholeImage(im), t, index));
}

unsigned Bit(const RadioImage& im, kind::Bits f) {
    return access::Read(WholeImage(im), f);
}
void PutBit(RadioImage& im, kind::Bits f, unsigned v) {
    access::Write(WholeImage(im), f, v);
}

}  // namespace

ChannelRecordView ChannelRecordAt(RadioImage& image, int slot) {
    return Window<ChannelRecordTag>(image, layout::kChannelRecords, slot);
}
ConstChannelRecordView ChannelRecordAt(const RadioImage& image, int slot) {
    return Window<ChannelRecordTag>(image, layout::kChannelRecords, slot);
}
RecordRef<FiveToneSystemTag> FiveToneSystemAt(RadioImage& image, int entry) {
    return Window<FiveToneSystemTag>(image, layout::kFiveToneSystems, entry);
}
ConstRecordRef<FiveToneSystemTag> FiveToneSystemAt(const RadioImage& image, int entry) {
    return Window<FiveToneSystemTag>(image, layout::kFiveToneSystems, entry);
}
RecordRef<FiveToneDecodeTag> FiveToneDecodeAt(RadioImage& image, int entry) {
    return Window<FiveToneDecodeTag>(image, layout::kFiveToneDecode, entry);
}
ConstRecordRef<FiveToneDecodeTag> FiveToneDecodeAt(const RadioImage& image, int entry) {
    return Window<FiveToneDecodeTag>(image, layout::kFiveToneDecode, entry);
}
RecordRef<FiveToneEncodeTag> FiveToneEncodeAt(RadioImage& image, int entry) {
    return Window<FiveToneEncodeTag>(image, layout::kFiveToneEncode, entry);
}
ConstRecordRef<FiveToneEncodeTag> FiveToneEncodeAt(const RadioImage& image, int entry) {
    return Window<FiveToneEncodeTag>(image, layout::kFiveToneEncode, entry);
}

namespace {
std::size_t DecodeOptionsOffset(int entry) {
    if (entry == kGroupDecodeEntry) return layout::kGroupDecodeOptions;
    return layout::kFiveToneDecode.base + std::size_t(layout::kFiveToneDecode.stride) * entry +
           layout::kDecodeOptionsOffset;
}
bool IsDecodeEntry(int entry) {
    return entry >= 0 && entry <= kGroupDecodeEntry;
}
}  // namespace

RecordRef<DecodeOptionsTag> DecodeOptionsAt(RadioImage& image, int entry) {
    if (!IsDecodeEntry(entry)) return {};
    return RecordRef<DecodeOptionsTag>(
        WholeImage(image).Sub(DecodeOptionsOffset(entry), layout::kDecodeOptionsSize));
}
ConstRecordRef<DecodeOptionsTag> DecodeOptionsAt(const RadioImage& image, int entry) {
    if (!IsDecodeEntry(entry)) return {};
    return ConstRecordRef<DecodeOptionsTag>(
        WholeImage(image).Sub(DecodeOptionsOffset(entry), layout::kDecodeOptionsSize));
}

// ---------------------------------------------------------------- RadioIdentity

std::string GetSerialNumber(const RadioImage& im) {
    auto digits = [&](std::uint16_t offset) {
        return access::Read(WholeImage(im), kind::DtmfDigits{offset, 0, 2});
    };
    const unsigned first = im[layout::kSerialFirst];
    std::string serial(1, DtmfToChar(int(first >> 4)));
    serial += char('B' + (first & 0x0F));
    serial += digits(layout::kSerialSecond);
    serial += digits(layout::kSerialThird);
    serial += digits(layout::kSerialFourth);
    return serial;
}

void SetSerialNumber(RadioImage& im, const std::string& serial) {
    auto at = [&](std::size_t i) { return i < serial.size() ? serial[i] : '0'; };
    auto put = [&](std::uint16_t offset, std::size_t i) {
        access::Write(WholeImage(im), kind::DtmfDigits{offset, 0, 2},
                      std::string{at(i), at(i + 1)});
    };
    const int letter = std::toupper(static_cast<unsigned char>(at(1))) - 'B';
    im[layout::kSerialFirst] =
        std::uint8_t((CharToDtmf(at(0)) & 0x0F) << 4 | (unsigned(letter) & 0x0F));
    put(layout::kSerialSecond, 2);
    put(layout::kSerialThird, 4);
    put(layout::kSerialFourth, 6);
}

// --------------------------------------------------------------- HardwareParams

double GetReferenceOscillatorMHz(const RadioImage& im) {
    return GetReferenceCountA(im) * double(StepHz(GetStepCode(im), 0)) * 0.000001;
}

void SetReferenceOscillatorMHz(RadioImage& im, double mhz, unsigned stepCode) {
    const long long hz = std::llround(mhz * 1000000.0);
    const long long countA = hz / StepHz(stepCode, 0);
    const long long countB = hz / StepHz(stepCode, 1);
    SetReferenceCountA(im, unsigned(countA < 0 ? 0 : countA));
    SetReferenceCountB(im, unsigned(countB < 0 ? 0 : countB));
}

// ------------------------------------------------------------------ ChannelTable

namespace {
kind::Bits GroupTypeBit(int group) {
    return layout::Flag(std::uint16_t(layout::kGroupTypeBits + group / 8), std::uint8_t(group % 8));
}
bool IsGroup(int group) {
    return group >= 0 && group < kGroupCount;
}
}  // namespace

unsigned GetGroupType(const RadioImage& im, int group) {
    return IsGroup(group) ? Bit(im, GroupTypeBit(group)) : 0;
}
void SetGroupType(RadioImage& im, int group, unsigned type) {
    if (IsGroup(group)) PutBit(im, GroupTypeBit(group), type & 1u);
}

unsigned GetScanListOp(const RadioImage& im, int slot) {
    return access::ReadBit(WholeImage(im), layout::kScanListOp, slot);
}
void SetScanListOp(RadioImage& im, int slot, unsigned on) {
    access::WriteBit(WholeImage(im), layout::kScanListOp, slot, on);
}
unsigned GetScanListGr(const RadioImage& im, int slot) {
    return access::ReadBit(WholeImage(im), layout::kScanListGr, slot);
}
void SetScanListGr(RadioImage& im, int slot, unsigned on) {
    access::WriteBit(WholeImage(im), layout::kScanListGr, slot, on);
}
unsigned GetScanListPri(const RadioImage& im, int slot) {
    return access::ReadBit(WholeImage(im), layout::kScanListPri, slot);
}
void SetScanListPri(RadioImage& im, int slot, unsigned on) {
    access::WriteBit(WholeImage(im), layout::kScanListPri, slot, on);
}

namespace {
struct ReferenceFields {
    kind::Bits slot, group, set;
};
constexpr ReferenceFields kPFields{layout::kPChannelSlot, layout::kPChannelGroup,
                                   layout::kPChannelSet};
constexpr ReferenceFields kGFields{layout::kGChannelSlot, layout::kGChannelGroup,
                                   layout::kGChannelSet};

unsigned GetReference(const RadioImage& im, const ReferenceFields& f) {
    return Bit(im, f.set) ? Bit(im, f.slot) + 1 : 0;
}
void SetReference(RadioImage& im, const ReferenceFields& f, unsigned channel, unsigned group) {
    PutBit(im, f.slot, channel == 0 ? 0 : channel - 1);
    PutBit(im, f.group, channel == 0 ? 0 : group);
    PutBit(im, f.set, channel == 0 ? 0 : 1);
}
}  // namespace

unsigned GetPChannel(const RadioImage& im) {
    return GetReference(im, kPFields);
}
void SetPChannel(RadioImage& im, unsigned channel, unsigned group) {
    SetReference(im, kPFields, channel, group);
}
unsigned GetGChannel(const RadioImage& im) {
    return GetReference(im, kGFields);
}
void SetGChannel(RadioImage& im, unsigned channel, unsigned group) {
    SetReference(im, kGFields, channel, group);
}

int GroupOfSlotInSizes(const std::array<unsigned, kGroupCount>& sizes, int slot) {
    int total = 0;
    for (int g = 0; g < kGroupCount; ++g) {
        total += int(sizes[std::size_t(g)]);
        if (slot < total) return g;
    }
    return kGroupCount;
}

unsigned GetChannelBandwidth(ConstChannelRecordView r) {
    if (access::Read(r, layout::kChNarrow)) return 2;
    return access::Read(r, layout::kChWide1);
}

void SetChannelBandwidth(ChannelRecordView r, unsigned value) {
    access::Write(r, layout::kChNarrow, value == 2 ? 1 : 0);
    access::Write(r, layout::kChWide1, value == 1 ? 1 : 0);
}

unsigned GetChannelEncryption(ConstChannelRecordView r) {
    return access::Read(r, layout::kChEncryptionHigh) * 2 +
           access::Read(r, layout::kChEncryptionLow);
}

void SetChannelEncryption(ChannelRecordView r, unsigned value) {
    access::Write(r, layout::kChEncryptionHigh, (value >> 1) & 1u);
    access::Write(r, layout::kChEncryptionLow, value & 1u);
}

namespace {
constexpr unsigned kOptionSignaling = 3;
}

SignalingSelector GetChannelSignaling(ConstChannelRecordView r) {
    SignalingSelector s;
    s.type = access::Read(r, layout::kChSignalingType);
    const unsigned raw = access::Read(r, layout::kChSignalingNumber);
    if (s.type == 0) {
        s.number = 0;
    } else {
        s.number = s.type == kOptionSignaling ? raw : raw + 1;
    }
    return s;
}

void SetChannelSignaling(ChannelRecordView r, const SignalingSelector& value) {
    unsigned type = 0, raw = 0;
    if (value.number != 0) {
        type = value.type;
        raw = value.type == kOptionSignaling ? value.number : value.number - 1;
    }
    access::Write(r, layout::kChSignalingType, type);
    access::Write(r, layout::kChSignalingNumber, raw);
}

// --------------------------------------------------------------- EmergencyParams

unsigned GetEmergencyChannel(const RadioImage& im) {
    const unsigned kindBits = GetEmergencyChannelKind(im);
    return kindBits < 2 ? kindBits : kindBits + GetEmergencyChannelSlot(im);
}

void SetEmergencyChannel(RadioImage& im, unsigned choice) {
    SetEmergencyChannelKind(im, 0);
    SetEmergencyChannelGroup(im, 0);
    if (choice < 2) {
        SetEmergencyChannelKind(im, choice);
        return;
    }
    const unsigned channel = choice - 2;
    std::array<unsigned, kGroupCount> sizes{};
    for (int g = 0; g < kGroupCount; ++g) sizes[std::size_t(g)] = GetGroupChannelCount(im, g);
    SetEmergencyChannelKind(im, 2);
    SetEmergencyChannelGroup(im, unsigned(GroupOfSlotInSizes(sizes, int(channel))));
    SetEmergencyChannelSlot(im, channel & 0xFF);
}

// -------------------------------------------------------------------- DtmfParams

namespace {
constexpr kind::Bits kPauseDigit = layout::Field(layout::kPauseCodeByte, 4, 4);
constexpr kind::Bits kPausePresent = layout::Flag(layout::kPauseCodeByte, 3);
}  // namespace

std::string GetDtmfPauseCode(const RadioImage& im) {
    if (!Bit(im, kPausePresent)) return {};
    return std::string(1, DtmfToChar(int(Bit(im, kPauseDigit))));
}

void SetDtmfPauseCode(RadioImage& im, const std::string& code) {
    PutBit(im, kPauseDigit, code.empty() ? 0u : unsigned(CharToDtmf(code[0])));
    PutBit(im, kPausePresent, code.empty() ? 0u : 1u);
}

// --------------------------------------------------------------- TwoToneSystems

unsigned GetTwoToneFirstPair(const RadioImage& im, int entry) {
    const ConstBytes e = access::Entry(WholeImage(im), layout::kTwoToneSystems, entry);
    if (!access::Read(e, layout::kTtsFirstPairOn)) return 0;
    return access::Read(e, layout::kTtsFirstPairIndex) + 1;
}

void SetTwoToneFirstPair(RadioImage& im, int entry, unsigned pair) {
    const Bytes e = access::Entry(WholeImage(im), layout::kTwoToneSystems, entry);
    access::Write(e, layout::kTtsFirstPairOn, pair == 0 ? 0 : 1);
    access::Write(e, layout::kTtsFirstPairIndex, pair == 0 ? 0 : pair - 1);
}

// --------------------------------------------------------------- FiveToneDecode

namespace {
constexpr unsigned kTranspondOneStored = 32;
}

unsigned GetDecodeTranspondCode(ConstRecordRef<FiveToneDecodeTag> r) {
    const unsigned stored = access::Read(r, layout::kFtdCodeByte);
    if (!access::Read(r, layout::kFtdCodeHigh)) return stored;
    return stored < kTranspondOneStored ? stored + 2 : stored - 31;
}

void SetDecodeTranspondCode(RecordRef<FiveToneDecodeTag> r, unsigned code) {
    unsigned stored = 0, high = 0;
    if (code == 1) {
        stored = kTranspondOneStored;
        high = 1;
    } else if (code >= 2) {
        stored = code - 2;
        high = 1;
    }
    access::Write(r, layout::kFtdCodeByte, stored);
    access::Write(r, layout::kFtdCodeHigh, high);
}

// ---------------------------------------------------------------------- Checksum

unsigned ComputeImageChecksum(const RadioImage& im) {
    unsigned sum = 0;
    for (std::size_t i = layout::kChecksumFirst; i <= layout::kChecksumLast; ++i) sum += im[i];
    return sum & 0xFFFF;
}

// -------------------------------------------------------------------- Raw ranges

bool SameBytes(const RadioImage& a, const RadioImage& b, layout::ByteRange r) {
    for (std::size_t i = r.first; i <= r.last && i < a.size(); ++i) {
        if (a[i] != b[i]) return false;
    }
    return true;
}

void CopyBytes(RadioImage& to, const RadioImage& from, layout::ByteRange r) {
    for (std::size_t i = r.first; i <= r.last && i < to.size(); ++i) to[i] = from[i];
}

}  // namespace kp07
