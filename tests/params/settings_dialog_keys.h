// Working the settings dialogs from the keyboard, as a user would.
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace kp07::test {

// Moves `combo` to the item `text` with the arrow keys, one step at a time.
inline void Choose(QComboBox* combo, const QString& text) {
    const int target = combo->findText(text);
    ASSERT_GE(target, 0) << text.toStdString();
    combo->setFocus();
    const int steps = target - combo->currentIndex();
    for (int i = 0; i < std::abs(steps); ++i) {
        QTest::keyClick(combo, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
    }
}

// Types `text` into a field and commits it with Enter.
inline void Type(QLineEdit* field, const char* text) {
    field->setFocus();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

// OK acts only from the focused button.
inline void PressOk(QPushButton* ok) {
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Return);
}

inline void PressCancel(QPushButton* cancel) {
    cancel->setFocus();
    QTest::keyClick(cancel, Qt::Key_Space);
}

}  // namespace kp07::test
