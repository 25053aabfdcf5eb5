#include "widgets/filter_edit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPalette>

namespace kp07 {
namespace {
constexpr int kNoLimit = 32767;
}

// ---- CColorEdit ----

CColorEdit::CColorEdit(QWidget* parent) : FilteredLineEdit(parent) {
    SetLook(Look::kBrowse);
}

QColor CColorEdit::textColor() const {
    const QPalette system = QApplication::palette();
    return look_ == Look::kDisabled ? system.color(QPalette::Disabled, QPalette::Text)
                                    : system.color(QPalette::Active, QPalette::Text);
}

// Browse on the window background, editing on the tooltip background so that
// the field being typed into stands out, disabled on the menu background
// (the palette's window colour).
QColor CColorEdit::backgroundColor() const {
    const QPalette system = QApplication::palette();
    switch (look_) {
        case Look::kEditing:
            return system.color(QPalette::Active, QPalette::ToolTipBase);
        case Look::kDisabled:
            return system.color(QPalette::Active, QPalette::Window);
        case Look::kBrowse:
        default:
            return system.color(QPalette::Active, QPalette::Base);
    }
}

void CColorEdit::SetLook(Look look) {
    look_ = look;
    setEnabled(look != Look::kDisabled);
    setReadOnly(look != Look::kEditing);
    ApplyColors();
}

void CColorEdit::ApplyColors() {
    applying_ = true;
    QPalette pal = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Text, textColor());
        pal.setColor(group, QPalette::Base, backgroundColor());
    }
    setPalette(pal);
    applying_ = false;
}

void CColorEdit::changeEvent(QEvent* event) {
    FilteredLineEdit::changeEvent(event);
    // The user changed the desktop colours: follow them.
    if (!applying_ && event->type() == QEvent::ApplicationPaletteChange) ApplyColors();
}

// ---- CModeEdit ----

CModeEdit::CModeEdit(QWidget* parent) : CColorEdit(parent) {}

// ---- CFilterEdit ----

CFilterEdit::CFilterEdit(QWidget* parent) : CModeEdit(parent) {
    setMaxLength(kNoLimit);
    connect(this, &QLineEdit::textEdited, this, [this] { typed_ = true; });
}

void CFilterEdit::SetEnabled(bool enabled) {
    SetLook(enabled ? Look::kBrowse : Look::kDisabled);
}

bool CFilterEdit::AcceptsChar(int c, int caret) const {
    return FilterAcceptsChar(filterKind_, c, caret);
}

void CFilterEdit::StartEditing() {
    undoText_ = text();
    typed_ = false;
    if (maxTextLength_ > 0) setMaxLength(maxTextLength_);  // cuts the shown text too
    SetLook(Look::kEditing);
    selectAll();
    state_ = State::kEditing;
    committed_ = false;
}

void CFilterEdit::EndEditing() {
    setMaxLength(kNoLimit);
    state_ = State::kBrowse;
    SetLook(Look::kBrowse);
}

// A typed character that passed the filter: in browse state it starts an
// edit whose text it replaces.
void CFilterEdit::BeforeTypedChar() {
    if (state_ == State::kBrowse) StartEditing();
}

void CFilterEdit::EnterOrDoubleClick() {
    if (state_ == State::kBrowse) {
        StartEditing();
    } else {
        EndEditing();
        selectAll();
        committed_ = true;
    }
}

void CFilterEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!isEnabled()) break;
            EnterOrDoubleClick();
            emit enterOrDoubleClick();
            if (consumeEnter_) {
                event->accept();
            } else {
                event->ignore();  // on to the dialog
            }
            return;
        case Qt::Key_Escape:
            if (state_ == State::kEditing) {
                setMaxLength(kNoLimit);
                setText(undoText_);
                EndEditing();
                selectAll();
                event->accept();
                return;
            }
            event->ignore();  // browse: the dialog's Cancel
            return;
        default:
            break;
    }
    CModeEdit::keyPressEvent(event);
}

void CFilterEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    EnterOrDoubleClick();
    emit enterOrDoubleClick();
}

void CFilterEdit::focusOutEvent(QFocusEvent* event) {
    CModeEdit::focusOutEvent(event);
    // Opening the field's own context menu does not end the edit.
    if (event->reason() == Qt::PopupFocusReason) return;
    if (state_ == State::kEditing) {
        EndEditing();
        committed_ = true;
    }
    deselect();
    emit focusLeft();
}

}  // namespace kp07
