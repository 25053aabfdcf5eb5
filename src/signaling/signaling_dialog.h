// What the signaling dialogs share: the image they edit, lists filled from a
// block's choice texts, DTMF and number fields, and the OK/Cancel row.
#pragma once

#include <QString>
#include <string>

#include "blocks/signaling_text.h"
#include "image/radio_image.h"
#include "params/param_dialog.h"

class QGridLayout;
class QLayout;

namespace kp07 {

class CEnterComboBox;
class CFilterEdit;

class CSignalingDialog : public CParamDialog {
    Q_OBJECT
  public:
    RadioImage& image() const { return image_; }

    static QString Q(const std::string& text);
    static std::string S(const QString& text);

  protected:
    CSignalingDialog(int templateId, const QString& caption, RadioImage& image, QWidget* parent);

    // A list whose choice is read only on OK (ListValue), unlike the lists of
    // AddList, which take every choice at once. It shows `value`, or nothing
    // when a damaged image holds a value outside the list.
    CEnterComboBox* AddListTakenOnOk(int id, const ChoiceTexts& choices, unsigned value);
    // A text field registered under `id` that takes at most `maxLength`
    // characters of filter kind `filter`. Its value is read when the dialog
    // says so (see CParamDialog::AddTextField for one that commits itself).
    CFilterEdit* AddField(int id, int filter, int maxLength, const std::string& text);
    // The value a list shows, or `current` when it shows none.
    static unsigned ListValue(const CEnterComboBox* list, unsigned current);

  private:
    RadioImage& image_;
};

}  // namespace kp07
