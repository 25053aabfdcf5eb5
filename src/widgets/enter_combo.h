// The list field of the parameter dialogs: a drop-down list without free
// text. Enter opens the list instead of reaching the dialog's buttons, so a
// user working from the keyboard picks a value with Enter, arrows, Enter.
#pragma once

#include <QComboBox>
#include <string>
#include <vector>

namespace kp07 {

class CEnterComboBox : public QComboBox {
    Q_OBJECT
  public:
    explicit CEnterComboBox(QWidget* parent = nullptr);

    // Replaces the items by `texts`, quietly (no change signal).
    void SetChoices(const std::vector<std::string>& texts);
    // Selects item `index` quietly; an index the list does not have (a value
    // no item stands for) leaves nothing selected.
    void SelectChoice(int index);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kp07
