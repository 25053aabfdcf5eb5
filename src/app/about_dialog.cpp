#include "app/about_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "resources/icons_qt.h"
#include "resources/message.h"
#include "resources/strings.h"

namespace kp07 {
namespace {

constexpr int kVersionNumberId = 120;
const int kAboutLineIds[] = {1008, 1009};

QFont CourierNew(int points) {
    QFont font(QStringLiteral("Courier New"), points);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent), version_(new QLabel(this)), product_(new QLabel(this)) {
    setWindowTitle(tr("About KP07XT"));
    version_->setObjectName(QString::number(kVersionLabelId));
    version_->setText(
        QString::fromStdString(FormatMessage(kVersionLabelId, LoadString(kVersionNumberId))));
    version_->setFont(CourierNew(24));
    product_->setObjectName(QString::number(kProductLabelId));
    product_->setText(QString::fromStdString(LoadString(kProductLabelId)));
    product_->setFont(CourierNew(10));

    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);

    auto* text = new QVBoxLayout;
    text->addWidget(version_);
    text->addWidget(product_);
    text->addSpacing(8);
    for (int id : kAboutLineIds) {
        text->addWidget(new QLabel(QString::fromStdString(LoadString(id)), this));
    }
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
}

}  // namespace kp07
