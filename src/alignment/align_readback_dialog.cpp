#include "alignment/align_readback_dialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "alignment/alignment_items.h"
#include "blocks/channel_table.h"
#include "blocks/image_ops.h"

namespace kp07 {

CAlignReadBackDlg::CAlignReadBackDlg(int channel, int item, QWidget* parent)
    : QDialog(parent),
      session_(channel, item),
      valueField_(new QLineEdit(this)),
      readingField_(new QLineEdit(this)) {
    QString caption;
    if (channels && channel >= 0 && channel < kChannelSlots) {
        caption = QString::fromStdString(ItemLabel(channels->records[std::size_t(channel)], item));
    }
    setWindowTitle(caption);
    auto* label = new QLabel(caption, this);
    label->setObjectName(QString::number(kLabelId));

    readingField_->setObjectName(QString::number(kReadingId));
    readingField_->setReadOnly(true);
    readingField_->setFocusPolicy(Qt::NoFocus);
    valueField_->setObjectName(QString::number(kValueId));
    valueField_->setMaxLength(8);
    valueField_->installEventFilter(this);
    for (QLineEdit* field : {readingField_, valueField_}) {
        field->setAlignment(Qt::AlignRight);
        field->setFixedWidth(field->fontMetrics().horizontalAdvance("0000000") + 12);
    }
    copy_ = new QPushButton(tr("Copy ->"), this);
    copy_->setAutoDefault(false);
    connect(copy_, &QPushButton::clicked, this, [this] {
        session_.CopyReading();
        ShowValue();
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &CAlignReadBackDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CAlignReadBackDlg::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0, 1, 4);
    layout->addWidget(new QLabel(tr("Reading"), this), 1, 0);
    layout->addWidget(readingField_, 1, 1);
    layout->addWidget(copy_, 1, 2);
    layout->addWidget(valueField_, 1, 3);
    layout->addWidget(buttons, 2, 0, 1, 4);

    ShowValue();
    connect(&timer_, &QTimer::timeout, this, &CAlignReadBackDlg::Poll);
    timer_.start(kPollMs);
    valueField_->setFocus(Qt::OtherFocusReason);
}

void CAlignReadBackDlg::ShowValue() {
    valueField_->setText(QString::number(session_.value()));
    valueField_->setModified(false);
}

void CAlignReadBackDlg::Poll() {
    if (session_.Poll()) readingField_->setText(QString::asprintf("%d", session_.reading()));
}

void CAlignReadBackDlg::TakeTyped() {
    if (!valueField_->isModified()) return;
    session_.SetTyped(valueField_->text().toStdString());
    ShowValue();
}

bool CAlignReadBackDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == valueField_ && event->type() == QEvent::FocusOut) TakeTyped();
    return QDialog::eventFilter(watched, event);
}

void CAlignReadBackDlg::accept() {
    // Enter in the field closes the editor without the field losing the
    // focus first: what was typed still counts.
    TakeTyped();
    session_.Finish(true);
    QDialog::accept();
}

void CAlignReadBackDlg::done(int result) {
    timer_.stop();
    QDialog::done(result);
}

}  // namespace kp07
