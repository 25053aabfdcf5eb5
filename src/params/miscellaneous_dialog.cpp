#include "params/miscellaneous_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/enter_combo.h"
#include "widgets/filter_edit.h"

namespace kp07 {
namespace {

constexpr int kSplitLength = 5;

QString Q(const std::string& text) {
    return QString::fromLatin1(text.data(), int(text.size()));
}

}  // namespace

CMiscDlg::CMiscDlg(RadioImage& image, QWidget* parent)
    : CParamDialog(kTemplateId, parent), image_(image), openedSplitMHz_(autoTxOffsetMHz) {
    setWindowTitle(QStringLiteral("Miscellaneous Parameters"));
    params_.Load(image_);
    const CommonParams& p = params_;

    auto* form = new QFormLayout;
    split_ = new CFilterEdit(body());
    split_->SetFilterKind(kFilterSignedDecimal);
    split_->SetMaxTextLength(kSplitLength);
    split_->setText(Q(FormatDefaultSplit(autoTxOffsetMHz)));
    AddTextField(split_, kDefaultSplitId, [this] { CommitDefaultSplit(); });
    form->addRow(QStringLiteral("Default Split"), split_);

    // The items of Power on Condition stand for 0, 1 and 3.
    form->addRow(
        QStringLiteral("Power on Condition"),
        AddList(kPowerOnConditionId, PowerOnConditionTexts(),
                unsigned(ItemOfValue(PowerOnConditionValues(), p.powerOnCondition)),
                [this](unsigned i) { params_.powerOnCondition = PowerOnConditionValues()[i]; }));
    form->addRow(QStringLiteral("Beep"), AddList(kBeepId, DisabledEnabledTexts(), p.beep,
                                                 [this](unsigned i) { params_.beep = i; }));
    squelchTailValues_ = SquelchTailValues(p.squelchTailElimination);
    squelchTail_ = AddList(kSquelchTailId, SquelchTailTexts(p.squelchTailElimination),
                           unsigned(ItemOfValue(squelchTailValues_, p.squelchTailElimination)),
                           [this](unsigned i) { SquelchTailChosen(i); });
    form->addRow(QStringLiteral("Squelch Tail Elim"), squelchTail_);
    form->addRow(QStringLiteral("Bell"), AddList(kBellId, DisabledEnabledTexts(), p.bell,
                                                 [this](unsigned i) { params_.bell = i; }));
    form->addRow(QStringLiteral("LED Lighting"),
                 AddList(kLedLightingId, DisabledEnabledTexts(), p.ledLighting,
                         [this](unsigned i) { params_.ledLighting = i; }));
    form->addRow(QStringLiteral("LCD Lighting Mode"),
                 AddList(kLcdLightingModeId, LcdLightingModeTexts(), p.lcdLightingMode,
                         [this](unsigned i) { params_.lcdLightingMode = i; }));
    form->addRow(QStringLiteral("Set-to-Set Clone"),
                 AddList(kSetToSetCloneId, DisabledEnabledTexts(), p.setToSetClone,
                         [this](unsigned i) { params_.setToSetClone = i; }));
    form->addRow(QStringLiteral("External Jack"),
                 AddList(kExternalJackId, ExternalJackTexts(), p.externalJack,
                         [this](unsigned i) { params_.externalJack = i; }));
    form->addRow(QStringLiteral("Key Holding Time"),
                 AddList(kKeyHoldingTimeId, KeyHoldingTimeTexts(), p.keyHoldingTime,
                         [this](unsigned i) { params_.keyHoldingTime = i; }));
    form->addRow(QStringLiteral("Qlnk Beep"),
                 AddList(kQlnkBeepId, DisabledEnabledTexts(), p.qlnkBeep,
                         [this](unsigned i) { params_.qlnkBeep = i; }));
    // Without the front keypad there is no lamp key and no key to hold.
    list(kLcdLightingModeId)->setEnabled(p.HasFrontKeypad());
    list(kKeyHoldingTimeId)->setEnabled(p.HasFrontKeypad());

    FinishLayout(form, true);
}

CEnterComboBox* CMiscDlg::list(int id) const {
    return qobject_cast<CEnterComboBox*>(Control(id));
}

// Once left, "Rev. Burst" is no longer offered.
void CMiscDlg::SquelchTailChosen(unsigned item) {
    if (item >= squelchTailValues_.size()) return;
    const unsigned value = squelchTailValues_[item];
    params_.squelchTailElimination = value;
    const ChoiceValues offered = SquelchTailValues(value);
    if (offered != squelchTailValues_) {
        squelchTailValues_ = offered;
        squelchTail_->SetChoices(SquelchTailTexts(value));
        squelchTail_->SelectChoice(ItemOfValue(offered, value));
    }
}

void CMiscDlg::CommitDefaultSplit() {
    autoTxOffsetMHz = DefaultSplitFromText(split_->text().toStdString());
    imageModified = 1;
    split_->setText(Q(FormatDefaultSplit(autoTxOffsetMHz)));
}

void CMiscDlg::OnOk() {
    params_.Store(image_);
    accept();
}

// The default split is no part of the image: it goes back by hand.
void CMiscDlg::reject() {
    autoTxOffsetMHz = openedSplitMHz_;
    CParamDialog::reject();
}

}  // namespace kp07
