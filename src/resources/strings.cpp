#include "resources/strings.h"

namespace kp07 {
namespace {
const StringTable* const kTables[] = {&kDocumentStrings, &kLinkStrings,      &kChannelStrings,
                                      &kParamStrings,    &kAlignmentStrings, &kAppStrings};
const StringTable* testTable = nullptr;

bool Find(const StringTable* table, int id, std::string* text) {
    for (std::size_t i = 0; i < table->count; ++i) {
        if (table->entries[i].id == id) {
            *text = table->entries[i].text;
            return true;
        }
    }
    return false;
}
}  // namespace

const StringTable* SetTestStringTable(const StringTable* table) {
    const StringTable* previous = testTable;
    testTable = table;
    return previous;
}

std::string LoadString(int id, bool* found) {
    std::string text;
    if (testTable && Find(testTable, id, &text)) {
        if (found) *found = true;
        return text;
    }
    for (const StringTable* table : kTables) {
        if (Find(table, id, &text)) {
            if (found) *found = true;
            return text;
        }
    }
    if (found) *found = false;
    return {};
}

std::vector<int> AllStringIds() {
    std::vector<int> ids;
    for (const StringTable* table : kTables) {
        for (std::size_t i = 0; i < table->count; ++i) ids.push_back(table->entries[i].id);
    }
    return ids;
}

bool HasString(int id) {
    bool found = false;
    LoadString(id, &found);
    return found;
}

}  // namespace kp07
