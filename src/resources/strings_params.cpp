// String-table entries of the params subsystem.
#include "resources/strings.h"

namespace kp07 {
namespace {
const StringEntry kEntries[] = {
    // The help line of the parameter dialogs: its empty start, and the key
    // indicator pane's own text.
    {121, " "},
    {59143, "[ Key Operation ]"},
};
}  // namespace

const StringTable kParamStrings{kEntries, sizeof kEntries / sizeof kEntries[0]};

}  // namespace kp07
