// How the cells of the signaling tables behave (the 5-tone systems, decode
// and encode grids): what a value shows, what Space does to it and which
// pasted texts a cell takes. The grid dialogs only ask these rules.
#pragma once

#include <optional>
#include <string>

#include "blocks/signaling_text.h"

namespace kp07 {

enum class CellKind {
    kNone,     // shown blank; takes nothing
    kNumber,   // the entry number
    kFlag,     // on or off; Space toggles
    kStep,     // a short list; Space steps to the next value, wrapping
    kChooser,  // a long list; Space opens a chooser
    kDigits,   // a typed 5-tone number, digits "0"-"E"
    kTag,      // a typed alpha tag
};

struct CellRule {
    CellKind kind = CellKind::kNone;
    const ChoiceTexts* texts = nullptr;    // what each value shows (flag, step, chooser)
    const ChoiceTexts* chooser = nullptr;  // the chooser's lines; null: the texts

    bool HasValue() const { return texts != nullptr; }
    const ChoiceTexts& ChooserLines() const { return chooser ? *chooser : *texts; }
};

// The text of `value` in a flag, step or chooser cell ("-" or "v" for a
// flag); empty for other cells.
std::string ValueText(const CellRule& rule, unsigned value);
// The value after Space on a flag or step cell; other cells keep it.
unsigned SteppedValue(const CellRule& rule, unsigned value);
// The value a pasted text stands for in a flag, step or chooser cell: a text
// the cell shows or a line of its chooser. Empty when it stands for none.
std::optional<unsigned> ValueFromText(const CellRule& rule, const std::string& text);

}  // namespace kp07
