// Texts of the parameter dialogs' choice lists. A list's item i stands for
// the stored value i; the dialogs fill their lists from these tables and the
// printed report prints the very same texts.
#pragma once

#include <string>
#include <vector>

namespace kp07 {

using ChoiceTexts = std::vector<std::string>;

// "Disabled", "Enabled " (blanked to one width).
const ChoiceTexts& DisabledEnabledTexts();

// Each text of `numbers` put through `format` ("%s s").
ChoiceTexts FormatTexts(const char* format, const ChoiceTexts& numbers);
// `first`, `first` + `step`, .. up to `last`, each put through `format`
// ("%-3d s").
ChoiceTexts NumberTexts(const char* format, int first, int last, int step);
// Every text filled with blanks to the width of the longest.
ChoiceTexts BlankedToOneWidth(ChoiceTexts texts);

// The text of item `index`, or "" when the list has no such item (a value
// from an image that no list offers).
std::string ChoiceText(const ChoiceTexts& texts, unsigned index);

}  // namespace kp07
