#include "widgets/cell_edit.h"

#include <QKeyEvent>

namespace kp07 {

CCellEdit::CCellEdit(QWidget* parent) : FilteredLineEdit(parent) {
    hide();
}

void CCellEdit::SetCellText(const QString& text) {
    setText(text.toUpper());
}

bool CCellEdit::AcceptsChar(int c, int caret) const {
    return CellModeChar(mode_, c, caret) != 0;
}

void CCellEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            emit enterPressed();
            return;
        case Qt::Key_Escape:
            event->accept();
            emit escapePressed();
            return;
        default:
            FilteredLineEdit::keyPressEvent(event);
    }
}

void CCellEdit::focusOutEvent(QFocusEvent* event) {
    FilteredLineEdit::focusOutEvent(event);
    // A context menu of the editor itself is not the end of the edit.
    if (event->reason() != Qt::PopupFocusReason) emit focusLost();
}

}  // namespace kp07
