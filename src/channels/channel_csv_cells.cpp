#include "channels/channel_csv_cells.h"

#include <algorithm>
#include <array>

#include "blocks/channel_table.h"
#include "channels/channel_editing.h"
#include "channels/channel_paste.h"
#include "channels/csv_text.h"
#include "channels/group_editing.h"
#include "image/tone_codec.h"
#include "resources/message.h"
#include "resources/strings.h"

namespace kp07 {
namespace {

constexpr int kMsgNotAccepted = 6110;
constexpr int kMsgStoredAs = 6111;
constexpr int kMsgChangedByOther = 6112;
constexpr int kMsgNoGroup = 6119;
constexpr int kMsgGroupOrder = 6120;
constexpr int kMsgCbKeepsSize = 6121;
constexpr int kMsgGroupTooSmall = 6122;

std::string RightTrimmed(std::string text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
    return text;
}

std::string WithoutBlanks(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c != ' ' && c != '\t') out += c;
    }
    return out;
}

bool IsToneColumn(int col) {
    return col == kColDecoder || col == kColEncoder;
}

// The columns the grid's cell editor takes typed text in.
bool IsTypedColumn(int col) {
    return col >= kColTag && col <= kColEncoder;
}

// Copy and paste work on every column here: the file names the columns it
// carries, so visibility plays no part.
std::array<int, kVisibleItemCount> AllVisible() {
    std::array<int, kVisibleItemCount> items{};
    items.fill(1);
    return items;
}

// What a refused cell puts back: the channel and the two marks.
struct Snapshot {
    ChannelRecord record;
    int pChannel = 0;
    int gChannel = 0;
};
Snapshot Take(const ChannelTable& t, int slot) {
    return {t.records[std::size_t(slot)], t.pChannel, t.gChannel};
}
void PutBack(ChannelTable& t, int slot, const Snapshot& s) {
    t.records[std::size_t(slot)] = s.record;
    t.pChannel = s.pChannel;
    t.gChannel = s.gChannel;
}

class RowEditor {
  public:
    RowEditor(ChannelTable& table, const EditContext& ctx, int slot)
        : t_(table), ctx_(ctx), slot_(slot) {}

    std::string Text(int col) const { return CsvCellText(t_, slot_, col, ctx_.alphaTags); }
    bool Shows(int col, const std::string& want) const { return Text(col) == want; }

    // The cell shows `want` afterwards, through the way the grid edits this
    // column.
    bool Apply(int col, const std::string& want) {
        refusedOutright_ = false;
        if (Shows(col, want)) return true;
        switch (col) {
            case kColTag:
                // A cleared tag is typed as blanks.
                return Paste(col, want.empty() ? std::string(8, ' ') : want) && Shows(col, want);
            case kColRx:
            case kColTx:
                return Paste(col, want) && Shows(col, want);
            case kColDecoder:
            case kColEncoder:
                return Tone(col, want);
            case kColPri:
            case kColSquelch:
            case kColSignalingNumber:
            case kColEncryption:
                return Choose(col, want);
            case kColChannel:
            case kCsvGroup:
                return false;
            case kCsvInUse:
                return Step(kColChannel, kCsvInUse, want);
            default:
                return Step(col, col, want);
        }
    }

  private:
    bool Paste(int col, const std::string& text) {
        return PasteCell(t_, slot_, col, text, ctx_, AllVisible()).result ==
               PasteOutcome::kAccepted;
    }

    // Space, as often as the column has values.
    bool Step(int col, int shownCol, const std::string& want) {
        for (int i = 0; i < 4; ++i) {
            if (ToggleCell(t_, slot_, col, ctx_) != EditResult::kChanged) return false;
            if (Shows(shownCol, want)) return true;
        }
        return false;
    }

    // The column's choice list, entry by entry, each tried on the channel
    // as it was (an entry tried on the way, such as the G mark, must not
    // take a mark from another channel).
    bool Choose(int col, const std::string& want) {
        ChoiceList list;
        if (PrepareChoice(t_, slot_, col, ctx_, &list) != ListStart::kShow) return false;
        const Snapshot before = Take(t_, slot_);
        for (int i = 0; i < int(list.entries.size()); ++i) {
            PutBack(t_, slot_, before);
            ApplyChoice(t_, slot_, col, list, i);
            if (Shows(col, want)) return true;
        }
        return false;
    }

    // "-------" as pasted; a CTCSS or DCS value as typed into the cell
    // editor ("C" or "D", then the number), the DCS polarity with F3.
    bool Tone(int col, const std::string& want) {
        if (want == kNoToneText) return Paste(col, want) && Shows(col, want);
        if (want.size() < 3 || want[1] != '-' || (want[0] != 'C' && want[0] != 'D')) return false;
        std::string value = want.substr(2);
        if (want[0] == 'D') value.pop_back();  // the polarity letter
        if (StartToneTyping(t_, slot_, col, want[0]).empty()) return false;
        if (!SetCellFromText(t_, slot_, col, want.substr(0, 2) + value)) return false;
        if (want[0] == 'C') return Shows(col, want);
        // A DCS code the editor keeps otherwise is told as such; a polarity
        // that F3 never reaches (B on the encoder) is refused.
        const std::string code = Text(col).substr(0, Text(col).size() - 1);
        if (code != want.substr(0, want.size() - 1)) return false;
        for (int i = 0; i < 3 && !Shows(col, want); ++i) {
            if (!CycleDcsPolarity(t_, slot_, col)) break;
        }
        if (Shows(col, want)) return true;
        refusedOutright_ = true;
        return false;
    }

  public:
    // After a failed Apply: the grid refused the value rather than keep
    // another one.
    bool refusedOutright() const { return refusedOutright_; }

  private:
    ChannelTable& t_;
    const EditContext& ctx_;
    int slot_;
    bool refusedOutright_ = false;
};

int GroupOfCsvName(const std::string& text) {
    for (int g = 0; g <= kGroupCount; ++g) {
        if (CsvLower(text) == CsvLower(GroupCsvName(g))) return g;
    }
    return -1;
}

// Group membership of every slot as the file wants it; the groups must then
// be runs in group order, the CB group keeps its size (the allocation dialog
// cannot change it) and the other sizes go through the allocation rule.
bool ApplyGroups(ChannelTable& t, const std::vector<WantedRow>& rows, CsvImportResult* result) {
    std::array<int, kChannelSlots> member{};
    std::array<int, kChannelSlots> rowOf{};
    std::array<std::string, kChannelSlots> heading;
    bool given = false;
    for (int s = 0; s < kChannelSlots; ++s) member[std::size_t(s)] = t.GroupOfSlot(s);
    for (const WantedRow& row : rows) {
        for (const WantedCell& cell : row.cells) {
            if (cell.col != kCsvGroup) continue;
            const int g = GroupOfCsvName(cell.text);
            if (g < 0) {
                AddRefusal(result, row.fileRow, cell.heading,
                           FormatMessage(kMsgNoGroup, cell.text));
                continue;
            }
            given = true;
            member[std::size_t(row.slot)] = g;
            rowOf[std::size_t(row.slot)] = row.fileRow;
            heading[std::size_t(row.slot)] = cell.heading;
        }
    }
    if (!given) return false;
    // A slot whose group changed is one the file gives.
    auto refuseAt = [&](int s, const std::string& reason) {
        AddRefusal(result, rowOf[std::size_t(s)], heading[std::size_t(s)], reason);
    };
    for (int s = 1; s < kChannelSlots; ++s) {
        if (member[std::size_t(s)] < member[std::size_t(s - 1)]) {
            // Blame the slot the file moved, when only one of the two moved.
            const bool earlierMoved = member[std::size_t(s - 1)] != t.GroupOfSlot(s - 1);
            const bool laterMoved = member[std::size_t(s)] != t.GroupOfSlot(s);
            refuseAt(earlierMoved && !laterMoved ? s - 1 : s, LoadString(kMsgGroupOrder));
            return false;
        }
    }
    std::array<unsigned, kGroupCount> sizes{};
    for (int m : member) {
        if (m < kGroupCount) ++sizes[std::size_t(m)];
    }
    const std::array<unsigned, kGroupCount> before = t.groupSizes();
    if (sizes == before) return false;
    if (sizes[0] != before[0]) {
        for (int s = 0; s < kChannelSlots; ++s) {
            if ((member[std::size_t(s)] == 0) != (s < int(before[0]))) {
                refuseAt(s, FormatMessage(kMsgCbKeepsSize, std::to_string(before[0])));
                return false;
            }
        }
    }
    // Smaller groups first, so that the larger ones find the channels free.
    for (int pass = 0; pass < 2; ++pass) {
        for (int g = 1; g < kGroupCount; ++g) {
            const unsigned want = sizes[std::size_t(g)];
            const unsigned now = t.groupSizes()[std::size_t(g)];
            if ((pass == 0 && want < now) || (pass == 1 && want > now))
                SetGroupCount(t, g, std::to_string(want));
        }
    }
    for (int g = 0; g < kGroupCount; ++g) {
        const unsigned taken = t.groupSizes()[std::size_t(g)];
        if (taken == sizes[std::size_t(g)]) continue;
        int first = 0;
        for (int k = 0; k < g; ++k) first += int(sizes[std::size_t(k)]);
        refuseAt(std::min(first + int(taken), kChannelSlots - 1),
                 FormatMessage(kMsgGroupTooSmall, GroupCsvName(g),
                               std::to_string(sizes[std::size_t(g)])));
        return false;
    }
    return true;
}

}  // namespace

std::string CsvHeading(int col) {
    if (col == kCsvInUse) return "In use";
    if (col == kCsvGroup) return "Group";
    const ChannelColumn& c = ChannelColumnAt(col);
    const std::string group = c.heading0;
    return group.empty() ? std::string(c.heading1) : group + " " + c.heading1;
}

int CsvColumnOfHeading(const std::string& heading) {
    const std::string wanted = CsvLower(CsvTrimmed(heading));
    for (int col = 0; col < kCsvColumnCount; ++col) {
        if (CsvLower(CsvHeading(col)) == wanted) return col;
    }
    return -1;
}

std::string GroupCsvName(int group) {
    if (group < 0 || group >= kGroupCount) return std::string();
    return CsvTrimmed(ChannelTable::GroupName(group));
}

std::string CsvCellText(const ChannelTable& table, int slot, int col, bool alphaTags) {
    if (col == kCsvInUse) return table.IsInUse(slot) ? "1" : "0";
    if (col == kCsvGroup) return GroupCsvName(table.GroupOfSlot(slot));
    if (IsCheckMarkColumn(col)) return ShownCell(table, slot, col, alphaTags).checkMark ? "1" : "0";
    const std::string text = LogicalCellText(table, slot, col, alphaTags);
    return NormalisedCsvCell(col, text);
}

std::string NormalisedCsvCell(int col, const std::string& text) {
    if (col == kColTag) return RightTrimmed(text);
    if (IsToneColumn(col)) return WithoutBlanks(text);
    return CsvTrimmed(text);
}

void AddRefusal(CsvImportResult* result, int row, const std::string& column,
                const std::string& reason) {
    // One file cell can feed two grid cells (a generic tone column gives the
    // decoder and the encoder): it is refused once.
    for (auto it = result->refused.rbegin(); it != result->refused.rend() && it->row == row; ++it) {
        if (it->column == column && it->reason == reason) return;
    }
    ++result->refusedCount;
    if (int(result->refused.size()) < kMaxListedRefusals)
        result->refused.push_back({row, column, reason});
}

bool ApplyWantedRows(ChannelTable& t, RadioImage& scratch, const EditContext& ctx,
                     const std::vector<WantedRow>& rows, CsvImportResult* result,
                     std::vector<int>* changedSlots) {
    bool changed = false;
    // The Pri cells, checked again once every row is in: a later row may
    // take the P or G mark from an earlier one.
    std::vector<std::pair<const WantedRow*, const WantedCell*>> marks;
    for (const WantedRow& row : rows) {
        RowEditor editor(t, ctx, row.slot);
        ChannelRecord& r = t.records[std::size_t(row.slot)];
        std::vector<const WantedCell*> cells;
        for (const WantedCell& cell : row.cells) {
            if (cell.col != kColChannel && cell.col != kCsvGroup) cells.push_back(&cell);
        }
        // In grid order, which is the order of dependence: the frequency
        // before the transmit frequency and Xtal, the tones before QLNK, the
        // signaling type before its number, ANI and encryption, and the
        // in-use mark last.
        std::stable_sort(cells.begin(), cells.end(),
                         [](const WantedCell* a, const WantedCell* b) { return a->col < b->col; });
        // The grid edits channels in use only; the in-use mark is put back
        // unless the file sets it.
        const int inUse = r.inUse;
        r.inUse |= 1;
        bool inUseGiven = false;
        std::vector<const WantedCell*> applied;
        for (const WantedCell* cell : cells) {
            if (cell->col == kCsvInUse) {
                r.inUse = (r.inUse & ~1) | (inUse & 1);
                inUseGiven = true;
            }
            if (cell->col == kColPri) marks.emplace_back(&row, cell);
            if (editor.Shows(cell->col, cell->text)) continue;
            const Snapshot before = Take(t, row.slot);
            const std::string was = editor.Text(cell->col);
            if (editor.Apply(cell->col, cell->text)) {
                applied.push_back(cell);
                continue;
            }
            // A typed value the grid took but keeps otherwise (placed on the
            // raster, held to the band, cut) is told with what it became;
            // anything else the grid refuses outright.
            const std::string became = editor.Text(cell->col);
            PutBack(t, row.slot, before);
            AddRefusal(result, row.fileRow, cell->heading,
                       IsTypedColumn(cell->col) && became != was && !editor.refusedOutright()
                           ? FormatMessage(kMsgStoredAs, cell->text, became)
                           : FormatMessage(kMsgNotAccepted, cell->text));
        }
        if (!inUseGiven) r.inUse = (r.inUse & ~1) | (inUse & 1);
        if (applied.empty()) continue;
        changed = true;
        changedSlots->push_back(row.slot);
        // What the radio will hold: the record written into its image bytes
        // and read back (a tag character the radio has no code for is lost
        // there, for one). A value the file did not change is not judged:
        // a save would write it the same way.
        t.StoreRecord(row.slot, scratch);
        t.LoadRecord(row.slot, scratch);
        for (const WantedCell* cell : applied) {
            const std::string now = editor.Text(cell->col);
            if (now != cell->text)
                AddRefusal(result, row.fileRow, cell->heading,
                           FormatMessage(kMsgStoredAs, cell->text, now));
        }
    }
    if (ApplyGroups(t, rows, result)) changed = true;
    for (const auto& [row, cell] : marks) {
        const std::string now = CsvCellText(t, row->slot, cell->col, ctx.alphaTags);
        if (now != cell->text)
            AddRefusal(result, row->fileRow, cell->heading,
                       FormatMessage(kMsgChangedByOther, cell->text, now));
    }
    return changed;
}

}  // namespace kp07
