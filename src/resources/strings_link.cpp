// String-table entries of the link subsystem.
#include "resources/strings.h"

namespace kp07 {
namespace {
const StringEntry kEntries[] = {
    {0, ""},  // placeholder: no entries yet
};
}  // namespace

const StringTable kLinkStrings{kEntries, sizeof kEntries / sizeof kEntries[0]};

}  // namespace kp07
