// Value rules shared by several signaling blocks: how a typed text becomes a
// stored value and how a stored value is shown. Each block offers the rules
// of its own fields by name; the pieces used by more than one block live here.
#pragma once

#include <cstddef>
#include <string>

namespace kp07 {

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

}  // namespace kp07
