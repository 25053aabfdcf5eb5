#include "app/placeholder_view.h"

#include <QLabel>
#include <QVBoxLayout>

#include "image/hardware_params.h"
#include "image/image_ops.h"
#include "image/radio_identity.h"

namespace kp07 {

PlaceholderView::PlaceholderView(QWidget* parent) : QWidget(parent), facts_(new QLabel(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(facts_);
    layout->addStretch();
    facts_->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void PlaceholderView::RefreshView() {
    ShowRadioFacts();
}

void PlaceholderView::ShowRadioFacts() {
    if (!identity || !hardware) {
        facts_->clear();
        return;
    }
    facts_->setText(
        QStringLiteral("Serial No: %1    Freq Band: %2    ProductType: %3    FW Version: %4.%5")
            .arg(QString::fromStdString(identity->serialNumber))
            .arg(hardware->IsUpperBand() ? "UHF" : "VHF")
            .arg(hardware->model ? "KR-318" : "KR-302 Series")
            .arg(identity->firmwareVersion / 100)
            .arg(identity->firmwareVersion % 100, 2, 10, QChar('0')));
}

}  // namespace kp07
