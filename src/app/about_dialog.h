// The About box of the Help menu: the program's name and version, the
// product line and a few lines about the program.
#pragma once

#include <QDialog>

class QLabel;

namespace kp07 {

class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kVersionLabelId = 1006;
    static constexpr int kProductLabelId = 1007;

    explicit CAboutDlg(QWidget* parent = nullptr);

    QLabel* versionLabel() const { return version_; }
    QLabel* productLabel() const { return product_; }

  private:
    QLabel* version_;
    QLabel* product_;
};

}  // namespace kp07
