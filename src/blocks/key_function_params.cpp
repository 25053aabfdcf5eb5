#include "blocks/key_function_params.h"

#include <algorithm>

#include "blocks/common_params.h"
#include "image/accessors.h"

namespace kp07 {
namespace {

const char* const kNames[kKeyFunctionCount] = {
    "None",        "Monitor",       "Squelch Off", "Low Power",      "Lock",       "Lamp",
    "Channel UP",  "Channel Down",  "Scan",        "Follow-Me Scan", "Dual Watch", "Duplex",
    "Add/Del",     "Reset",         "Speed Dial",  "TX SAVE Off",    "Call 1",     "Call 2",
    "Call 3",      "Code Select",   "Code Up",     "Code Down",      "Emergency",  "Group Up",
    "Group Down",  "ACC 1",         "ACC 2",       "Play",           "Record",     "Encryption",
    "Lone Worker", "CTCSS/DCS SEL", "Pri-CH Set",  "Scan Mode"};

constexpr unsigned kDefaultKeys[kKeyCount] = {1, 3, 8, 33, 11, 23, 2, 4, 12, 32, 31, 29};

bool NeverOffered(int f) {
    return f == 9 || f == 10 || f == 20 || f == 21;
}
bool NeedsKeypad(int f) {
    return f == 4 || f == 5 || f == 6 || f == 7 || f == 12 || f == 19;
}
// Taken off the keys on loading an image without the front keypad.
bool ClearedWithoutKeypad(unsigned f) {
    return f == 4 || f == 5 || f == 6 || f == 7 || f == 12 || f == 19 || f == 20 || f == 21;
}
bool HeldKeysOnly(int f) {
    return f == 22 || f == 30;
}
constexpr int kPressKeys = 6;
constexpr int kSide1Held = 6, kSide2Held = 7;

}  // namespace

const std::string& KeyFunctionName(int function) {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> v;
        for (const char* n : kNames) {
            std::string s(n);
            s.resize(14, ' ');
            v.push_back(s);
        }
        return v;
    }();
    static const std::string empty(14, ' ');
    if (function < 0 || function >= kKeyFunctionCount) return empty;
    return names[std::size_t(function)];
}

int FindKeyFunction(const std::string& text) {
    for (int f = 0; f < kKeyFunctionCount; ++f) {
        if (KeyFunctionName(f) == text) return f;
    }
    return -1;
}

const ChoiceTexts& RotarySwitchTexts() {
    static const ChoiceTexts t = {"Channel", "Group"};
    return t;
}

void KeyFunctionParams::SetDefaults() {
    std::copy(std::begin(kDefaultKeys), std::end(kDefaultKeys), keys.begin());
    rotarySwitchMode = 0;
    MarkInUse();
}

void KeyFunctionParams::MarkInUse() {
    inUse_.fill(false);
    for (unsigned f : keys) {
        if (f != 0 && f < unsigned(kKeyFunctionCount)) inUse_[f] = true;
    }
}

void KeyFunctionParams::Load(const RadioImage& image) {
    for (int k = 0; k < kKeyCount; ++k) keys[std::size_t(k)] = GetKeyFunction(image, k);
    if (!ImageHasFrontKeypad(image)) {
        for (unsigned& f : keys) {
            if (ClearedWithoutKeypad(f)) f = 0;
        }
    }
    MarkInUse();
    rotarySwitchMode = GetRotarySwitchMode(image);
}

void KeyFunctionParams::Store(RadioImage& image) const {
    for (int k = 0; k < kKeyCount; ++k) SetKeyFunction(image, k, keys[std::size_t(k)]);
    SetRotarySwitchMode(image, rotarySwitchMode);
}

bool KeyFunctionParams::InUse(int function) const {
    return function > 0 && function < kKeyFunctionCount && inUse_[std::size_t(function)];
}

std::vector<int> KeyFunctionParams::OfferedFunctions(int key, bool frontKeypad) const {
    std::vector<int> offered;
    if (key < 0 || key >= kKeyCount) return offered;
    for (int f = 0; f < kKeyFunctionCount; ++f) {
        if (NeverOffered(f)) continue;
        if (!frontKeypad && NeedsKeypad(f)) continue;
        if (f != 0 && InUse(f) && keys[std::size_t(key)] != unsigned(f)) continue;
        if (HeldKeysOnly(f) && key < kPressKeys) continue;
        offered.push_back(f);
    }
    return offered;
}

void KeyFunctionParams::Assign(int key, int function) {
    if (key < 0 || key >= kKeyCount || function < 0 || function >= kKeyFunctionCount) return;
    const unsigned old = keys[std::size_t(key)];
    if (old != 0 && old < unsigned(kKeyFunctionCount)) inUse_[old] = false;
    keys[std::size_t(key)] = unsigned(function);
    if (function != 0) inUse_[std::size_t(function)] = true;
}

bool KeyFunctionParams::KeyEnabled(int key, bool frontKeypad) {
    if (frontKeypad) return key >= 0 && key < kKeyCount;
    return key == 0 || key == 1 || key == kSide1Held || key == kSide2Held;
}

}  // namespace kp07
