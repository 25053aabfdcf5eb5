// The radio's small alphabets: the 6-bit alpha-tag code, DTMF digit codes and
// hexadecimal tone digits.
#pragma once

namespace kp07 {

// 6-bit alpha-tag code: 0-9 digits, 10-35 'A'-'Z', 36-48 " ()+-=*/[\]:_".
// Codes 49-63 have no character: CodeToChar returns '\0' and a tag ends there.
char CodeToChar(int code);
// Upper-case letters, digits and the special characters map to their code;
// everything else (lower case included) is stored as a space (36).
int CharToCode(char c);
constexpr int kTagSpaceCode = 36;

// DTMF digit code: 0-9, 'A'-'D' = 10-13, '*' = 14, '#' = 15; above 15 shows '-'.
char DtmfToChar(int code);
// Upper-cases first; characters outside the DTMF set give 0. The result may
// lie outside 0-15 for characters below '0'; writers keep its low 4 bits.
int CharToDtmf(char c);

// Tone digits 0-15 show as '0'-'9', 'A'-'F'; a value above 15 shows '0'.
char HexToChar(int value);
int CharToHex(char c);

}  // namespace kp07
