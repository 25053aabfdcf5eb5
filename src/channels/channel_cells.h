// What the channel grid shows in each cell, and the facts about the radio
// and the program that stand above the grid.
#pragma once

#include <string>
#include <vector>

#include "image/radio_image.h"

namespace kp07 {

class ChannelTable;
class HardwareParams;
class RadioIdentity;
class SignalingType;

// What the editing rules need to know about the radio beyond the channel
// table itself.
struct EditContext {
    // "KR-318" units show alpha tags; "KR-302 Series" units have none.
    bool alphaTags = true;
    // 5-tone radios offer 32 signaling systems per channel, 2-tone radios 16.
    bool fiveTone = true;
    // The option unit fitted (Option dialog): 1 is the paging unit, 6 the
    // unit with the extra "Option" signaling type.
    unsigned optionBoard = 0;
    // Numbers (1..10) of the paging codes the radio has.
    std::vector<int> pagingCodes;
};

// The context of the document's radio (its image and program-wide blocks).
EditContext CurrentEditContext();
// The context of the radio an image describes, without the program's blocks.
EditContext EditContextOf(const RadioImage& image);
// Whether the document's radio shows alpha tags (the cheap part of it).
bool CurrentRadioHasAlphaTags();

// A cell as the grid shows it: a text, or a check mark instead of the text.
struct CellShown {
    std::string text;
    bool checkMark = false;
};
CellShown ShownCell(const ChannelTable& table, int slot, int col, bool alphaTags);
// The cell's value as text: the shown text, or "v" where a check mark is
// drawn. Copy, paste and the channel listing use it.
std::string LogicalCellText(const ChannelTable& table, int slot, int col, bool alphaTags);

// Whether the cell of column 3, 4, 5, 6 or 7 may be edited by typing (the
// channel is in use, and for tags the radio has them), and its value as
// text: the tag, the frequency ("%9.5f", for TX also when TX is off) or the
// tone value.
bool CellText(const ChannelTable& table, int slot, int col, bool alphaTags, std::string* text);

// The text Copy puts on the clipboard for a cell: the logical value of the
// check-mark and encryption columns, the grid's selection text otherwise.
std::string CopyTextOfCell(const ChannelTable& table, int slot, int col, bool alphaTags,
                           const std::string& selectionText);

// A tag as shown: cut or padded to eight characters.
std::string PadTag(const std::string& tag);
bool IsBlankTag(const std::string& tag);

// The header block of the main window.
struct RadioFacts {
    std::string serialNumber;  // "%-8s"
    std::string band;          // "VHF" / "UHF", "%-13s"
    std::string productType;   // "KR-302 Series" / "KR-318", "%-13s"
    std::string firmware;      // "4.00"
    std::string comPort;       // "COM1  9600BPS"
    std::string printer;
};
RadioFacts RadioFactsOf(const RadioIdentity& identity, const HardwareParams& hardware, int comPort,
                        int comSpeed, const std::string& printer);

}  // namespace kp07
