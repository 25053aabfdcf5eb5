// "Hardware Parameters": what the unit is (model, band, synthesizer
// reference and IF, frequency limits, receiver timings). Outside factory
// mode it only shows the values. It works on the process-wide hardware block
// directly and on a front-keypad record of its own.
#pragma once

#include <array>
#include <string>

#include "blocks/common_params.h"
#include "image/radio_image.h"
#include "params/param_dialog.h"

namespace kp07 {

class CEnterComboBox;
class CKP05Doc;

class CHardwareDlg : public CParamDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 102;
    // Control ids: the fourteen lists in their order, then the four fields.
    enum ControlId {
        kModelId = 1501,
        kKeypadId,
        kBandId,
        kRangeId,
        kLocalOffsetId,
        kStepId,
        kDcsRxId,
        kDcsTxId,
        kSqlReleaseId,
        kSqlAttackId,
        kSqlHysteresisId,
        kRxSaveOffId,
        kCtcssReleaseId,
        kTemperatureId,
        kMinFrequencyId,
        kMaxFrequencyId,
        kReferenceId,
        kFirstIfId
    };
    static constexpr int kListCount = 14;
    static constexpr int kFieldCount = 4;

    CHardwareDlg(CKP05Doc& doc, RadioImage& image, QWidget* parent = nullptr);

    // What the main window redraws afterwards: 4 after a band change, else 1
    // after a model change, else 2 after any other change, else 0 (also
    // after Cancel).
    int RefreshCode() const;

    CEnterComboBox* list(int id) const;
    CFilterEdit* field(int id) const;

  protected:
    void OnOk() override;
    void reject() override;

  private:
    void ShowValues();
    void Chosen(int id, unsigned item);
    void BandChosen(int item);
    void CommitField(int id);

    CKP05Doc& doc_;
    RadioImage& image_;
    CommonParams common_;
    double offsetMHz_;
    // A band change may replace the image with the band's default file and
    // drops the file name; Cancel puts them back.
    RadioImage openedImage_;
    std::string openedFileName_;
    int openedDefaultFileLoaded_;
    std::array<CFilterEdit*, kFieldCount> fields_{};
    bool bandChanged_ = false;
    bool modelChanged_ = false;
    bool valueChanged_ = false;
};

}  // namespace kp07
