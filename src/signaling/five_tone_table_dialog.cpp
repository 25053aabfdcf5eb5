#include "signaling/five_tone_table_dialog.h"

#include <QPushButton>

#include "blocks/signaling_text.h"
#include "widgets/input_filters.h"

namespace kp07 {
namespace {

constexpr int kTypedLength = 8;

QString Q(const std::string& text) {
    return QString::fromLatin1(text.data(), int(text.size()));
}

// What a typed cell stores for a text: the block rules of numbers and tags.
std::string Normalised(CellKind kind, const std::string& text) {
    return kind == CellKind::kDigits ? DigitStringFromText(text) : SignalingTagFromText(text);
}

}  // namespace

CFiveToneTableDlg::CFiveToneTableDlg(int templateId, int gridId, const QString& caption,
                                     QWidget* parent)
    : CGridParamDialog(templateId, gridId, parent) {
    setWindowTitle(caption);
    chooser_ = [this](const std::string& title, const std::vector<std::string>& lines,
                      int selected) { return RunChoiceList(this, title, lines, selected); };
}

void CFiveToneTableDlg::BuildTable(const std::vector<Heading>& headings, int visibleRows) {
    std::vector<GridColumn> columns;
    for (int c = 0; c < int(headings.size()); ++c) {
        const Heading& h = headings[std::size_t(c)];
        GridColumn column;
        column.widthTwips = h.widthTwips;
        column.heading0 = QString::fromLatin1(h.row0);
        column.heading1 = QString::fromLatin1(h.row1);
        switch (Rule(0, c).kind) {
            case CellKind::kNumber:
                column.kind = ColumnKind::kNumber;
                break;
            case CellKind::kFlag:
                column.kind = ColumnKind::kBoolean;
                break;
            case CellKind::kDigits:
                column.kind = ColumnKind::kText;
                column.editMode = kCellToneDigit;
                column.editLength = kTypedLength;
                break;
            case CellKind::kTag:
                column.kind = ColumnKind::kText;
                column.editMode = kCellTag;
                column.editLength = kTypedLength;
                break;
            case CellKind::kChooser:
                column.kind = ColumnKind::kList;
                column.opensChooser = true;
                break;
            default:
                column.kind = ColumnKind::kList;
                break;
        }
        columns.push_back(column);
    }
    BuildGrid(std::move(columns));
    auto* ok = new QPushButton(tr("OK"), body());
    auto* cancel = new QPushButton(tr("Cancel"), body());
    SetButtons(ok, cancel);
    LayOutTableGrid(*this, ok, cancel, visibleRows);
}

QString CFiveToneTableDlg::CellText(int entry, int col) const {
    const CellRule rule = Rule(entry, col);
    switch (rule.kind) {
        case CellKind::kDigits:
            return Q(FormatDigitString(Text(entry, col)));
        case CellKind::kTag:
            return Q(Text(entry, col));
        default:
            return Q(ValueText(rule, Value(entry, col)));
    }
}

bool CFiveToneTableDlg::CellFlag(int entry, int col) const {
    return Rule(entry, col).kind == CellKind::kFlag && Value(entry, col) != 0;
}

bool CFiveToneTableDlg::CellShown(int entry, int col) const {
    return Rule(entry, col).kind != CellKind::kNone;
}

bool CFiveToneTableDlg::ActOnCell(int entry, int col) {
    const CellRule rule = Rule(entry, col);
    const unsigned value = Value(entry, col);
    switch (rule.kind) {
        case CellKind::kFlag:
        case CellKind::kStep:
            SetValue(entry, col, SteppedValue(rule, value));
            return true;
        case CellKind::kChooser: {
            const ChoiceTexts& lines = rule.ChooserLines();
            const int selected = value < lines.size() ? int(value) : -1;
            const int chosen = chooser_ ? chooser_(ChooserTitle(col), lines, selected) : -1;
            if (chosen < 0 || chosen >= int(lines.size())) return false;
            SetValue(entry, col, unsigned(chosen));
            return true;
        }
        default:
            return false;
    }
}

bool CFiveToneTableDlg::SetCellText(int entry, int col, const QString& text) {
    const CellRule rule = Rule(entry, col);
    if (rule.kind != CellKind::kDigits && rule.kind != CellKind::kTag) return false;
    const std::string value = Normalised(rule.kind, text.toLatin1().toStdString());
    if (value == Text(entry, col)) return false;
    SetText(entry, col, value);
    return true;
}

bool CFiveToneTableDlg::PasteCell(int entry, int col, const QString& text) {
    // Only the value cells take a paste (the table with the clipboard has no
    // typed cells).
    const std::optional<unsigned> value =
        ValueFromText(Rule(entry, col), text.toLatin1().toStdString());
    if (!value) return false;
    SetValue(entry, col, *value);
    return true;
}

}  // namespace kp07
