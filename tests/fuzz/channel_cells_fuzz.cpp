// The channel grid's commit rules with anything typed or pasted into any
// cell: typed values (tag, frequencies, tones), pastes into every column,
// Space and double click, the choice and tone lists, the tone typing and the
// DCS polarity key, channel copies, in any order, on channels of any kind
// (read from an image whose channel bytes the fuzzer chose). Afterwards the
// cells of every channel touched must still show, and the stored table must
// settle.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "channels/channel_cells.h"
#include "channels/channel_columns.h"
#include "channels/channel_editing.h"
#include "channels/channel_paste.h"
#include "fuzz_support.h"
#include "image/radio_image.h"

namespace {

using namespace kp07;
using fuzz::Fail;

void ReadEveryCell(const ChannelTable& table, int slot, bool alphaTags) {
    for (int col = -1; col <= kChannelColumnCount; ++col) {
        ShownCell(table, slot, col, alphaTags);
        LogicalCellText(table, slot, col, alphaTags);
        std::string text;
        CellText(table, slot, col, alphaTags, &text);
        CopyTextOfCell(table, slot, col, alphaTags, "x");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    static fuzz::SilentMessages messages;
    fuzz::ResetState(&messages);
    messages.agree = in.Bool();

    // The channel bytes come from the input when it asks for it: damaged
    // records, odd tone types, any group sizes.
    RadioImage image = fuzz::DefaultImage();
    const int overlays = in.Int(0, 8);
    for (int i = 0; i < overlays; ++i) {
        const int offset = in.Int(0, int(kImageSize) - 1);
        const std::vector<std::uint8_t> bytes = in.Bytes(std::size_t(in.Int(0, 64)));
        std::copy_n(bytes.begin(), std::min(bytes.size(), kImageSize - std::size_t(offset)),
                    image.begin() + offset);
    }
    HardwareParams hardware;
    hardware.Load(image);
    ChannelTable table(hardware);
    table.Load(image);
    autoTxOffsetMHz = in.Int(-999, 999) / 10.0;

    EditContext ctx;
    ctx.alphaTags = in.Bool();
    ctx.fiveTone = in.Bool();
    ctx.optionBoard = unsigned(in.Int(0, 7));
    for (int page = 1; page <= 10; ++page) {
        if (in.Bool()) ctx.pagingCodes.push_back(page);
    }
    std::array<int, kVisibleItemCount> visible{};
    for (int& v : visible) v = in.Int(0, 1);

    std::vector<int> touched;
    int steps = 0;
    while (!in.empty() && ++steps < 400) {
        const std::uint8_t op = in.Byte();
        const int slot = in.Int(-2, kChannelSlots + 1);
        const int col = in.Int(-1, kChannelColumnCount);
        touched.push_back(slot);
        switch (op % 10) {
            case 0:
                SetCellFromText(table, slot, col, in.Text(40));
                break;
            case 1:
                PasteCell(table, slot, col, in.Text(40), ctx, visible);
                break;
            case 2:
                ToggleCell(table, slot, col, ctx);
                break;
            case 3: {
                ChoiceList list;
                if (PrepareChoice(table, slot, col, ctx, &list) == ListStart::kShow) {
                    if (list.entries.empty() || list.selected < 0 ||
                        list.selected >= int(list.entries.size()))
                        Fail("a choice list without a valid selection");
                    ApplyChoice(table, slot, col, list, in.Int(-1, int(list.entries.size())));
                }
                break;
            }
            case 4: {
                ToneList list;
                if (PrepareToneList(table, slot, col, &list) == ListStart::kShow) {
                    if (list.selected >= int(list.entries.size()))
                        Fail("a tone list selection past its end");
                    ApplyToneChoice(table, slot, col, in.Int(-1, int(list.entries.size())));
                }
                break;
            }
            case 5: {
                // The tone typing of the in-place editor: a letter, then a
                // text that either opens the list or is committed.
                const std::string start = StartToneTyping(table, slot, col, in.Byte());
                const std::string text = start + in.Text(12);
                if (ToneTextOpensList(text)) {
                    SetToneTypeFromText(table, slot, col, text);
                } else if (IsBareTonePrefix(text)) {
                    RestoreToneTypes(table, slot);
                } else {
                    SetCellFromText(table, slot, col, text);
                }
                break;
            }
            case 6:
                CycleDcsPolarity(table, slot, col);
                break;
            case 7:
                if (slot >= 0 && slot < kChannelSlots) {
                    CopyChannel(table, in.Int(0, kChannelSlots - 1), slot, visible);
                }
                break;
            case 8:
                ApplyPriChoice(table, std::max(0, std::min(slot, kChannelSlots - 1)),
                               in.Int(-1, 4));
                break;
            default:
                table.SelectGroup(in.Int(-1, kGroupCount));
                ReadEveryCell(table, slot, ctx.alphaTags);
                break;
        }
    }
    // Reading changes nothing, so each touched channel is read once.
    std::sort(touched.begin(), touched.end());
    touched.erase(std::unique(touched.begin(), touched.end()), touched.end());
    for (int slot : touched) ReadEveryCell(table, slot, ctx.alphaTags);

    // Stored, the table settles (a channel without signaling keeps a pasted
    // number only until it is read back; a frequency typed within damaged
    // limits may be put right over a few passes).
    RadioImage stored = image;
    table.Store(stored);
    fuzz::SettleChannelTable(hardware, stored, "an edited table keeps changing when stored again");
    fuzz::ResetState(nullptr);
    return 0;
}
