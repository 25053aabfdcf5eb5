#include "signaling/table_cells.h"

namespace kp07 {

std::string ValueText(const CellRule& rule, unsigned value) {
    return rule.HasValue() ? ChoiceText(*rule.texts, value) : std::string();
}

unsigned SteppedValue(const CellRule& rule, unsigned value) {
    if (rule.kind != CellKind::kFlag && rule.kind != CellKind::kStep) return value;
    return NextChoice(*rule.texts, value);
}

std::optional<unsigned> ValueFromText(const CellRule& rule, const std::string& text) {
    if (!rule.HasValue()) return {};
    if (const auto value = ChoiceIndex(*rule.texts, text)) return value;
    if (rule.chooser) return ChoiceIndex(*rule.chooser, text);
    return {};
}

}  // namespace kp07
