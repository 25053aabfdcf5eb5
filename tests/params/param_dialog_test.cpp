#include "params/param_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "params/settings_dialog_keys.h"
#include "resources/strings.h"
#include "support/gui/gui_helpers.h"
#include "support/test_support.h"
#include "widgets/enter_combo.h"
#include "widgets/filter_edit.h"

namespace kp07 {
namespace {

const StringEntry kHelpTexts[] = {
    {700, "Lone Worker Timer(5 min - 60min)\n<SELECT>"},
    {701, "Production Number"},
    {702, "Beep Repeat(0-255)\n<ENTER>\nextra line"},
};
const StringTable kHelpTable{kHelpTexts, 3};

struct DialogFixture : ::testing::Test {
    void SetUp() override {
        ResetProcessStateForTest();
        SetTestStringTable(&kHelpTable);
    }
    void TearDown() override {
        CParamDialog::SetHelpHook(nullptr);
        ResetProcessStateForTest();
    }
};

TEST_F(DialogFixture, HelpLineSplitsAtTheFirstLineFeed) {
    CParamDialog dialog(100);
    // At start the line shows string 121, a blank without a key hint.
    EXPECT_EQ(dialog.helpText(), " ");
    EXPECT_EQ(dialog.keyHint(), "");
    EXPECT_EQ(dialog.currentHelpId(), 121);

    // Lines shown in turn: each returns the id shown before it.
    const struct {
        int id;
        int before;
        const char* text;
        const char* hint;
    } steps[] = {
        {700, 121, "Lone Worker Timer(5 min - 60min)", "<SELECT>"},
        {702, 700, "Beep Repeat(0-255)", "<ENTER>"},  // cut at the second line feed
        {701, 702, "Production Number", ""},          // no line feed: empty key hint
        {702, 701, "Beep Repeat(0-255)", "<ENTER>"},
        // A missing string changes nothing on the line but is remembered.
        {9999, 702, "Beep Repeat(0-255)", "<ENTER>"},
        {0, 9999, " ", " "},
    };
    for (const auto& s : steps) {
        EXPECT_EQ(dialog.ShowHelpLine(s.id), s.before) << s.id;
        EXPECT_EQ(dialog.helpText(), s.text) << s.id;
        EXPECT_EQ(dialog.keyHint(), s.hint) << s.id;
        EXPECT_EQ(dialog.currentHelpId(), s.id) << s.id;
        EXPECT_EQ(dialog.lastHelpId(), s.id) << s.id;
    }
}

TEST_F(DialogFixture, FocusShowsTheControlsHelpAndF1AsksForItsTopic) {
    std::vector<int> topics;
    CParamDialog::SetHelpHook([&](int topic) { topics.push_back(topic); });
    CParamDialog dialog(100);
    auto* combo = new CEnterComboBox(dialog.body());
    auto* field = new CFilterEdit(dialog.body());
    auto* nine = new CFilterEdit(dialog.body());
    field->move(0, 30);
    nine->move(0, 60);
    dialog.RegisterControl(combo, 700);
    dialog.AddTextField(field, 702, [] {});
    dialog.RegisterControl(nine, 9);
    ASSERT_TRUE(test::ShowActive(&dialog));

    field->setFocus();
    EXPECT_EQ(dialog.helpText(), "Beep Repeat(0-255)");
    combo->setFocus();
    EXPECT_EQ(dialog.helpText(), "Lone Worker Timer(5 min - 60min)");
    EXPECT_EQ(dialog.keyHint(), "<SELECT>");
    EXPECT_EQ(dialog.Control(702), field);
    EXPECT_EQ(CParamDialog::ControlId(combo), 700);

    QTest::keyClick(combo, Qt::Key_F1);
    QTest::keyClick(field, Qt::Key_F1);
    QTest::keyClick(nine, Qt::Key_F1);  // id 9 has no topic of its own
    EXPECT_EQ(topics, (std::vector<int>{700, 702}));
}

TEST_F(DialogFixture, EnterInAFieldCommitsAndOnlyTheFocusedOkCloses) {
    CParamDialog dialog(100);
    auto* field = new CFilterEdit(dialog.body());
    auto* ok = new QPushButton("OK", dialog.body());
    ok->move(0, 40);
    int commits = 0;
    dialog.AddTextField(field, 702, [&] { ++commits; });
    dialog.SetOkButton(ok, true);
    ASSERT_TRUE(test::ShowActive(&dialog));
    test::Type(field, "12");
    EXPECT_EQ(commits, 1);
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(field, Qt::Key_Return);  // starts editing again, still open
    EXPECT_TRUE(dialog.isVisible());

    ok->setFocus();  // leaving the field commits it
    EXPECT_EQ(commits, 2);
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(DialogFixture, WithoutTheFocusRuleEnterCommitsThenCloses) {
    CParamDialog dialog(100);
    auto* field = new CFilterEdit(dialog.body());
    auto* ok = new QPushButton("OK", dialog.body());
    ok->move(0, 40);
    QString seen;
    bool closedBeforeCommit = false;
    dialog.AddTextField(field, 702, [&] {
        seen = field->text();
        closedBeforeCommit = !dialog.isVisible();
    });
    dialog.SetOkButton(ok, false);
    ASSERT_TRUE(test::ShowActive(&dialog));
    test::Type(field, "34");
    EXPECT_EQ(seen, "34");
    EXPECT_FALSE(closedBeforeCommit);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(DialogFixture, EnterOpensTheList) {
    CParamDialog dialog(100);
    auto* combo = new CEnterComboBox(dialog.body());
    combo->addItems({"Disable", "Enable"});
    auto* ok = new QPushButton("OK", dialog.body());
    dialog.SetOkButton(ok, false);
    ASSERT_TRUE(test::ShowActive(&dialog));
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());  // Enter did not reach OK
    QTRY_VERIFY(combo->view()->isVisible());
    combo->hidePopup();
}

}  // namespace
}  // namespace kp07
