// DTMF paging: how the radio answers and repeats pages, and the ten
// three-digit page codes it listens for.
#pragma once

#include <array>
#include <string>

#include "blocks/signaling_text.h"
#include "image/layout.h"
#include "image/radio_image.h"

namespace kp07 {

constexpr int kPageCodeCount = layout::kPageCodes.count;
constexpr std::size_t kPageCodeDigits = layout::kPageCode.count;

struct PageCodeEntry {
    bool entered = false;  // the code was ever given; a code not entered is shown empty
    unsigned decode = 0;   // "Off", "DEC"
    std::string code;      // three DTMF digits
};

class PagingParams {
  public:
    virtual ~PagingParams() = default;

    void SetDefaults();
    void Load(const RadioImage& image);
    void Store(RadioImage& image) const;

    // A page code that was never entered is shown as empty.
    void ClearCodesNotEntered();
    // A committed page code field: at most three characters, upper-cased;
    // the page counts as entered from then on, even when the text is empty.
    void CommitPageCode(int page, const std::string& text);

    unsigned autoResetTime = 0;  // "Disabled", "2 s" .. "50 s"
    unsigned callTimes = 0;      // "Disabled", "1 Time", "3 Times", "5 Times"
    unsigned answerBack = 0;     // "Disabled", "Enabled"
    unsigned dtmfSpeed = 0;      // "50 ms", "100 ms"
    std::array<PageCodeEntry, kPageCodeCount> pages;
};

// The option board value of the QSC-61 paging unit: page codes work only
// with it fitted.
constexpr unsigned kPagingOptionBoard = 1;

// Whether a page row's decode list can be set: the paging unit is fitted and
// the row has a code.
bool PageDecodeSelectable(unsigned optionBoard, const std::string& code);

// The texts of the list fields, by stored value; answer back uses the
// Disabled/Enabled texts (DisabledEnabledTexts).
const ChoiceTexts& PagingAutoResetChoices();  // "Disabled", "2 s" .. "50 s"
const ChoiceTexts& CallTimesChoices();        // "Disabled", "1 Time", "3 Times", "5 Times"
const ChoiceTexts& PagingSpeedChoices();      // "50 ms", "100 ms"
const ChoiceTexts& PageDecodeChoices();       // "Off", "DEC"

}  // namespace kp07
