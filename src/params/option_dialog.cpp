#include "params/option_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "blocks/channel_table.h"
#include "blocks/image_ops.h"
#include "widgets/enter_combo.h"

namespace kp07 {

COptionDlg::COptionDlg(RadioImage& image, QWidget* parent)
    : CParamDialog(kTemplateId, parent), image_(image) {
    setWindowTitle(QStringLiteral("Option"));
    params_.Load(image_);
    const CommonParams& p = params_;

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Option Board"),
                 AddList(kOptionBoardId, OptionBoardTexts(),
                         unsigned(ItemOfValue(OptionBoardValues(), p.optionBoard)),
                         [this](unsigned i) { BoardChosen(i); }));
    form->addRow(QStringLiteral("Fron KeyPad"), AddList(kKeypadId, {}, 0, nullptr));
    form->addRow(QStringLiteral("Rec Mode"),
                 AddList(kRecordModeId, RecordModeTexts(), p.recordMode,
                         [this](unsigned i) { params_.recordMode = i; }));
    form->addRow(QStringLiteral("Play Mode"),
                 AddList(kPlayModeId, PlayModeTexts(), p.playMode,
                         [this](unsigned i) { params_.playMode = i; }));
    form->addRow(QStringLiteral("PWR On Rec"),
                 AddList(kPowerOnRecordId, DisabledEnabledTexts(), p.powerOnRecord,
                         [this](unsigned i) { params_.powerOnRecord = i; }));
    EnableRecorderLists();

    FinishLayout(form, true);
}

CEnterComboBox* COptionDlg::list(int id) const {
    return qobject_cast<CEnterComboBox*>(Control(id));
}

void COptionDlg::EnableRecorderLists() {
    const bool recorder = HasVoiceRecorder(params_.optionBoard);
    for (int id : {kRecordModeId, kPlayModeId, kPowerOnRecordId}) list(id)->setEnabled(recorder);
}

void COptionDlg::BoardChosen(unsigned item) {
    if (item >= OptionBoardValues().size()) return;
    const unsigned previous = params_.optionBoard;
    params_.optionBoard = OptionBoardValues()[item];
    // The channel table reaches the image with OK, so that Cancel leaves the
    // channels as they were.
    if (channels && ApplyOptionBoardChange(*channels, previous, params_.optionBoard)) {
        channelsChanged_ = true;
    }
    EnableRecorderLists();
}

void COptionDlg::OnOk() {
    params_.Store(image_);
    if (channels) {
        const bool groupsChanged = ApplyOptionBoardToGroups(*channels, params_.optionBoard);
        if (channelsChanged_ || groupsChanged) channels->Store(image_);
    }
    accept();
}

void COptionDlg::reject() {
    if (channelsChanged_ && channels) channels->Load(image_);
    CParamDialog::reject();
}

}  // namespace kp07
