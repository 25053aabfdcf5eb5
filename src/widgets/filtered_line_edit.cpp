#include "widgets/filtered_line_edit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace kp07 {

FilteredLineEdit::FilteredLineEdit(QWidget* parent) : QLineEdit(parent) {
    // Every character must come through keyPressEvent or InsertFiltered:
    // dropped text and composed input would slip past the test.
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

int FilteredLineEdit::CaretForTest() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void FilteredLineEdit::InsertFiltered(const QString& text) {
    if (isReadOnly()) return;
    QString accepted;
    int caret = CaretForTest();
    for (const QChar ch : text) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7f) continue;  // line breaks, tabs
        if (!AcceptsChar(ch.unicode(), caret)) continue;
        accepted += ShownChar(ch);
        ++caret;
    }
    if (!accepted.isEmpty()) insert(accepted);
}

void FilteredLineEdit::PasteFrom(bool selectionClipboard) {
    const QClipboard* clip = QGuiApplication::clipboard();
    if (!clip) return;
    InsertFiltered(clip->text(selectionClipboard ? QClipboard::Selection : QClipboard::Clipboard));
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        PasteFrom(false);
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Backspace) {
        if (AcceptsChar(8, CaretForTest())) {
            BeforeTypedChar();
            QLineEdit::keyPressEvent(event);
        }
        return;
    }
    const QString text = event->text();
    // Ctrl (with or without Shift) makes a command; any other combination
    // that yields a character (AltGr is Ctrl+Alt on some systems) types it.
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool commandKey =
        mods == Qt::ControlModifier || mods == (Qt::ControlModifier | Qt::ShiftModifier);
    if (text.isEmpty() || commandKey || text.at(0).unicode() < 0x20 ||
        text.at(0).unicode() == 0x7f) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // A typed character: refused ones vanish without a sound.
    event->accept();
    for (const QChar ch : text) {
        if (!AcceptsChar(ch.unicode(), CaretForTest())) continue;
        BeforeTypedChar();
        if (!isReadOnly()) insert(QString(ShownChar(ch)));
    }
}

void FilteredLineEdit::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        event->accept();  // the paste happens on release, filtered
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void FilteredLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        if (QGuiApplication::clipboard() && QGuiApplication::clipboard()->supportsSelection()) {
            setCursorPosition(cursorPositionAt(event->position().toPoint()));
            PasteFrom(true);
        }
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void FilteredLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    // The standard Paste would insert the clipboard unfiltered: take it over.
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste") ||
            action->text().remove(QLatin1Char('&')).startsWith(QLatin1String("Paste"))) {
            action->disconnect();
            connect(action, &QAction::triggered, this, [this] { PasteFrom(false); });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

}  // namespace kp07
