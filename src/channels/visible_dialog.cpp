#include "channels/visible_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace kp07 {
namespace {

const char* const kLabels[kVisibleItemCount] = {
    "Pr&i",      "&W/N",        "&TAG",      "&Frequency", "S&ub Audio", "Power Sa&ve",
    "&Power",    "&Scan",       "T&OT",      "S&quelch",   "Si&gnaling", "",
    "DTMF &ANI", "&Encryption", "&Lock Out", "Q&LNK",      "&Compander", "&X'tal"};
constexpr int kUnusedItem = 11;

}  // namespace

CVisibleDlg::CVisibleDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Visible"));
    auto* grid = new QGridLayout;
    int shown = 0;
    for (int i = 0; i < kVisibleItemCount; ++i) {
        auto* box = new QCheckBox(QString::fromUtf8(kLabels[i]), this);
        box->setObjectName(QStringLiteral("check%1").arg(kFirstCheckBoxId + i));
        box->setChecked(visibleItems[std::size_t(i)] != 0);
        boxes_[std::size_t(i)] = box;
        if (i == kUnusedItem) {
            box->hide();
            continue;
        }
        grid->addWidget(box, shown % 6, shown / 6);
        ++shown;
    }
    // Two more boxes belong to the dialog but nothing reads them.
    for (const auto& [id, text] : {std::pair<int, const char*>{2719, "&Dial Scan Position"},
                                   std::pair<int, const char*>{2720, ""}}) {
        auto* box = new QCheckBox(QString::fromUtf8(text), this);
        box->setObjectName(QStringLiteral("check%1").arg(id));
        box->hide();
    }

    ok_ = new QPushButton(tr("OK"), this);
    cancel_ = new QPushButton(tr("Cancel"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &CVisibleDlg::OkOrEnter);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

QCheckBox* CVisibleDlg::checkBox(int item) const {
    return item >= 0 && item < kVisibleItemCount ? boxes_[std::size_t(item)] : nullptr;
}

// Enter reaches the default button wherever the focus is: on a check box it
// flips that box, only on OK itself it takes the choice.
void CVisibleDlg::OkOrEnter() {
    QWidget* focus = focusWidget();
    for (QCheckBox* box : boxes_) {
        if (box == focus) {
            box->toggle();
            return;
        }
    }
    if (focus != ok_) return;
    for (int i = 0; i < kVisibleItemCount; ++i) {
        visibleItems[std::size_t(i)] = boxes_[std::size_t(i)]->isChecked() ? 1 : 0;
    }
    accept();
}

}  // namespace kp07
