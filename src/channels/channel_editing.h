// How the user changes a channel in the grid: Space and double click
// (ToggleCell), the choice lists, typed values (SetCellFromText), the tone
// lists and the DCS polarity key. Every rule works on the channel table and
// sets the document's modified flag when it changes something; the grid
// widget only asks and repaints.
//
// A channel that is not in use takes no edit but the in-use toggle of
// column 0.
#pragma once

#include <string>
#include <vector>

#include "channels/channel_cells.h"

namespace kp07 {

class ChannelRecord;

enum class EditResult {
    kNothing,  // nothing to do here
    kChanged,  // the table changed; repaint
    kBeep,     // not allowed: a warning beep, no change
};

// Space or double click on a column without a choice list.
EditResult ToggleCell(ChannelTable& table, int slot, int col, const EditContext& ctx);

// Columns 1 (Pri), 15 (squelch), 17 (signaling number) and 19 (encryption)
// choose their value from a list instead.
bool OpensChoiceList(int col);

enum class ListStart { kNone, kBeep, kShow };

struct ChoiceList {
    std::string title;
    std::vector<std::string> entries;
    int selected = 0;
};
// Fills the list that Space or a double click opens on a choice column.
// The Pri choice also remembers the P and G channels (to repaint the rows
// that lose a mark).
ListStart PrepareChoice(ChannelTable& table, int slot, int col, const EditContext& ctx,
                        ChoiceList* list);
// The user chose entry `index` of `list` and pressed OK.
void ApplyChoice(ChannelTable& table, int slot, int col, const ChoiceList& list, int index);
// Pri choice: 0 off, 1 G (group mode), 2 P (priority mode), 3 both. Only one
// channel of the radio holds each mark; taking it moves it.
void ApplyPriChoice(ChannelTable& table, int slot, int choice);

// ---- tones (column 6 decoder, column 7 encoder) ----

struct ToneList {
    std::string title;
    std::vector<std::string> entries;  // " 67.0" .. or "023" ..
    int selected = -1;
    int columnWidth = 100;  // pixels per column of the list
};
// The CTCSS or DCS list of the column's tone type; a beep when it has none.
ListStart PrepareToneList(const ChannelTable& table, int slot, int col, ToneList* list);
// OK in the tone list: column 7 sets the encoder value, column 6 the
// decoder value and the same encoder value.
void ApplyToneChoice(ChannelTable& table, int slot, int col, int index);

// The tone types are kept aside while a tone is edited, so that an edit
// that is abandoned or refused can put them back.
void SaveToneTypes(ChannelTable& table, int slot);
void RestoreToneTypes(ChannelTable& table, int slot);
// Typing "C" or "D" on a tone column of a channel in use: the tone types
// are saved, the column's type becomes CTCSS or DCS (column 6 both sides,
// column 7 the encoder) and the editor starts with the returned "C-" or
// "D-". Any other character returns "" and changes nothing.
std::string StartToneTyping(ChannelTable& table, int slot, int col, int character);
// A tone text with nothing but blanks after its "-" asks for the list.
bool ToneTextOpensList(const std::string& text);
// Before that list opens: the types are saved again and the first letter
// of the text chooses the type (C CTCSS, anything else DCS).
void SetToneTypeFromText(ChannelTable& table, int slot, int col, const std::string& text);
// "C-" or "D-" alone: the edit was abandoned.
bool IsBareTonePrefix(const std::string& text);
// QLNK needs DCS on both sides; any other combination switches it off.
void EnforceQlnk(ChannelRecord& record);

// Commit of the in-place editor on columns 3 to 7. Returns whether the
// table changed; always sets the modified flag.
bool SetCellFromText(ChannelTable& table, int slot, int col, const std::string& text);

// F3 on a DCS tone: the decoder steps N, I, B; the encoder flips N, I.
bool CycleDcsPolarity(ChannelTable& table, int slot, int col);

}  // namespace kp07
