// "Key Function Parameters": what each of the side keys and the front keys
// [A] to [D] does when pressed and when held, and what the rotary switch
// selects. A function sits on one key at most, so every key's list offers
// only what no other key holds; the lists are rebuilt after each choice.
#pragma once

#include <array>

#include "blocks/key_function_params.h"
#include "params/param_dialog.h"

namespace kp07 {

class CEnterComboBox;

class CKeyFunctionDlg : public CParamDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 161;
    static constexpr int kFirstKeyId = 2250;  // + key 0..11
    static constexpr int kRotaryId = 2262;

    explicit CKeyFunctionDlg(RadioImage& image, QWidget* parent = nullptr);

    CEnterComboBox* keyList(int key) const;
    CEnterComboBox* rotaryList() const { return rotary_; }

  protected:
    void OnOk() override;

  private:
    void KeyChosen(int key, unsigned item);
    // Every key's list again from the functions it may take, each showing
    // the key's function.
    void RebuildLists();

    RadioImage& image_;
    KeyFunctionParams params_;
    bool frontKeypad_;
    std::array<CEnterComboBox*, kKeyCount> keys_{};
    CEnterComboBox* rotary_ = nullptr;
};

}  // namespace kp07
