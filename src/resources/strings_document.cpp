// String-table entries of the document subsystem.
#include "resources/strings.h"

namespace kp07 {
namespace {
const StringEntry kEntries[] = {
    {0, ""},  // placeholder: no entries yet
};
}  // namespace

const StringTable kDocumentStrings{kEntries, sizeof kEntries / sizeof kEntries[0]};

}  // namespace kp07
