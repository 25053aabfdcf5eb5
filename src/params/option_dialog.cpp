#include "params/option_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "blocks/channel_table.h"
#include "blocks/image_ops.h"
#include "params/choice_combo.h"
#include "widgets/enter_combo.h"

namespace kp07 {
namespace {

const char* const kLabels[COptionDlg::kListCount] = {"Option Board", "Fron KeyPad", "Rec Mode",
                                                     "Play Mode", "PWR On Rec"};

}  // namespace

COptionDlg::COptionDlg(QWidget* parent) : CParamDialog(kTemplateId, parent) {
    setWindowTitle(tr("Option"));
    FitHelpLines(this, {kOptionBoardId, kKeypadId, kRecordModeId, kPlayModeId, kPowerOnRecordId});
    common_.Load(*radioImage);

    auto* grid = new QGridLayout;
    for (int i = 0; i < kListCount; ++i) {
        auto* combo = new CEnterComboBox(body());
        const int id = kOptionBoardId + i;
        RegisterControl(combo, id);
        connect(combo, qOverload<int>(&QComboBox::currentIndexChanged), this,
                [this, id](int item) { ListChanged(id, item); });
        lists_[std::size_t(i)] = combo;
        AddFormRow(grid, i, 0, tr(kLabels[i]), combo);
    }

    showing_ = true;
    FillChoices(list(kOptionBoardId), OptionBoardTexts(), OptionBoardValues());
    SelectValue(list(kOptionBoardId), common_.optionBoard);
    FillChoices(list(kRecordModeId), RecordModeTexts());
    list(kRecordModeId)->setCurrentIndex(int(common_.recordMode));
    FillChoices(list(kPlayModeId), PlayModeTexts());
    list(kPlayModeId)->setCurrentIndex(int(common_.playMode));
    FillChoices(list(kPowerOnRecordId), DisabledEnabledTexts());
    list(kPowerOnRecordId)->setCurrentIndex(int(common_.powerOnRecord));
    showing_ = false;
    EnableRecorderLists();

    auto* ok = new QPushButton(tr("OK"), body());
    cancel_ = new QPushButton(tr("Cancel"), body());
    SetOkButton(ok, true);
    connect(cancel_, &QPushButton::clicked, this, &COptionDlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(body());
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

CEnterComboBox* COptionDlg::list(int id) const {
    const int i = id - kOptionBoardId;
    return i >= 0 && i < kListCount ? lists_[std::size_t(i)] : nullptr;
}

void COptionDlg::EnableRecorderLists() {
    const bool recorder = HasVoiceRecorder(common_.optionBoard);
    for (int id : {kRecordModeId, kPlayModeId, kPowerOnRecordId}) list(id)->setEnabled(recorder);
}

void COptionDlg::ListChanged(int id, int item) {
    if (showing_ || item < 0) return;
    switch (id) {
        case kOptionBoardId: {
            const unsigned previous = common_.optionBoard;
            common_.optionBoard = SelectedValue(list(id));
            // The channel table reaches the image with OK, so that Cancel
            // leaves the channels as they were.
            if (channels && ApplyOptionBoardChange(*channels, previous, common_.optionBoard)) {
                channelsChanged_ = true;
            }
            EnableRecorderLists();
            break;
        }
        case kRecordModeId:
            common_.recordMode = unsigned(item);
            break;
        case kPlayModeId:
            common_.playMode = unsigned(item);
            break;
        case kPowerOnRecordId:
            common_.powerOnRecord = unsigned(item);
            break;
        default:
            return;
    }
    imageModified = 1;
}

void COptionDlg::OnOk() {
    common_.Store(*radioImage);
    if (channels) {
        const bool groupsChanged = ApplyOptionBoardToGroups(*channels, common_.optionBoard);
        if (channelsChanged_ || groupsChanged) channels->Store(*radioImage);
    }
    accept();
}

void COptionDlg::reject() {
    if (channelsChanged_ && channels) channels->Load(*radioImage);
    CParamDialog::reject();
}

}  // namespace kp07
