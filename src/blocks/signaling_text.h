// Value rules shared by several signaling blocks: how a typed text becomes a
// stored value and how a stored value is shown. Each block offers the rules
// of its own fields by name; the pieces used by more than one block live here.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "blocks/choice_texts.h"

namespace kp07 {

// The value whose text is `text` (blanks around either ignored, letters in
// either case); empty when no choice has that text.
std::optional<unsigned> ChoiceIndex(const ChoiceTexts& list, const std::string& text);
// The value after `index`, from the last back to the first; a value outside
// the list steps to the first.
unsigned NextChoice(const ChoiceTexts& list, unsigned index);

// The texts of a grid cell that is on or off, as the clipboard carries them.
const ChoiceTexts& FlagChoices();  // "-", "v"

// A time in whole seconds stored in one byte: the typed number cut to a whole
// number and held to 0..255.
unsigned WholeSecondsFromText(const std::string& text);
// "%3d s".
std::string FormatWholeSeconds(unsigned seconds);

// A committed DTMF code field (speed dial, ANI, emergency, pause and page
// codes): the first line of the text, at most `maxDigits` characters,
// letters upper-cased.
std::string DtmfCodeFromText(const std::string& text, std::size_t maxDigits);

// A 5-tone decode or encode number as typed: letters upper-cased, every
// character that is not a tone digit "0"-"9", "A"-"E" dropped, at most 8
// digits kept. (The digit F would end the string in the radio's memory.)
std::string DigitStringFromText(const std::string& text);
// The number filled up with blanks to 8 characters.
std::string FormatDigitString(const std::string& digits);

// A typed tag of a 5-tone decode or encode entry: the first line, upper
// case, at most 8 characters, completed with blanks as the radio stores it.
std::string SignalingTagFromText(const std::string& text);

}  // namespace kp07
