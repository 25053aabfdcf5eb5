#include "params/miscellaneous_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "params/choice_combo.h"
#include "widgets/enter_combo.h"
#include "widgets/filter_edit.h"

namespace kp07 {
namespace {

constexpr int kSplitLength = 5;

const char* const kLabels[CMiscDlg::kListCount] = {"Power on Condition", "Beep",
                                                   "Squelch Tail Elim",  "Bell",
                                                   "LED Lighting",       "LCD Lighting Mode",
                                                   "Set-to-Set Clone",   "External Jack",
                                                   "Key Holding Time",   "Qlnk Beep"};

QString Q(const std::string& text) {
    return QString::fromLatin1(text.data(), int(text.size()));
}

}  // namespace

CMiscDlg::CMiscDlg(QWidget* parent)
    : CParamDialog(kTemplateId, parent), openedSplitMHz_(autoTxOffsetMHz) {
    setWindowTitle(tr("Miscellaneous Parameters"));
    common_.Load(*radioImage);

    auto* grid = new QGridLayout;
    split_ = new CFilterEdit(body());
    split_->SetFilterKind(kFilterSignedDecimal);
    split_->SetMaxTextLength(kSplitLength);
    AddTextField(split_, kDefaultSplitId, [this] { CommitDefaultSplit(); });
    AddFormRow(grid, 0, 0, tr("Default Split"), split_);
    for (int i = 0; i < kListCount; ++i) {
        auto* combo = new CEnterComboBox(body());
        const int id = kFirstListId + i;
        RegisterControl(combo, id);
        connect(combo, qOverload<int>(&QComboBox::currentIndexChanged), this,
                [this, id](int item) { ListChanged(id, item); });
        lists_[std::size_t(i)] = combo;
        AddFormRow(grid, i + 1, 0, tr(kLabels[i]), combo);
    }
    // Without the front keypad there is no lamp key and no key to hold.
    const bool keypad = common_.HasFrontKeypad();
    list(kLcdLightingModeId)->setEnabled(keypad);
    list(kKeyHoldingTimeId)->setEnabled(keypad);

    showing_ = true;
    FillChoices(list(kPowerOnConditionId), PowerOnConditionTexts(), PowerOnConditionValues());
    SelectValue(list(kPowerOnConditionId), common_.powerOnCondition);
    ShowSquelchTail();
    const std::pair<int, const ChoiceTexts*> plain[] = {
        {kBeepId, &DisabledEnabledTexts()},          {kBellId, &DisabledEnabledTexts()},
        {kLedLightingId, &DisabledEnabledTexts()},   {kLcdLightingModeId, &LcdLightingModeTexts()},
        {kSetToSetCloneId, &DisabledEnabledTexts()}, {kExternalJackId, &ExternalJackTexts()},
        {kKeyHoldingTimeId, &KeyHoldingTimeTexts()}, {kQlnkBeepId, &DisabledEnabledTexts()}};
    for (const auto& [id, texts] : plain) {
        FillChoices(list(id), *texts);
        list(id)->setCurrentIndex(int(*FieldOf(id)));
    }
    showing_ = false;
    split_->setText(Q(FormatDefaultSplit(autoTxOffsetMHz)));

    auto* ok = new QPushButton(tr("OK"), body());
    cancel_ = new QPushButton(tr("Cancel"), body());
    SetOkButton(ok, true);
    connect(cancel_, &QPushButton::clicked, this, &CMiscDlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(body());
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

CEnterComboBox* CMiscDlg::list(int id) const {
    const int i = id - kFirstListId;
    return i >= 0 && i < kListCount ? lists_[std::size_t(i)] : nullptr;
}

unsigned* CMiscDlg::FieldOf(int id) {
    switch (id) {
        case kPowerOnConditionId:
            return &common_.powerOnCondition;
        case kBeepId:
            return &common_.beep;
        case kSquelchTailId:
            return &common_.squelchTailElimination;
        case kBellId:
            return &common_.bell;
        case kLedLightingId:
            return &common_.ledLighting;
        case kLcdLightingModeId:
            return &common_.lcdLightingMode;
        case kSetToSetCloneId:
            return &common_.setToSetClone;
        case kExternalJackId:
            return &common_.externalJack;
        case kKeyHoldingTimeId:
            return &common_.keyHoldingTime;
        case kQlnkBeepId:
        default:
            return &common_.qlnkBeep;
    }
}

// The list offers "Rev. Burst" only while it is the stored value.
void CMiscDlg::ShowSquelchTail() {
    const unsigned stored = common_.squelchTailElimination;
    CEnterComboBox* combo = list(kSquelchTailId);
    const bool wasShowing = showing_;
    showing_ = true;
    FillChoices(combo, SquelchTailTexts(stored), SquelchTailValues(stored));
    SelectValue(combo, stored);
    showing_ = wasShowing;
}

void CMiscDlg::ListChanged(int id, int item) {
    if (showing_ || item < 0) return;
    CEnterComboBox* combo = list(id);
    if (id == kPowerOnConditionId || id == kSquelchTailId) {
        *FieldOf(id) = SelectedValue(combo);
    } else {
        *FieldOf(id) = unsigned(item);
    }
    // Once left, "Rev. Burst" is no longer offered.
    if (id == kSquelchTailId &&
        combo->count() != int(SquelchTailTexts(common_.squelchTailElimination).size())) {
        ShowSquelchTail();
    }
    imageModified = 1;
}

void CMiscDlg::CommitDefaultSplit() {
    autoTxOffsetMHz = DefaultSplitFromText(split_->text().toStdString());
    imageModified = 1;
    split_->setText(Q(FormatDefaultSplit(autoTxOffsetMHz)));
}

void CMiscDlg::OnOk() {
    common_.Store(*radioImage);
    accept();
}

void CMiscDlg::reject() {
    autoTxOffsetMHz = openedSplitMHz_;
    CParamDialog::reject();
}

}  // namespace kp07
