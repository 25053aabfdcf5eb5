// Character rules of the program's text inputs. The dialogs' text fields and
// the grid cell editor only ask these functions; keeping the rules here lets
// them be checked without a display.
//
// Characters are passed as code points. The radio's character set is 7-bit,
// and several rules look only at the low seven bits of a character (so a
// character with bit 7 set is judged as its 7-bit twin); a code point beyond
// the 8-bit range can never be stored and is refused by every rule that tests
// at all.
#pragma once

namespace kp07 {

constexpr int kBackspaceChar = 8;

// ---- Dialog text fields (CFilterEdit) ----

// Filter kinds of the dialogs' text fields.
enum FilterKind {
    kFilterAny = 0,             // everything
    kFilterDecimal = 1,         // digits, ".", space
    kFilterSigned = 2,          // digits, space, "-", "+"
    kFilterDtmf = 3,            // digits, A-D, "#", "*"
    kFilterTag = 4,             // printable 7-bit characters less 19 the radio cannot show
    kFilterSignedDecimal = 5,   // digits, ".", space, "-", "+"
    kFilterDigitsSpace = 6,     // digits, space
    kFilterHex = 7,             // digits, A-F
    kFilterDigits = 8,          // digits
    kFilterLetterAtSecond = 9,  // second character a letter C-N, every other a digit
    kFilterDtmfLetters = 10     // A-D only
};

// Whether a text field of filter `kind` accepts character `c` typed with the
// caret (start of the selection) at `caret`. Backspace always passes; an
// unknown kind accepts everything.
bool FilterAcceptsChar(int kind, int c, int caret);

// ---- Grid cell editor (CCellEdit) ----
// Each returns `c` when it is accepted and 0 when it is not; Backspace is
// returned unchanged by all four. Case is left alone: the editor shows
// letters in upper case itself.

// Alpha tags: printable 7-bit characters except "!,#%&.;~". The caret
// position is part of the call for the editor's sake and does not matter.
int IsTagChar(int c, int position);
// Frequencies and tone values: digits, "." and blank.
int IsFreqChar(int c);
// 5-tone digits: digits and A-E in either case.
int IsToneDigit(int c);
// Hexadecimal bytes: digits and A-F in either case.
int IsHexChar(int c);

// Cell editor modes chosen by the owner before it shows the editor.
enum CellEditMode {
    kCellTag = 0,
    kCellFreq = 1,
    kCellToneDigit = 2,
    kCellHex = 3,
    kCellToneValue = 4,
    kCellTag2 = 5,
};
// The test of `mode` applied to `c` (the character or 0); a mode outside 0-5
// lets everything through.
int CellModeChar(int mode, int c, int position);

}  // namespace kp07
