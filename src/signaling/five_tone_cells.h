// The columns of the three 5-tone table grids (systems, decode, encode):
// each cell's rule and the field of the entry behind it. A flag, step or
// chooser cell holds a whole number (0/1 for a flag, the list index
// otherwise); the typed cells (numbers and tags) are read and written as
// text by the block rules (DigitStringFromText, SignalingTagFromText).
#pragma once

#include "blocks/five_tone_decode.h"
#include "blocks/five_tone_encode.h"
#include "blocks/five_tone_systems.h"
#include "signaling/table_cells.h"

namespace kp07 {

// ---- 5-Tone Systems: 22 columns ----
enum SystemColumn {
    kSysNumber = 0,
    kSysFormat = 1,
    kSysMonitor = 2,
    kSysChannel = 3,
    kSysCall = 4,
    kSysPtt = 5,
    kSysRepeaterCode = 6,
    kSysCallCode = 7,
    kSysIdCode = 8,
    kSysFlow = 9,
    kSysAni = 10,
    kSysAutoReset = 11,
    kSysComplement = 12,
    kSysDuty = 13,
    kSysFirstDecode = 14,  // decode codes 1 to 8 in 14 to 21
    kSystemColumnCount = 22,
};
CellRule SystemCellRule(int col);
unsigned SystemCellValue(const FiveToneSystemEntry& entry, int col);
void SetSystemCellValue(FiveToneSystemEntry& entry, int col, unsigned value);

// ---- 5-Tone Decode: 13 columns; entry kGroupDecodeEntry is the group ----
enum DecodeColumn {
    kDecNumber = 0,
    kDecCode = 1,
    kDecTag = 2,
    kDecTranspond = 3,
    kDecId = 4,
    kDecLed = 5,
    kDecMode = 6,
    kDecScan = 7,
    kDecEmergency = 8,
    kDecBeepTone = 9,
    kDecBeepMode = 10,
    kDecStun = 11,
    kDecAutoTx = 12,
    kDecodeColumnCount = 13,
};
// The rule of a column as the decode entries have it.
CellRule DecodeColumnRule(int col);
// The rule of one cell: the group entry has no number, transpond code or
// auto TX (kNone there).
CellRule DecodeCellRule(int entry, int col);
unsigned DecodeCellValue(const FiveToneDecodeEntry& entry, int col);
void SetDecodeCellValue(FiveToneDecodeEntry& entry, int col, unsigned value);

// ---- 5-Tone Encode: 17 columns ----
enum EncodeColumn {
    kEncNumber = 0,
    kEncCode = 1,
    kEncTag = 2,
    kEncFirstDigitExtend = 3,
    kEncRecallingCode = 4,
    kEncOverwrite = 5,
    kEncTranspondDecode = 6,
    kEncTranspondBeep = 7,
    kEncGroupDigit = 8,
    kEncFirstInputDigit = 9,  // input digits 1 to 8 in 9 to 16
    kEncodeColumnCount = 17,
};
CellRule EncodeCellRule(int col);
unsigned EncodeCellValue(const FiveToneEncodeEntry& entry, int col);
void SetEncodeCellValue(FiveToneEncodeEntry& entry, int col, unsigned value);

}  // namespace kp07
