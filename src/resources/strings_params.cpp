// String-table entries of the params subsystem.
#include "resources/strings.h"

namespace kp07 {
namespace {
const StringEntry kEntries[] = {
    {0, ""},  // placeholder: no entries yet
};
}  // namespace

const StringTable kParamStrings{kEntries, sizeof kEntries / sizeof kEntries[0]};

}  // namespace kp07
