// The string table: every text the program shows to the user, under its
// numeric id. Each subsystem keeps its entries in its own strings_<name>.cpp.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kp07 {

struct StringEntry {
    int id;
    const char* text;
};

// The text of entry `id`; `found` (if given) tells whether the entry exists.
std::string LoadString(int id, bool* found = nullptr);
bool HasString(int id);

// The per-subsystem tables that LoadString searches.
struct StringTable {
    const StringEntry* entries;
    std::size_t count;
};
extern const StringTable kDocumentStrings;
extern const StringTable kLinkStrings;
extern const StringTable kChannelStrings;
extern const StringTable kParamStrings;
extern const StringTable kAlignmentStrings;
extern const StringTable kAppStrings;

// The ids of every entry of the tables above, table by table in their order
// (the test table is not included).
std::vector<int> AllStringIds();

// An extra table searched before all others, for tests that need texts of
// their own (nullptr removes it). Returns the previous one.
const StringTable* SetTestStringTable(const StringTable* table);

}  // namespace kp07
