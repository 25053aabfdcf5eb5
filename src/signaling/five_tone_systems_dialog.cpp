#include "signaling/five_tone_systems_dialog.h"

#include <QShortcut>

#include "image/process_state.h"
#include "signaling/five_tone_cells.h"

namespace kp07 {
namespace {

constexpr int kVisibleRows = CGridParamDialog::kHeadingRows + 16;

std::function<void(QWidget*)>& FileDataViewerHook() {
    static std::function<void(QWidget*)> hook;
    return hook;
}

}  // namespace

void CFiveToneSystemsDlg::SetFileDataViewerHook(std::function<void(QWidget*)> hook) {
    FileDataViewerHook() = std::move(hook);
}

CFiveToneSystemsDlg::CFiveToneSystemsDlg(RadioImage& image, QWidget* parent)
    : CFiveToneTableDlg(kTemplateId, kGridId, tr("5-Tone Systems"), parent), image_(image) {
    record_.Load(image);
    std::vector<Heading> headings = {
        {480, "", "No"},     {960, "", "ToneForm"}, {860, "Moni", "SW"},   {860, "CH", "SW"},
        {480, "Call", "SW"}, {480, "PTT", "SW"},    {480, "Rep", "Cd"},    {480, "Call", "Cd"},
        {500, "ID", "Cd"},   {860, "ID", "Flow"},   {960, "ANI", "Trans"}, {480, "Auto", "Rst"},
        {500, "", "Comp"},   {480, "", "Duty"},
    };
    static const char* const kDigits[] = {"1", "2", "3", "4", "5", "6", "7", "8"};
    for (const char* digit : kDigits) headings.push_back({480, "Decode", digit});
    BuildTable(headings, kVisibleRows);
    SetClipboardEnabled(true);

    auto* viewer = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F9), this);
    connect(viewer, &QShortcut::activated, this, &CFiveToneSystemsDlg::OpenFileDataViewer);
}

void CFiveToneSystemsDlg::OpenFileDataViewer() {
    if (factoryMode && FileDataViewerHook()) FileDataViewerHook()(this);
}

CellRule CFiveToneSystemsDlg::Rule(int, int col) const {
    return SystemCellRule(col);
}

unsigned CFiveToneSystemsDlg::Value(int entry, int col) const {
    return SystemCellValue(record_.entries[std::size_t(entry)], col);
}

void CFiveToneSystemsDlg::SetValue(int entry, int col, unsigned value) {
    record_.currentEntry = unsigned(entry);
    SetSystemCellValue(record_.entries[std::size_t(entry)], col, value);
}

std::string CFiveToneSystemsDlg::ChooserTitle(int col) const {
    switch (col) {
        case kSysFormat:
            return "Tone Format";
        case kSysRepeaterCode:
            return "Repeater Code";
        case kSysCallCode:
            return "Call Code";
        default:
            return "ID Code";
    }
}

void CFiveToneSystemsDlg::StoreTable() {
    record_.Store(image_);
}

}  // namespace kp07
