#include "blocks/paging_params.h"

#include "blocks/signaling_text.h"
#include "image/accessors.h"

namespace kp07 {

// The member initialisers are the defaults of a new image.
void PagingParams::SetDefaults() {
    *this = PagingParams();
}

void PagingParams::Load(const RadioImage& image) {
    autoResetTime = GetPagingAutoResetTime(image);
    callTimes = GetPagingCallTimes(image);
    answerBack = GetPagingAnswerBack(image);
    dtmfSpeed = GetPagingDtmfSpeed(image);
    for (int i = 0; i < kPageCodeCount; ++i) {
        PageCodeEntry& page = pages[std::size_t(i)];
        page.entered = GetPageEntered(image, i) != 0;
        page.decode = GetPageDecode(image, i);
        page.code = GetPageCode(image, i);
    }
}

void PagingParams::Store(RadioImage& image) const {
    SetPagingAutoResetTime(image, autoResetTime);
    SetPagingCallTimes(image, callTimes);
    SetPagingAnswerBack(image, answerBack);
    SetPagingDtmfSpeed(image, dtmfSpeed);
    for (int i = 0; i < kPageCodeCount; ++i) {
        const PageCodeEntry& page = pages[std::size_t(i)];
        SetPageEntered(image, i, page.entered ? 1 : 0);
        SetPageDecode(image, i, page.decode);
        SetPageCode(image, i, page.code);
    }
}

void PagingParams::ClearCodesNotEntered() {
    for (PageCodeEntry& page : pages) {
        if (!page.entered) page.code.clear();
    }
}

void PagingParams::CommitPageCode(int page, const std::string& text) {
    if (page < 0 || page >= kPageCodeCount) return;
    PageCodeEntry& entry = pages[std::size_t(page)];
    entry.code = DtmfCodeFromText(text, kPageCodeDigits);
    entry.entered = true;
}

bool PageDecodeSelectable(unsigned optionBoard, const std::string& code) {
    return optionBoard == kPagingOptionBoard && !code.empty();
}

const ChoiceTexts& PagingAutoResetChoices() {
    static const ChoiceTexts list{"Disabled", "2 s",  "3 s",  "4 s",  "5 s",  "6 s",
                                  "7 s",      "8 s",  "9 s",  "10 s", "15 s", "20 s",
                                  "25 s",     "30 s", "40 s", "50 s"};
    return list;
}

const ChoiceTexts& CallTimesChoices() {
    static const ChoiceTexts list{"Disabled", "1 Time", "3 Times", "5 Times"};
    return list;
}

const ChoiceTexts& PagingSpeedChoices() {
    static const ChoiceTexts list{"50 ms", "100 ms"};
    return list;
}

const ChoiceTexts& PageDecodeChoices() {
    static const ChoiceTexts list{"Off", "DEC"};
    return list;
}

}  // namespace kp07
