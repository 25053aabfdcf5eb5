#include "signaling/five_tone_encode_dialog.h"

#include "signaling/five_tone_cells.h"
#include "widgets/cell_edit.h"

namespace kp07 {
namespace {
constexpr int kVisibleRows = CGridParamDialog::kHeadingRows + 16;
}

CFiveToneEncodeDlg::CFiveToneEncodeDlg(RadioImage& image, QWidget* parent)
    : CFiveToneTableDlg(kTemplateId, kGridId, tr("5-Tone Encode"), parent), image_(image) {
    // This table's floating editor has an id of its own.
    RegisterControl(cellEdit(), kEditId);
    record_.Load(image);
    std::vector<Heading> headings = {
        {480, "", "No"},      {1000, "", "Code"},    {1000, "", "TAG"},
        {500, "1st", "Ext"},  {480, "", "Sel"},      {500, "Over", "Wrt"},
        {500, "Tran", "Dec"}, {500, "Tran", "Beep"}, {500, "Grp", "Dig"},
    };
    static const char* const kDigits[] = {"1", "2", "3", "4", "5", "6", "7", "8"};
    for (const char* digit : kDigits) headings.push_back({420, "Input Digit", digit});
    BuildTable(headings, kVisibleRows);
}

CellRule CFiveToneEncodeDlg::Rule(int, int col) const {
    return EncodeCellRule(col);
}

unsigned CFiveToneEncodeDlg::Value(int entry, int col) const {
    return EncodeCellValue(record_.entries[std::size_t(entry)], col);
}

void CFiveToneEncodeDlg::SetValue(int entry, int col, unsigned value) {
    SetEncodeCellValue(record_.entries[std::size_t(entry)], col, value);
}

std::string CFiveToneEncodeDlg::Text(int entry, int col) const {
    const FiveToneEncodeEntry& e = record_.entries[std::size_t(entry)];
    return col == kEncCode ? e.number : e.tag;
}

void CFiveToneEncodeDlg::SetText(int entry, int col, const std::string& text) {
    FiveToneEncodeEntry& e = record_.entries[std::size_t(entry)];
    (col == kEncCode ? e.number : e.tag) = text;
}

void CFiveToneEncodeDlg::StoreTable() {
    record_.Store(image_);
}

}  // namespace kp07
