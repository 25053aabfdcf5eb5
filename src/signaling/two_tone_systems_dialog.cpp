#include "signaling/two_tone_systems_dialog.h"

#include <QPushButton>

#include "widgets/flex_grid.h"

namespace kp07 {
namespace {
enum Column { kNumber = 0, kPrimary = 1, kSecondary = 2, kAutoReset = 3 };
}

CTwoToneSystemsDlg::CTwoToneSystemsDlg(RadioImage& image, QWidget* parent)
    : CGridParamDialog(kTemplateId, kGridId, parent), image_(image) {
    setWindowTitle(tr("2-Tone Systems"));
    record_.Load(image);
    pairs_.Load(image);
    chooser_ = [this](const std::string& title, const std::vector<std::string>& lines,
                      int selected) { return RunChoiceList(this, title, lines, selected); };

    auto* ok = new QPushButton(tr("OK"), body());
    auto* cancel = new QPushButton(tr("Cancel"), body());
    SetButtons(ok, cancel);
    BuildGrid({{480, "", "No", ColumnKind::kNumber},
               {1200, "", "Primary", ColumnKind::kList, -1, 0, true},
               {1200, "", "Secondary", ColumnKind::kBoolean},
               {1200, "", "Auto Reset", ColumnKind::kBoolean}});
    LayOutTableGrid(*this, ok, cancel, CGridParamDialog::kHeadingRows + kTwoToneSystemCount);
}

QString CTwoToneSystemsDlg::CellText(int entry, int col) const {
    if (col != kPrimary) return {};
    const std::string text = FirstPairText(record_.entries[std::size_t(entry)].firstPair);
    return QString::fromLatin1(text.c_str());
}

bool CTwoToneSystemsDlg::CellFlag(int entry, int col) const {
    const TwoToneSystemEntry& e = record_.entries[std::size_t(entry)];
    return col == kSecondary ? e.secondPair : col == kAutoReset ? e.autoReset : false;
}

bool CTwoToneSystemsDlg::ActOnCell(int entry, int col) {
    TwoToneSystemEntry& e = record_.entries[std::size_t(entry)];
    record_.currentEntry = unsigned(entry);
    switch (col) {
        case kPrimary: {
            const FirstPairChooser chooser = MakeFirstPairChooser(pairs_.pairs);
            const int line = chooser_ ? chooser_("Primary Pair Position", chooser.texts,
                                                 chooser.LineOf(e.firstPair))
                                      : -1;
            if (line < 0 || line >= int(chooser.values.size())) return false;
            e.firstPair = chooser.values[std::size_t(line)];
            return true;
        }
        case kSecondary:
            e.secondPair = !e.secondPair;
            return true;
        case kAutoReset:
            e.autoReset = !e.autoReset;
            return true;
        default:
            return false;
    }
}

void CTwoToneSystemsDlg::StoreTable() {
    record_.Store(image_);
}

}  // namespace kp07
