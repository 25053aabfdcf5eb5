// What the side keys and the front-panel keys do, and the rotary switch.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "blocks/choice_texts.h"
#include "image/radio_image.h"

namespace kp07 {

constexpr int kKeyCount = 12;          // six keys pressed, then the same six held
constexpr int kKeyFunctionCount = 34;  // 0 "None" .. 33 "Scan Mode"

// The key function texts, each padded with blanks to 14 characters.
const std::string& KeyFunctionName(int function);
// The function whose text is exactly `text`, or -1.
int FindKeyFunction(const std::string& text);
// The rotary switch's modes: "Channel", "Group".
const ChoiceTexts& RotarySwitchTexts();

class KeyFunctionParams {
  public:
    virtual ~KeyFunctionParams() = default;

    void SetDefaults();
    // Reads the keys and marks the functions in use. Without the front keypad
    // the functions that need it are taken off their keys.
    void Load(const RadioImage& image);
    void Store(RadioImage& image) const;

    // The functions offered for `key`, in table order: never Follow-Me Scan,
    // Dual Watch, Code Up or Code Down; without the front keypad none of the
    // keypad functions; none that another key holds; Emergency and Lone
    // Worker only on the held keys. "None" is always offered.
    std::vector<int> OfferedFunctions(int key, bool frontKeypad) const;
    // Puts `function` on `key`, moving the in-use marks.
    void Assign(int key, int function);
    bool InUse(int function) const;
    // Whether a key's list is enabled: all with the front keypad, else only
    // the two side keys (pressed and held).
    static bool KeyEnabled(int key, bool frontKeypad);

    std::array<unsigned, kKeyCount> keys{};
    unsigned rotarySwitchMode = 0;  // 0 "Channel", 1 "Group"

  private:
    void MarkInUse();
    std::array<bool, kKeyFunctionCount> inUse_{};
};

}  // namespace kp07
