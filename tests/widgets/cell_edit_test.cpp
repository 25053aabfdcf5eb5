#include "widgets/cell_edit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

#include "support/gui/gui_helpers.h"

namespace kp07 {
namespace {

struct CellEditFixture : ::testing::Test {
    void SetUp() override {
        window.resize(200, 60);
        edit = new CCellEdit(&window);
        edit->show();
        ASSERT_TRUE(test::ShowActive(&window));
        edit->setFocus();
    }
    // Sends one key event carrying `text`, as a keyboard layout with that
    // character would.
    QString TypedChar(int mode, QChar c, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        edit->SetMode(mode);
        edit->clear();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, mods, QString(c));
        QApplication::sendEvent(edit, &press);
        return edit->text();
    }
    // Types `keys` into an empty editor of `mode` and returns what it shows.
    QString Typed(int mode, const QString& keys) {
        edit->SetMode(mode);
        edit->clear();
        QTest::keyClicks(edit, keys);
        return edit->text();
    }
    QWidget window;
    CCellEdit* edit = nullptr;
};

TEST_F(CellEditFixture, ModesFilterAndLettersShowUpperCase) {
    EXPECT_EQ(Typed(kCellTag, "a!?@,b"), "A?@B");
    EXPECT_EQ(Typed(kCellToneDigit, "e1fF"), "E1");
    EXPECT_EQ(Typed(kCellHex, "fg0"), "F0");
    EXPECT_EQ(Typed(kCellFreq, "-1+2. 3"), "12. 3");
    EXPECT_EQ(Typed(kCellToneValue, "C67.0"), "67.0");
    EXPECT_EQ(Typed(9, "!~x"), "!~X");  // other modes take everything

    // A character with bit 7 set reaches the mode's test as it is (the tests
    // themselves: input_filters_test).
    EXPECT_EQ(TypedChar(kCellTag, QChar(0xE9)), QString(QChar(0xC9)));  // e-acute: 'i'
    EXPECT_EQ(TypedChar(kCellTag, QChar(0xA1)), "");                    // '!' | 0x80
    // A character typed with AltGr is still a character and still tested.
    EXPECT_EQ(TypedChar(kCellTag, QChar('!'), Qt::ControlModifier | Qt::AltModifier), "");
    EXPECT_EQ(TypedChar(kCellTag, QChar('@'), Qt::ControlModifier | Qt::AltModifier), "@");
}

TEST_F(CellEditFixture, BackspaceWorksInEveryModeAndTheLimitHolds) {
    for (int mode = 0; mode <= 6; ++mode) {
        edit->SetMode(mode);
        edit->setText("12");
        edit->end(false);
        QTest::keyClick(edit, Qt::Key_Backspace);
        EXPECT_EQ(edit->text(), "1") << mode;
    }
    edit->SetMode(kCellHex);
    edit->SetLimit(2);
    edit->clear();
    QTest::keyClicks(edit, "abc");
    EXPECT_EQ(edit->text(), "AB");
}

TEST_F(CellEditFixture, PasteGoesThroughTheSameTest) {
    edit->SetMode(kCellFreq);
    edit->SetLimit(9);
    edit->clear();
    QApplication::clipboard()->setText("+146.a52-0");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "146.520");
    edit->SetMode(kCellTag);
    edit->clear();
    QApplication::clipboard()->setText("ab,c");
    QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(edit->text(), "ABC");
}

TEST_F(CellEditFixture, ReportsEnterEscapeAndFocusLoss) {
    int enter = 0, escape = 0, lost = 0;
    QObject::connect(edit, &CCellEdit::enterPressed, [&] { ++enter; });
    QObject::connect(edit, &CCellEdit::escapePressed, [&] { ++escape; });
    QObject::connect(edit, &CCellEdit::focusLost, [&] { ++lost; });
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Escape);
    auto* other = new QLineEdit(&window);
    other->show();
    other->setFocus();
    EXPECT_EQ(enter, 1);
    EXPECT_EQ(escape, 1);
    EXPECT_EQ(lost, 1);
}

}  // namespace
}  // namespace kp07
