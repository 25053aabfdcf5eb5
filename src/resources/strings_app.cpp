// String-table entries of the app subsystem.
#include "resources/strings.h"

namespace kp07 {
namespace {
const StringEntry kEntries[] = {
    {0, ""},  // placeholder: no entries yet
};
}  // namespace

const StringTable kAppStrings{kEntries, sizeof kEntries / sizeof kEntries[0]};

}  // namespace kp07
