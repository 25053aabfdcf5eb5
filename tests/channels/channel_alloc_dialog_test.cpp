// The Channel Allocation/Group Tag dialog through its fields: commits on
// Enter, the "Too many channels" refusal, tags, OK and Cancel.
#include "channels/channel_alloc_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "blocks/channel_table.h"
#include "blocks/image_ops.h"
#include "support/gui/gui_helpers.h"
#include "support/message_recorder.h"
#include "support/test_support.h"
#include "widgets/filter_edit.h"

namespace kp07 {
namespace {

class AllocTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetProcessStateForTest();
        CreateImageAndBlocks();
        FillDefaults(*radioImage);
        LoadPersistentBlocks(*radioImage);
        channels->SelectGroup(0);
    }
    void TearDown() override {
        DestroyImageAndBlocks();
        ResetProcessStateForTest();
    }
    // Types `text` into a field and presses Enter: the field starts
    // editing with the first character and commits on Enter.
    static void Type(QLineEdit* field, const char* text) {
        field->setFocus();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    test::MessageRecorder messages;
};

TEST_F(AllocTest, CountsAreCommittedWithinTheChannelsLeft) {
    CChannelAllocDlg dialog(*channels, true);
    ASSERT_TRUE(test::ShowActive(&dialog));
    EXPECT_EQ(dialog.countEdit(0)->text(), "077");
    EXPECT_TRUE(dialog.countEdit(0)->isReadOnly());
    EXPECT_EQ(dialog.countEdit(6)->text(), "011");
    EXPECT_EQ(dialog.tagEdit(0)->text(), "  C  B  ");
    dialog.countEdit(1)->setFocus();
    EXPECT_EQ(dialog.helpText(), "Edit Channel Number(1-128)");
    EXPECT_EQ(dialog.keyHint(), "<ENTER>");

    Type(dialog.countEdit(1), "17");
    EXPECT_TRUE(dialog.isVisible());  // Enter commits, it does not close
    EXPECT_EQ(messages.last(), "Too many channels");
    EXPECT_EQ(dialog.countEdit(1)->text(), "016");
    EXPECT_TRUE(dialog.countEdit(1)->hasFocus());
    EXPECT_EQ(channels->groupSizes()[1], 16u);

    Type(dialog.countEdit(6), "10");
    EXPECT_EQ(dialog.countEdit(6)->text(), "010");
    Type(dialog.countEdit(1), "17");
    EXPECT_EQ(dialog.countEdit(1)->text(), "017");
    EXPECT_EQ(channels->groupSizes()[1], 17u);
    EXPECT_EQ(channels->currentGroup, 1);
    EXPECT_EQ(messages.count(), 1u);
    EXPECT_EQ(imageModified, 1);

    // A tag keeps what was typed, upper case, and ends there.
    Type(dialog.tagEdit(3), "abc");
    EXPECT_EQ(dialog.tagEdit(3)->text(), "ABC");
    EXPECT_EQ(channels->groupTags[3], "ABC");
    dialog.tagEdit(3)->setFocus();
    EXPECT_EQ(dialog.helpText(), "Edit Group alpha tag");

    // OK acts with the focus on OK only.
    dialog.okButton()->setFocus();
    QTest::keyClick(dialog.okButton(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(channels->allocated(), 168);
}

TEST_F(AllocTest, CancelKeepsTheCommitsButNotTheGroupShown) {
    channels->SelectGroup(2);
    CChannelAllocDlg dialog(*channels, false);
    ASSERT_TRUE(test::ShowActive(&dialog));
    EXPECT_EQ(dialog.tagEdit(2)->text(), "        ");  // a radio without tags
    // Its blanks are not the tags: Enter on them changes nothing.
    for (int g : {0, 2}) {
        EXPECT_EQ(dialog.tagEdit(g)->look(), CColorEdit::Look::kDisabled) << g;
        Type(dialog.tagEdit(g), "X");
        QTest::keyClick(dialog.tagEdit(g), Qt::Key_Return);
    }
    EXPECT_EQ(channels->groupTags[0], "  C  B  ");
    EXPECT_EQ(channels->groupTags[2], "GROUP 2 ");
    Type(dialog.countEdit(5), "0");
    EXPECT_EQ(channels->groupSizes()[5], 0u);
    EXPECT_EQ(channels->currentGroup, 5);
    QTest::keyClick(dialog.cancelButton(), Qt::Key_Space);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(channels->groupSizes()[5], 0u);
    EXPECT_EQ(channels->currentGroup, 2);
}

}  // namespace
}  // namespace kp07
