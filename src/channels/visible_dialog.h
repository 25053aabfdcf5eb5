// The "Visible" dialog: one check box per visibility item of the channel
// grid. OK (with the focus on OK) takes them all into visibleItems; Enter on
// a check box flips it and keeps the dialog open.
#pragma once

#include <QDialog>
#include <array>

#include "channels/visible_items.h"

class QCheckBox;
class QPushButton;

namespace kp07 {

class CVisibleDlg : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kFirstCheckBoxId = 2701;  // 2701 + item

    explicit CVisibleDlg(QWidget* parent = nullptr);

    QCheckBox* checkBox(int item) const;
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

  private:
    void OkOrEnter();

    std::array<QCheckBox*, kVisibleItemCount> boxes_{};
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace kp07
