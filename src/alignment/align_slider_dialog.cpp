#include "alignment/align_slider_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include "alignment/alignment_items.h"
#include "blocks/channel_table.h"
#include "blocks/image_ops.h"
#include "resources/strings.h"

namespace kp07 {
namespace {

QString ItemCaption(int channel, int item) {
    if (!channels || channel < 0 || channel >= kChannelSlots) return {};
    return QString::fromStdString(ItemLabel(channels->records[std::size_t(channel)], item));
}

}  // namespace

CAlignSliderDlg::CAlignSliderDlg(int channel, int item, QWidget* parent)
    : QDialog(parent),
      session_(channel, item),
      slider_(new QSlider(Qt::Horizontal, this)),
      field_(new QLineEdit(this)),
      minLabel_(new QLabel(QString::asprintf("%-3d", 0), this)),
      maxLabel_(new QLabel(QString::asprintf("%d", AlignmentSlider::kMax), this)) {
    setWindowTitle(ItemCaption(channel, item));
    slider_->setRange(0, AlignmentSlider::kMax);
    slider_->setTickPosition(QSlider::TicksBelow);
    slider_->setTickInterval(10);
    slider_->setPageStep(20);
    slider_->setSingleStep(1);
    slider_->setMinimumWidth(300);

    field_->setObjectName(QString::number(kValueFieldId));
    const QString hint = QString::fromStdString(LoadString(kValueFieldId));
    field_->setToolTip(hint);
    field_->setMaxLength(8);
    field_->setAlignment(Qt::AlignRight);
    field_->setFixedWidth(field_->fontMetrics().horizontalAdvance("0000000") + 12);
    field_->installEventFilter(this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    // Enter in the value field applies the typed value; only Enter on OK
    // itself (or in an unchanged field) closes the editor.
    ok_->setDefault(false);
    ok_->setAutoDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setAutoDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CAlignSliderDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CAlignSliderDlg::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(minLabel_, 0, 0);
    layout->addWidget(slider_, 0, 1);
    layout->addWidget(maxLabel_, 0, 2);
    auto* valueRow = new QHBoxLayout;
    valueRow->addStretch();
    valueRow->addWidget(new QLabel(tr("Value"), this));
    valueRow->addWidget(field_);
    valueRow->addStretch();
    layout->addLayout(valueRow, 1, 0, 1, 3);
    layout->addWidget(buttons, 2, 0, 1, 3);

    ShowValue();
    connect(slider_, &QSlider::valueChanged, this, [this](int v) { Apply(v); });

    session_.Begin();
    field_->setFocus(Qt::OtherFocusReason);
    field_->selectAll();
}

void CAlignSliderDlg::ShowValue() {
    const QSignalBlocker block(slider_);
    slider_->setValue(session_.value());
    field_->setText(QString::number(session_.value()));
    field_->setModified(false);
}

void CAlignSliderDlg::Apply(int value) {
    session_.Apply(value);
    ShowValue();
}

void CAlignSliderDlg::ApplyTyped() {
    Apply(AlignmentSlider::ParseTyped(field_->text().toStdString()));
}

bool CAlignSliderDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched != field_) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) break;
            if (key->key() == Qt::Key_Right || key->key() == Qt::Key_Left) {
                session_.Step(key->key() == Qt::Key_Right ? 1 : -1);
                ShowValue();
                return true;
            }
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                if (field_->isModified()) {
                    ApplyTyped();
                    field_->selectAll();
                } else {
                    accept();
                }
                return true;
            }
            break;
        }
        case QEvent::MouseButtonDblClick:
            ApplyTyped();
            return true;
        case QEvent::FocusOut:
            if (field_->isModified()) ApplyTyped();
            break;
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}

void CAlignSliderDlg::accept() {
    if (finished_) return;
    // A value typed and not yet applied counts, as it would on leaving the
    // field.
    if (field_->isModified()) ApplyTyped();
    finished_ = true;
    session_.Finish(true);
    QDialog::accept();
}

void CAlignSliderDlg::reject() {
    if (finished_) return;
    finished_ = true;
    session_.Finish(false);
    QDialog::reject();
}

}  // namespace kp07
