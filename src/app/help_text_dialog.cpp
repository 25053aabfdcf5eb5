#include "app/help_text_dialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "resources/help_texts.h"
#include "resources/icons_qt.h"

namespace kp07 {

CHelpTextDlg::CHelpTextDlg(Text which, QWidget* parent)
    : QDialog(parent), text_(new QPlainTextEdit(this)) {
    setWindowIcon(ProgramIcon());
    const bool started = which == Text::kGetStarted;
    setWindowTitle(started ? tr("Get Started") : tr("Common Problems"));
    QString text = QString::fromStdString(started ? GetStartedText() : CommonProblemsText());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    text_->setObjectName(QString::number(kTextFieldId));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The texts are laid out in columns of blanks: a fixed-pitch font keeps
    // them so.
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setPlainText(text);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addWidget(buttons);
    const QFontMetrics metrics(text_->font());
    resize(metrics.horizontalAdvance(QString(66, QLatin1Char('M'))) + 40,
           metrics.lineSpacing() * 34 + 60);
}

}  // namespace kp07
