#include "app/text_dialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kp07 {

CTextDialog::CTextDialog(const QString& title, const QString& text, QWidget* parent)
    : QDialog(parent), view_(new QPlainTextEdit(this)) {
    setWindowTitle(title);
    view_->setReadOnly(true);
    view_->setLineWrapMode(QPlainTextEdit::NoWrap);
    view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view_->setPlainText(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addWidget(buttons);
    resize(720, 420);
}

QString CTextDialog::text() const {
    return view_->toPlainText();
}

}  // namespace kp07
