#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "signaling/five_tone_cells.h"

namespace kp07 {
namespace {

// A value set through one column shows in that column and in no other: no
// two columns share a field, and every column reaches its own.
template <class Entry>
void ExpectColumnsOwnTheirFields(const char* table, int columns,
                                 const std::function<CellRule(int)>& rule,
                                 const std::function<unsigned(const Entry&, int)>& get,
                                 const std::function<void(Entry&, int, unsigned)>& set) {
    for (int col = 0; col < columns; ++col) {
        if (!rule(col).HasValue()) continue;
        Entry entry{};
        const unsigned before = get(entry, col);
        const unsigned value = before == 1 ? 0 : 1;
        set(entry, col, value);
        EXPECT_EQ(get(entry, col), value) << table << " column " << col;
        const Entry fresh{};
        for (int other = 0; other < columns; ++other) {
            if (other != col && rule(other).HasValue()) {
                EXPECT_EQ(get(entry, other), get(fresh, other))
                    << table << " column " << col << " changed column " << other;
            }
        }
    }
}

TEST(FiveToneCells, EachColumnOwnsItsField) {
    ExpectColumnsOwnTheirFields<FiveToneSystemEntry>("systems", kSystemColumnCount, SystemCellRule,
                                                     SystemCellValue, SetSystemCellValue);
    ExpectColumnsOwnTheirFields<FiveToneDecodeEntry>("decode", kDecodeColumnCount, DecodeColumnRule,
                                                     DecodeCellValue, SetDecodeCellValue);
    ExpectColumnsOwnTheirFields<FiveToneEncodeEntry>("encode", kEncodeColumnCount, EncodeCellRule,
                                                     EncodeCellValue, SetEncodeCellValue);
}

// Texts shown, Space, and what a pasted text becomes.
TEST(FiveToneCells, TextsStepsAndPastedTexts) {
    const CellRule code = SystemCellRule(kSysRepeaterCode);
    const CellRule channel = SystemCellRule(kSysChannel);
    const CellRule flag = SystemCellRule(kSysCall);
    const CellRule led = DecodeColumnRule(kDecLed);
    EXPECT_EQ(ValueText(code, 0), "-");
    EXPECT_EQ(ValueText(code, 12), "12");
    EXPECT_EQ(code.ChooserLines()[0], "off");
    EXPECT_EQ(ValueText(flag, 1), "v");
    EXPECT_EQ(ValueText(led, 2), " On  ");
    EXPECT_EQ(SteppedValue(channel, 2), 0u);  // Close wraps to Disable
    EXPECT_EQ(SteppedValue(flag, 1), 0u);
    EXPECT_EQ(SteppedValue(code, 5), 5u);  // a chooser column is not stepped

    const struct {
        CellRule rule;
        const char* text;
        int value;  // -1: refused
    } pastes[] = {
        {code, "-", 0},
        {code, "off", 0},
        {code, "32", 32},
        {code, "33", -1},
        {code, "", -1},
        {channel, "open", 1},
        {channel, "Both", -1},
        {flag, "v", 1},
        {flag, "-", 0},
        {flag, "x", -1},
        {led, "On", 2},
        {led, "Blink\n", 3},
        {SystemCellRule(kSysFormat), "ccir1", 5},
        {SystemCellRule(kSysNumber), "1", -1},
    };
    for (const auto& p : pastes) {
        const auto value = ValueFromText(p.rule, p.text);
        EXPECT_EQ(value ? int(*value) : -1, p.value) << '"' << p.text << '"';
    }
}

}  // namespace
}  // namespace kp07
