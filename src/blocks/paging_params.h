// DTMF paging: how the radio answers and repeats pages, and the ten
// three-digit page codes it listens for.
#pragma once

#include <array>
#include <string>

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

}  // namespace kp07
