#include "params/param_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "image/radio_image.h"
#include "resources/strings.h"
#include "widgets/enter_combo.h"
#include "widgets/filter_edit.h"

namespace kp07 {
namespace {

const char kControlIdProperty[] = "kp07ControlId";
const char kHelpOnFocusProperty[] = "kp07HelpOnFocus";

std::function<void(int)>& HelpHook() {
    static std::function<void(int)> hook;
    return hook;
}

}  // namespace

CParamDialog::CParamDialog(int templateId, QWidget* parent)
    : QDialog(parent), templateId_(templateId) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    body_ = new QWidget(this);
    layout->addWidget(body_, 1);

    statusBar_ = new QStatusBar(this);
    statusBar_->setSizeGripEnabled(false);
    statusBar_->setStyleSheet(QStringLiteral("QStatusBar { border-top: 1px solid palette(mid); }"));
    descriptionPane_ = new QLabel(statusBar_);
    keyPane_ = new QLabel(statusBar_);
    // The indicator pane is as wide as its own text.
    const QString indicator = QString::fromStdString(LoadString(kKeyOperationIndicator));
    keyPane_->setText(indicator);
    keyPane_->setMinimumWidth(keyPane_->fontMetrics().horizontalAdvance(indicator) + 8);
    statusBar_->addWidget(descriptionPane_, 1);
    statusBar_->addPermanentWidget(keyPane_);
    layout->addWidget(statusBar_);

    ShowHelpLine(kHelpLineBlankId);
}

CParamDialog::~CParamDialog() {
    // The controls die after this body, in the base widget's destructor, and
    // the focus leaving them then must not reach the dialog any more.
    for (const auto& entry : controls_) {
        entry.second->removeEventFilter(this);
        disconnect(entry.second, nullptr, this, nullptr);
    }
}

int CParamDialog::ShowHelpLine(int id) {
    const int previous = currentHelpId_;
    if (id == 0) {
        descriptionPane_->setText(QStringLiteral(" "));
        keyPane_->setText(QStringLiteral(" "));
    } else {
        bool found = false;
        const std::string text = LoadString(id, &found);
        if (found) {
            const std::size_t lf = text.find('\n');
            std::string description = text.substr(0, lf);
            std::string key;
            if (lf != std::string::npos) {
                key = text.substr(lf + 1);
                key = key.substr(0, key.find('\n'));
            }
            descriptionPane_->setText(QString::fromStdString(description));
            keyPane_->setText(QString::fromStdString(key));
        }
    }
    currentHelpId_ = id;
    lastHelpId_ = id;
    return previous;
}

QString CParamDialog::helpText() const {
    return descriptionPane_->text();
}

QString CParamDialog::keyHint() const {
    return keyPane_->text();
}

void CParamDialog::RegisterControl(QWidget* control, int id, bool helpOnFocus) {
    if (!control) return;
    control->setProperty(kControlIdProperty, id);
    control->setProperty(kHelpOnFocusProperty, helpOnFocus);
    controls_[id] = control;
    control->installEventFilter(this);
    // The help line is made wide enough for the description of every control
    // that shows one, so that none is cut.
    if (helpOnFocus) {
        const std::string text = LoadString(id);
        const QString description = QString::fromStdString(text.substr(0, text.find('\n')));
        const int width = descriptionPane_->fontMetrics().horizontalAdvance(description) + 8;
        if (width > descriptionPane_->minimumWidth()) descriptionPane_->setMinimumWidth(width);
    }
}

QWidget* CParamDialog::Control(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

int CParamDialog::ControlId(const QWidget* control) {
    if (!control) return 0;
    const QVariant v = control->property(kControlIdProperty);
    return v.isValid() ? v.toInt() : 0;
}

void CParamDialog::AddTextField(CFilterEdit* field, int id, std::function<void()> commit) {
    if (!field) return;
    RegisterControl(field, id);
    textFields_[field] = std::move(commit);
    connect(field, &CFilterEdit::focusLeft, this, [this, field] { CommitTextField(field); });
    connect(field, &CFilterEdit::enterOrDoubleClick, this,
            [this, field] { CommitTextField(field); });
    connect(field, &QObject::destroyed, this, [this, field] { textFields_.erase(field); });
}

bool CParamDialog::CommitTextField(CFilterEdit* field) {
    const auto it = textFields_.find(field);
    if (it == textFields_.end() || !field->committed()) return false;
    // A dialog that is closing (Escape, Cancel) takes no more values.
    if (!isVisible()) return false;
    field->SetCommitted(false);
    if (it->second) it->second();
    return true;
}

CEnterComboBox* CParamDialog::AddList(int id, const std::vector<std::string>& texts, unsigned value,
                                      std::function<void(unsigned)> chosen) {
    auto* list = new CEnterComboBox(body_);
    list->SetChoices(texts);
    list->SelectChoice(value < texts.size() ? int(value) : -1);
    RegisterControl(list, id);
    connect(list, &QComboBox::currentIndexChanged, this, [chosen = std::move(chosen)](int item) {
        if (item < 0) return;
        imageModified = 1;
        if (chosen) chosen(unsigned(item));
    });
    return list;
}

void CParamDialog::SetOkButton(QPushButton* ok, bool needsFocus) {
    if (okButton_) disconnect(okButton_, nullptr, this, nullptr);
    okButton_ = ok;
    okNeedsFocus_ = needsFocus;
    if (!ok) return;
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CParamDialog::OkClicked);
}

void CParamDialog::OkClicked() {
    // Enter in a field reaches the OK button as its default button; in the
    // dialogs that check the focus it only commits that field.
    if (okNeedsFocus_ && focusWidget() != okButton_) return;
    OnOk();
}

void CParamDialog::OnOk() {
    accept();
}

void CParamDialog::SetHelpHook(std::function<void(int)> hook) {
    HelpHook() = std::move(hook);
}

bool CParamDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget) {
        if (event->type() == QEvent::FocusIn && widget->property(kHelpOnFocusProperty).toBool()) {
            ShowHelpLine(ControlId(widget));
        } else if (event->type() == QEvent::KeyPress &&
                   static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
            const int id = ControlId(widget);
            if (id >= 1 && id != 9) {
                if (HelpHook()) HelpHook()(id);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CParamDialog::FinishLayout(QLayout* content, bool okNeedsFocus) {
    auto* ok = new QPushButton(tr("OK"), body());
    cancelButton_ = new QPushButton(tr("Cancel"), body());
    SetOkButton(ok, okNeedsFocus);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(body());
    layout->addLayout(content);
    layout->addStretch();
    layout->addLayout(buttons);
}

}  // namespace kp07
