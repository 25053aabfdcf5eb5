#include "signaling/five_tone_decode_dialog.h"

#include "signaling/five_tone_cells.h"

namespace kp07 {

CFiveToneDecodeDlg::CFiveToneDecodeDlg(RadioImage& image, QWidget* parent)
    : CFiveToneTableDlg(kTemplateId, kGridId, tr("5-Tone Decode"), parent), image_(image) {
    record_.Load(image);
    BuildTable({{480, "", "No"},
                {1000, "", "Code"},
                {1000, "", "TAG"},
                {960, "", "Transpond"},
                {420, "", "ID"},
                {700, "LED", "Disp"},
                {700, "", "Mode"},
                {760, "", "Scan"},
                {480, "", "Emg"},
                {600, "Beep", "Tone"},
                {760, "Beep", "Mode"},
                {760, "", "Stun"},
                {520, "Auto", "TX"}},
               kHeadingRows + kGroupDecodeEntry + 1);
}

CellRule CFiveToneDecodeDlg::Rule(int entry, int col) const {
    return DecodeCellRule(entry, col);
}

unsigned CFiveToneDecodeDlg::Value(int entry, int col) const {
    return DecodeCellValue(record_.entries[std::size_t(entry)], col);
}

void CFiveToneDecodeDlg::SetValue(int entry, int col, unsigned value) {
    SetDecodeCellValue(record_.entries[std::size_t(entry)], col, value);
}

std::string CFiveToneDecodeDlg::Text(int entry, int col) const {
    const FiveToneDecodeEntry& e = record_.entries[std::size_t(entry)];
    return col == kDecCode ? e.number : e.tag;
}

void CFiveToneDecodeDlg::SetText(int entry, int col, const std::string& text) {
    FiveToneDecodeEntry& e = record_.entries[std::size_t(entry)];
    (col == kDecCode ? e.number : e.tag) = text;
}

bool CFiveToneDecodeDlg::CellEditable(int entry, int col) const {
    if (col == kDecTag) return DecodeTagEditable(record_.entries[std::size_t(entry)], entry);
    return Rule(entry, col).kind != CellKind::kNone;
}

std::string CFiveToneDecodeDlg::ChooserTitle(int) const {
    return "Transpond Code";
}

void CFiveToneDecodeDlg::StoreTable() {
    record_.Store(image_);
}

}  // namespace kp07
