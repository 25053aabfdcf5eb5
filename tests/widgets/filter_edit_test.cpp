#include "widgets/filter_edit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "params/param_dialog.h"
#include "support/gui/gui_helpers.h"
#include "support/test_support.h"

namespace kp07 {
namespace {

using State = CModeEdit::State;
using Look = CColorEdit::Look;

// A dialog with one filtered field (id 1000) and a second field to move the
// focus to; commits are counted and record the text they saw.
struct FieldFixture : ::testing::Test {
    void SetUp() override {
        ResetProcessStateForTest();
        dialog = new CParamDialog(500);
        field = new CFilterEdit(dialog->body());
        other = new CFilterEdit(dialog->body());
        other->move(0, 40);
        dialog->AddTextField(field, 1000, [this] {
            ++commits;
            committedText = field->text();
        });
        dialog->AddTextField(other, 1001, [] {});
        ASSERT_TRUE(test::ShowActive(dialog));
        field->setFocus();
        ASSERT_TRUE(field->hasFocus());
    }
    void TearDown() override { delete dialog; }

    CParamDialog* dialog = nullptr;
    CFilterEdit* field = nullptr;
    CFilterEdit* other = nullptr;
    int commits = 0;
    QString committedText;
};

TEST_F(FieldFixture, TypingInBrowseReplacesTheTextAndEscapeRestoresIt) {
    field->SetFilterKind(kFilterDigits);
    field->setText("123");
    EXPECT_EQ(field->state(), State::kBrowse);
    EXPECT_TRUE(field->isReadOnly());

    QTest::keyClicks(field, "x-");  // refused: nothing happens
    EXPECT_EQ(field->text(), "123");
    EXPECT_EQ(field->state(), State::kBrowse);

    QTest::keyClicks(field, "7");
    EXPECT_EQ(field->text(), "7");
    EXPECT_EQ(field->state(), State::kEditing);
    EXPECT_EQ(field->look(), Look::kEditing);
    EXPECT_FALSE(field->committed());
    EXPECT_EQ(field->undoText(), "123");
    QTest::keyClicks(field, "8a9");
    EXPECT_EQ(field->text(), "789");

    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(field->text(), "123");
    EXPECT_EQ(field->state(), State::kBrowse);
    EXPECT_EQ(field->look(), Look::kBrowse);
    EXPECT_FALSE(field->committed());
    EXPECT_TRUE(dialog->isVisible());  // Escape while editing stays in the field
    other->setFocus();                 // leaving a field in browse commits nothing
    EXPECT_EQ(commits, 0);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Escape);  // Escape in browse closes the dialog
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(commits, 0);
}

TEST_F(FieldFixture, EnterTwiceAndFocusLossCommitOnce) {
    field->SetFilterKind(kFilterDecimal);
    field->SetMaxTextLength(4);
    field->setText("123456");  // the shown value may be longer than the limit

    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(field->state(), State::kEditing);
    EXPECT_EQ(field->text(), "1234");  // cut when editing starts
    EXPECT_EQ(commits, 0);
    QTest::keyClicks(field, "5");  // everything selected: replaced
    EXPECT_EQ(field->text(), "5");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(field->state(), State::kBrowse);
    EXPECT_EQ(commits, 1);
    EXPECT_EQ(committedText, "5");
    EXPECT_FALSE(field->committed());  // the dialog cleared the mark

    // Edit again and leave the field: one more commit, none on return.
    QTest::keyClicks(field, "6.5");
    other->setFocus();
    EXPECT_EQ(field->state(), State::kBrowse);
    EXPECT_FALSE(field->hasSelectedText());
    EXPECT_EQ(commits, 2);
    EXPECT_EQ(committedText, "6.5");
    field->setFocus();
    other->setFocus();
    EXPECT_EQ(commits, 2);

    // After editing the shown value is no longer cut to the limit.
    field->setText("1234567");
    EXPECT_EQ(field->text(), "1234567");
}

TEST_F(FieldFixture, BackspaceInBrowseStartsAnEmptyEdit) {
    field->SetFilterKind(kFilterDigits);
    field->setText("42");
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->state(), State::kEditing);
    EXPECT_EQ(field->text(), "");
}

TEST_F(FieldFixture, SecondCharacterRuleFollowsTheCaret) {
    field->SetFilterKind(kFilterLetterAtSecond);
    field->setText("");
    QTest::keyClicks(field, "c");  // position 0: digits only
    EXPECT_EQ(field->text(), "");
    QTest::keyClicks(field, "1x2c5");  // 'x' and '2' refused at position 1
    EXPECT_EQ(field->text(), "1c5");
}

TEST_F(FieldFixture, PasteIsFilteredAndNeedsEditing) {
    field->SetFilterKind(kFilterDigits);
    field->setText("9");
    QApplication::clipboard()->setText("1a2-3\n4");
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);  // browse: read-only
    EXPECT_EQ(field->text(), "9");
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "1234");
}

TEST_F(FieldFixture, DoubleClickActsLikeEnter) {
    field->setText("abc");
    QTest::mouseDClick(field, Qt::LeftButton);
    EXPECT_EQ(field->state(), State::kEditing);
    EXPECT_EQ(field->selectedText(), "abc");
    QTest::mouseDClick(field, Qt::LeftButton);
    EXPECT_EQ(field->state(), State::kBrowse);
    EXPECT_EQ(commits, 1);
}

TEST(FilterEditLooks, ColoursComeFromTheSystemPalette) {
    const QPalette system = QApplication::palette();
    CFilterEdit field;
    const auto shown = [&field](QPalette::ColorRole role) { return field.palette().color(role); };
    EXPECT_EQ(field.look(), Look::kBrowse);
    EXPECT_EQ(shown(QPalette::Base), system.color(QPalette::Active, QPalette::Base));
    EXPECT_EQ(shown(QPalette::Text), system.color(QPalette::Active, QPalette::Text));
    EXPECT_TRUE(field.isReadOnly());

    field.SetLook(Look::kEditing);
    EXPECT_EQ(shown(QPalette::Base), system.color(QPalette::Active, QPalette::ToolTipBase));
    EXPECT_FALSE(field.isReadOnly());

    field.SetEnabled(false);
    EXPECT_EQ(field.look(), Look::kDisabled);
    EXPECT_EQ(field.palette().color(QPalette::Disabled, QPalette::Base),
              system.color(QPalette::Active, QPalette::Window));
    EXPECT_EQ(field.palette().color(QPalette::Disabled, QPalette::Text),
              system.color(QPalette::Disabled, QPalette::Text));
    field.SetEnabled(true);
    EXPECT_EQ(field.look(), Look::kBrowse);
}

}  // namespace
}  // namespace kp07
