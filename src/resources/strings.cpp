#include "resources/strings.h"

namespace kp07 {
namespace {
const StringTable* const kTables[] = {&kDocumentStrings, &kLinkStrings,      &kChannelStrings,
                                      &kParamStrings,    &kAlignmentStrings, &kAppStrings};
}

std::string LoadString(int id, bool* found) {
    for (const StringTable* table : kTables) {
        for (std::size_t i = 0; i < table->count; ++i) {
            if (table->entries[i].id == id) {
                if (found) *found = true;
                return table->entries[i].text;
            }
        }
    }
    if (found) *found = false;
    return {};
}

bool HasString(int id) {
    bool found = false;
    LoadString(id, &found);
    return found;
}

}  // namespace kp07
