#include "params/hardware_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "blocks/image_ops.h"
#include "image/number_text.h"
#include "image/process_state.h"
#include "params/choice_combo.h"
#include "params/hardware_band.h"
#include "resources/message.h"
#include "widgets/enter_combo.h"
#include "widgets/filter_edit.h"

namespace kp07 {
namespace {

constexpr int kMsgChangeBand = 50;
// "450.0MHz", "16.80MHz": the whole shown value fits while editing.
constexpr int kFieldLength = 8;

// Controls in their order on the form: [column, control id, label].
struct FormPlace {
    int column;
    int id;
    const char* label;
};
const FormPlace kForm[] = {
    {0, CHardwareDlg::kModelId, "Model"},
    {0, CHardwareDlg::kKeypadId, "Front KeyPad"},
    {0, CHardwareDlg::kBandId, "Frequency Band"},
    {0, CHardwareDlg::kRangeId, "Frequency Range"},
    {0, CHardwareDlg::kMinFrequencyId, "Min Frequency"},
    {0, CHardwareDlg::kMaxFrequencyId, "Max Frequency"},
    {0, CHardwareDlg::kReferenceId, "Ref XTAL"},
    {0, CHardwareDlg::kFirstIfId, "1st IF"},
    {0, CHardwareDlg::kLocalOffsetId, "Local Offset"},
    {0, CHardwareDlg::kStepId, "Channel Step"},
    {1, CHardwareDlg::kDcsRxId, "DCS RX Data"},
    {1, CHardwareDlg::kDcsTxId, "DCS TX Data"},
    {1, CHardwareDlg::kSqlReleaseId, "SQL Release Time"},
    {1, CHardwareDlg::kSqlAttackId, "SQL Attack Time"},
    {1, CHardwareDlg::kSqlHysteresisId, "SQL Hysterisis"},
    {1, CHardwareDlg::kRxSaveOffId, "Receive Save Off Time"},
    {1, CHardwareDlg::kCtcssReleaseId, "CTCSS Release Time"},
    {1, CHardwareDlg::kTemperatureId, "Temperature Table"},
};

int ListIndex(int id) {
    return id - CHardwareDlg::kModelId;
}
int FieldIndex(int id) {
    return id - CHardwareDlg::kMinFrequencyId;
}

QString Q(const std::string& text) {
    return QString::fromLatin1(text.data(), int(text.size()));
}

}  // namespace

CHardwareDlg::CHardwareDlg(CKP05Doc& doc, QWidget* parent)
    : CParamDialog(kTemplateId, parent),
      doc_(doc),
      offsetMHz_(autoTxOffsetMHz),
      openedImage_(*radioImage),
      openedFileName_(currentFileName),
      openedDefaultFileLoaded_(defaultFileLoaded) {
    setWindowTitle(tr("Hardware Parameters"));
    common_.Load(*radioImage);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setColumnMinimumWidth(2, 12);  // between the two halves
    int rows[2] = {0, 0};
    for (const FormPlace& place : kForm) {
        QWidget* control = nullptr;
        if (place.id >= kMinFrequencyId) {
            auto* edit = new CFilterEdit(body());
            edit->SetFilterKind(kFilterDecimal);
            edit->SetMaxTextLength(kFieldLength);
            const int id = place.id;
            AddTextField(edit, id, [this, id] { CommitField(id); });
            fields_[std::size_t(FieldIndex(id))] = edit;
            control = edit;
        } else {
            auto* combo = new CEnterComboBox(body());
            const int id = place.id;
            RegisterControl(combo, id);
            connect(combo, qOverload<int>(&QComboBox::currentIndexChanged), this,
                    [this, id](int item) { ListChanged(id, item); });
            lists_[std::size_t(ListIndex(id))] = combo;
            control = combo;
        }
        AddFormRow(grid, rows[place.column]++, place.column * 3, tr(place.label), control);
    }

    // Outside factory mode the values are only shown. The temperature table
    // is chosen by the radio itself.
    for (CEnterComboBox* combo : lists_) combo->setEnabled(factoryMode);
    list(kTemperatureId)->setEnabled(false);
    for (CFilterEdit* edit : fields_) edit->SetEnabled(factoryMode);

    auto* ok = new QPushButton(tr("OK"), body());
    cancel_ = new QPushButton(tr("Cancel"), body());
    SetOkButton(ok, true);
    connect(cancel_, &QPushButton::clicked, this, &CHardwareDlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(body());
    layout->addLayout(grid);
    layout->addLayout(buttons);

    ShowValues();
    ok->setFocus();
}

CEnterComboBox* CHardwareDlg::list(int id) const {
    const int i = ListIndex(id);
    return i >= 0 && i < kListCount ? lists_[std::size_t(i)] : nullptr;
}

CFilterEdit* CHardwareDlg::field(int id) const {
    const int i = FieldIndex(id);
    return i >= 0 && i < kFieldCount ? fields_[std::size_t(i)] : nullptr;
}

int CHardwareDlg::RefreshCode() const {
    if (bandChanged_) return 4;
    if (modelChanged_) return 1;
    return valueChanged_ ? 2 : 0;
}

// Fills every list for the current band and shows every value.
void CHardwareDlg::ShowValues() {
    showing_ = true;
    const HardwareParams& hw = *hardware;
    const bool upper = hw.IsUpperBand();
    const auto show = [this](int id, const ChoiceTexts& texts, int item) {
        FillChoices(list(id), texts);
        list(id)->setCurrentIndex(item < int(texts.size()) ? item : -1);
    };
    show(kModelId, ModelTexts(), int(hw.model));
    show(kKeypadId, FrontKeypadTexts(), int(common_.keypadSelection));
    show(kBandId, BandTexts(), upper ? 1 : 0);
    show(kRangeId, FrequencyRangeTexts(upper), FrequencyRangeItem(hw));
    show(kLocalOffsetId, LocalOffsetTexts(), int(hw.injectionSide));
    show(kStepId, ChannelStepTexts(upper), ChannelStepItem(hw));
    // The DCS data lists only show the choices; nothing stores them.
    show(kDcsRxId, DcsDataTexts(), -1);
    show(kDcsTxId, DcsDataTexts(), -1);
    show(kSqlReleaseId, SqlReleaseTimeTexts(), int(hw.sqlReleaseTime));
    show(kSqlAttackId, SqlAttackTimeTexts(), int(hw.sqlAttackTime));
    show(kSqlHysteresisId, SqlHysteresisTexts(), int(hw.sqlHysteresis));
    show(kRxSaveOffId, RxSaveOffTimeTexts(), int(hw.rxSaveOffTime));
    show(kCtcssReleaseId, CtcssReleaseTimeTexts(), int(hw.ctcssReleaseTime));
    show(kTemperatureId, TemperatureTableTexts(), int(hw.temperatureTable));
    field(kMinFrequencyId)->setText(Q(FormatFrequencyLimit(hw.minFrequencyMHz)));
    field(kMaxFrequencyId)->setText(Q(FormatFrequencyLimit(hw.maxFrequencyMHz)));
    field(kReferenceId)->setText(Q(FormatOscillatorMHz(hw.referenceMHz)));
    field(kFirstIfId)->setText(Q(FormatOscillatorMHz(hw.firstIfMHz)));
    showing_ = false;
}

void CHardwareDlg::ListChanged(int id, int item) {
    if (showing_ || item < 0) return;
    if (id == kBandId) {
        BandChosen(item);
        return;
    }
    HardwareParams& hw = *hardware;
    const unsigned value = unsigned(item);
    switch (id) {
        case kModelId:
            hw.model = value;
            common_.keypadSelection = KeypadOfModel(value);
            showing_ = true;
            list(kKeypadId)->setCurrentIndex(int(common_.keypadSelection));
            showing_ = false;
            modelChanged_ = true;
            break;
        case kKeypadId:
            common_.keypadSelection = value;
            break;
        case kRangeId:
            SelectFrequencyRange(hw, item);
            break;
        case kLocalOffsetId:
            hw.injectionSide = value;
            break;
        case kStepId:
            SelectChannelStep(hw, item);
            break;
        case kSqlReleaseId:
            hw.sqlReleaseTime = value;
            break;
        case kSqlAttackId:
            hw.sqlAttackTime = value;
            break;
        case kSqlHysteresisId:
            hw.sqlHysteresis = value;
            break;
        case kRxSaveOffId:
            hw.rxSaveOffTime = value;
            break;
        case kCtcssReleaseId:
            hw.ctcssReleaseTime = value;
            break;
        case kTemperatureId:
            hw.temperatureTable = value;
            break;
        default:  // the DCS data lists
            break;
    }
    valueChanged_ = true;
    imageModified = 1;
}

void CHardwareDlg::BandChosen(int item) {
    const bool upper = item == 1;
    if (upper == hardware->IsUpperBand()) return;
    if (ShowMessage(kMsgChangeBand, MsgButtons::kYesNo, MsgIcon::kExclamation) != MsgResult::kYes) {
        showing_ = true;
        list(kBandId)->setCurrentIndex(upper ? 0 : 1);
        showing_ = false;
        return;
    }
    ChangeBand(doc_, upper, offsetMHz_);
    bandChanged_ = true;
    imageModified = 1;
    ShowValues();
}

void CHardwareDlg::CommitField(int id) {
    CFilterEdit* edit = field(id);
    HardwareParams& hw = *hardware;
    const double typed = ParseDecimal(edit->text().toStdString());
    switch (id) {
        case kMinFrequencyId:
            hw.CommitMinFrequency(typed);
            edit->setText(Q(FormatFrequencyLimit(hw.minFrequencyMHz)));
            break;
        case kMaxFrequencyId:
            hw.CommitMaxFrequency(typed);
            edit->setText(Q(FormatFrequencyLimit(hw.maxFrequencyMHz)));
            break;
        case kReferenceId:
            hw.CommitReferenceMHz(typed);
            edit->setText(Q(FormatOscillatorMHz(hw.referenceMHz)));
            break;
        case kFirstIfId:
            hw.CommitFirstIfMHz(typed);
            edit->setText(Q(FormatOscillatorMHz(hw.firstIfMHz)));
            break;
        default:
            return;
    }
    valueChanged_ = true;
    imageModified = 1;
}

void CHardwareDlg::OnOk() {
    common_.Store(*radioImage);
    autoTxOffsetMHz = offsetMHz_;
    ClearWhatModelLacks(hardware->model, *radioImage);
    RebuildImage(*radioImage);
    accept();
}

void CHardwareDlg::reject() {
    if (bandChanged_) {
        *radioImage = openedImage_;
        currentFileName = openedFileName_;
        defaultFileLoaded = openedDefaultFileLoaded_;
    }
    LoadPersistentBlocks(*radioImage);
    bandChanged_ = modelChanged_ = valueChanged_ = false;
    CParamDialog::reject();
}

}  // namespace kp07
