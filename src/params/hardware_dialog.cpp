#include "params/hardware_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "blocks/image_ops.h"
#include "image/number_text.h"
#include "image/process_state.h"
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

int FieldIndex(int id) {
    return id - CHardwareDlg::kMinFrequencyId;
}

QString Q(const std::string& text) {
    return QString::fromLatin1(text.data(), int(text.size()));
}

}  // namespace

CHardwareDlg::CHardwareDlg(CKP05Doc& doc, RadioImage& image, QWidget* parent)
    : CParamDialog(kTemplateId, parent),
      doc_(doc),
      image_(image),
      offsetMHz_(autoTxOffsetMHz),
      openedImage_(image),
      openedFileName_(currentFileName),
      openedDefaultFileLoaded_(defaultFileLoaded) {
    setWindowTitle(QStringLiteral("Hardware Parameters"));
    common_.Load(image_);

    QFormLayout* forms[2] = {new QFormLayout, new QFormLayout};
    for (const FormPlace& place : kForm) {
        const int id = place.id;
        QWidget* control = nullptr;
        if (id >= kMinFrequencyId) {
            auto* edit = new CFilterEdit(body());
            edit->SetFilterKind(kFilterDecimal);
            edit->SetMaxTextLength(kFieldLength);
            AddTextField(edit, id, [this, id] { CommitField(id); });
            fields_[std::size_t(FieldIndex(id))] = edit;
            control = edit;
        } else if (id == kBandId) {
            // A band refused at the question changes nothing, not even the
            // modified flag: this list is not one of the plain ones.
            auto* band = new CEnterComboBox(body());
            RegisterControl(band, id);
            connect(band, &QComboBox::currentIndexChanged, this,
                    [this](int item) { BandChosen(item); });
            control = band;
        } else {
            control = AddList(id, {}, 0, [this, id](unsigned item) { Chosen(id, item); });
        }
        forms[place.column]->addRow(QString::fromLatin1(place.label), control);
    }

    // Outside factory mode the values are only shown. The temperature table
    // is chosen by the radio itself.
    for (int id = kModelId; id <= kTemperatureId; ++id) list(id)->setEnabled(factoryMode);
    list(kTemperatureId)->setEnabled(false);
    for (CFilterEdit* edit : fields_) edit->SetEnabled(factoryMode);

    auto* columns = new QHBoxLayout;
    columns->addLayout(forms[0]);
    columns->addSpacing(16);
    columns->addLayout(forms[1]);
    FinishLayout(columns, true);

    ShowValues();
    okButton()->setFocus();
}

CEnterComboBox* CHardwareDlg::list(int id) const {
    return id >= kModelId && id <= kTemperatureId ? qobject_cast<CEnterComboBox*>(Control(id))
                                                  : nullptr;
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
    const HardwareParams& hw = *hardware;
    const bool upper = hw.IsUpperBand();
    const auto show = [this](int id, const ChoiceTexts& texts, int item) {
        list(id)->SetChoices(texts);
        list(id)->SelectChoice(item);
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
}

void CHardwareDlg::Chosen(int id, unsigned item) {
    HardwareParams& hw = *hardware;
    switch (id) {
        case kModelId:
            hw.model = item;
            common_.keypadSelection = KeypadOfModel(item);
            list(kKeypadId)->SelectChoice(int(common_.keypadSelection));
            modelChanged_ = true;
            break;
        case kKeypadId:
            common_.keypadSelection = item;
            break;
        case kRangeId:
            SelectFrequencyRange(hw, int(item));
            break;
        case kLocalOffsetId:
            hw.injectionSide = item;
            break;
        case kStepId:
            SelectChannelStep(hw, int(item));
            break;
        case kSqlReleaseId:
            hw.sqlReleaseTime = item;
            break;
        case kSqlAttackId:
            hw.sqlAttackTime = item;
            break;
        case kSqlHysteresisId:
            hw.sqlHysteresis = item;
            break;
        case kRxSaveOffId:
            hw.rxSaveOffTime = item;
            break;
        case kCtcssReleaseId:
            hw.ctcssReleaseTime = item;
            break;
        case kTemperatureId:
            hw.temperatureTable = item;
            break;
        default:  // the DCS data lists
            break;
    }
    valueChanged_ = true;
}

void CHardwareDlg::BandChosen(int item) {
    const bool upper = item == 1;
    if (item < 0 || upper == hardware->IsUpperBand()) return;
    if (ShowMessage(kMsgChangeBand, MsgButtons::kYesNo, MsgIcon::kExclamation) != MsgResult::kYes) {
        list(kBandId)->SelectChoice(upper ? 0 : 1);
        return;
    }
    ChangeBand(doc_, image_, upper, offsetMHz_);
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
    common_.Store(image_);
    autoTxOffsetMHz = offsetMHz_;
    ClearWhatModelLacks(hardware->model, image_);
    RebuildImage(image_);
    accept();
}

void CHardwareDlg::reject() {
    if (bandChanged_) {
        image_ = openedImage_;
        currentFileName = openedFileName_;
        defaultFileLoaded = openedDefaultFileLoaded_;
    }
    LoadPersistentBlocks(image_);
    bandChanged_ = modelChanged_ = valueChanged_ = false;
    CParamDialog::reject();
}

}  // namespace kp07
