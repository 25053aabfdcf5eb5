// The Marketing, Miscellaneous, Option, Power ON Password and Signaling Type
// dialogs through their widgets.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "blocks/channel_table.h"
#include "blocks/common_params.h"
#include "blocks/image_ops.h"
#include "blocks/new_image_fixture.h"
#include "blocks/paging_params.h"
#include "blocks/radio_identity.h"
#include "blocks/signaling_type.h"
#include "image/accessors.h"
#include "image/process_state.h"
#include "params/marketing_dialog.h"
#include "params/miscellaneous_dialog.h"
#include "params/option_dialog.h"
#include "params/power_on_password_dialog.h"
#include "params/settings_dialog_keys.h"
#include "params/signaling_type_dialog.h"
#include "support/gui/gui_helpers.h"
#include "support/gui/signaling_helpers.h"
#include "support/test_support.h"
#include "widgets/enter_combo.h"
#include "widgets/filter_edit.h"

namespace kp07 {
namespace {

using test::Choose;
using test::PressCancel;
using test::PressOk;
using test::Type;

template <class Dialog>
std::function<std::unique_ptr<CParamDialog>()> Opener() {
    return [] { return std::make_unique<Dialog>(*radioImage); };
}

class IdentityOptionDialogTest : public test::NewImageTest {
  protected:
    // Changes the common record in the image as another dialog would have.
    static void EditCommon(const std::function<void(CommonParams&)>& edit) {
        CommonParams common;
        common.Load(*radioImage);
        edit(common);
        common.Store(*radioImage);
    }
};

TEST_F(IdentityOptionDialogTest, ANewImageShows) {
    CMiscDlg misc(*radioImage);
    COptionDlg option(*radioImage);
    CPowerOnPasswordDlg password(*radioImage);
    CSignalingTypeDlg signaling(*radioImage);
    const std::pair<QComboBox*, const char*> lists[] = {
        {misc.list(CMiscDlg::kPowerOnConditionId), "Back up"},
        {misc.list(CMiscDlg::kBeepId), "Enabled "},
        {misc.list(CMiscDlg::kSquelchTailId), "Phase"},
        {misc.list(CMiscDlg::kBellId), "Disabled"},
        {misc.list(CMiscDlg::kLedLightingId), "Enabled "},
        {misc.list(CMiscDlg::kLcdLightingModeId), "Key On 5s"},
        {misc.list(CMiscDlg::kSetToSetCloneId), "Enabled "},
        {misc.list(CMiscDlg::kExternalJackId), "QH-44"},
        {misc.list(CMiscDlg::kKeyHoldingTimeId), "Disabled"},
        {misc.list(CMiscDlg::kQlnkBeepId), "Enabled "},
        {option.list(COptionDlg::kOptionBoardId), "Dummy"},
        {option.list(COptionDlg::kKeypadId), ""},
        {password.passwordList(), "Disabled"},
        {signaling.signalingList(), "5-Tone"},
    };
    for (const auto& [list, text] : lists) {
        EXPECT_EQ(list->currentText(), text) << CParamDialog::ControlId(list);
    }
    EXPECT_EQ(misc.defaultSplit()->text(), "0.0   MHz");
    EXPECT_EQ(misc.list(CMiscDlg::kSquelchTailId)->count(), 3);  // no "Rev. Burst"
    EXPECT_EQ(password.passwordNumber()->text(), "CADB");
    EXPECT_EQ(password.passwordNumber()->look(), CColorEdit::Look::kDisabled);
    for (int id :
         {COptionDlg::kRecordModeId, COptionDlg::kPlayModeId, COptionDlg::kPowerOnRecordId})
        EXPECT_FALSE(option.list(id)->isEnabled()) << id;
    EXPECT_TRUE(option.list(COptionDlg::kKeypadId)->isEnabled());
}

TEST_F(IdentityOptionDialogTest, MarketingFillsTheIdentityAndMarksItEdited) {
    {
        CMarketingDlg dialog(*radioImage);  // outside factory mode the serial number only shows
        EXPECT_EQ(dialog.marketApplication()->text(), "0000");
        EXPECT_EQ(dialog.serialNumber()->text(), "1C010001");
        EXPECT_EQ(dialog.serialNumber()->look(), CColorEdit::Look::kDisabled);
        EXPECT_EQ(dialog.marketApplication()->look(), CColorEdit::Look::kBrowse);
    }
    factoryMode = true;
    CMarketingDlg dialog(*radioImage);
    ASSERT_TRUE(test::ShowActive(&dialog));
    Type(dialog.serialNumber(), "5");
    EXPECT_EQ(dialog.serialNumber()->text(), "5C000000");
    EXPECT_EQ(identityEdited, 1);
    Type(dialog.marketApplication(), "12");
    EXPECT_EQ(dialog.marketApplication()->text(), "1200");
    EXPECT_EQ(imageModified, 1);
    PressOk(dialog.okButton());
    EXPECT_TRUE(test::BytesAt(*radioImage, 7715, {0x12, 0x00}));
    EXPECT_TRUE(test::BytesAt(*radioImage, 7721, {0x51, 0x00, 0x00, 0x00}));
}

TEST_F(IdentityOptionDialogTest, MiscellaneousSplitClampsAndCancelPutsItBack) {
    autoTxOffsetMHz = 5.0;
    {
        CMiscDlg dialog(*radioImage);
        ASSERT_TRUE(test::ShowActive(&dialog));
        EXPECT_EQ(dialog.defaultSplit()->text(), "5.0   MHz");
        Type(dialog.defaultSplit(), "150");
        EXPECT_EQ(autoTxOffsetMHz, 99.9);
        EXPECT_EQ(dialog.defaultSplit()->text(), "99.9  MHz");
        PressCancel(dialog.cancelButton());
    }
    EXPECT_EQ(autoTxOffsetMHz, 5.0);
    EXPECT_EQ(imageModified, 1);

    CMiscDlg dialog(*radioImage);
    ASSERT_TRUE(test::ShowActive(&dialog));
    Type(dialog.defaultSplit(), "-7.5");
    Choose(dialog.list(CMiscDlg::kPowerOnConditionId), "SCAN");
    PressOk(dialog.okButton());
    EXPECT_EQ(autoTxOffsetMHz, -7.5);
    EXPECT_EQ(GetPowerOnCondition(*radioImage), 3u);
}

TEST_F(IdentityOptionDialogTest, RevBurstIsOfferedOnlyWhileItIsStored) {
    EditCommon([](CommonParams& c) { c.squelchTailElimination = 2; });
    CMiscDlg dialog(*radioImage);
    ASSERT_TRUE(test::ShowActive(&dialog));
    QComboBox* tail = dialog.list(CMiscDlg::kSquelchTailId);
    EXPECT_EQ(tail->count(), 4);
    EXPECT_EQ(tail->currentText(), "Rev. Burst");
    Choose(tail, "Phase");
    EXPECT_EQ(tail->count(), 3);
    EXPECT_EQ(tail->currentText(), "Phase");
    Choose(tail, "No Tone");
    PressOk(dialog.okButton());
    EXPECT_EQ(GetSquelchTailElimination(*radioImage), 1u);
}

TEST_F(IdentityOptionDialogTest, WithoutTheKeypadTheKeypadSettingsAreClosed) {
    EditCommon([](CommonParams& c) { c.keypadSelection = 0; });
    CMiscDlg dialog(*radioImage);
    for (int id = CMiscDlg::kPowerOnConditionId; id <= CMiscDlg::kQlnkBeepId; ++id) {
        const bool keypadOnly =
            id == CMiscDlg::kLcdLightingModeId || id == CMiscDlg::kKeyHoldingTimeId;
        EXPECT_EQ(dialog.list(id)->isEnabled(), !keypadOnly) << id;
    }
}

TEST_F(IdentityOptionDialogTest, OptionBoardChangeTakesThePagingChannelsOnOk) {
    EditCommon([](CommonParams& c) { c.optionBoard = kPagingOptionBoard; });
    channels->records[0].signalingType = 2;  // a paging channel
    channels->records[0].signalingNumber = 3;
    channels->groupTypes[2] = 1;  // a trunked group
    channels->Store(*radioImage);
    const RadioImage opened = *radioImage;
    {
        COptionDlg dialog(*radioImage);
        ASSERT_TRUE(test::ShowActive(&dialog));
        Choose(dialog.list(COptionDlg::kOptionBoardId), "QVR-3");
        for (int id :
             {COptionDlg::kRecordModeId, COptionDlg::kPlayModeId, COptionDlg::kPowerOnRecordId})
            EXPECT_TRUE(dialog.list(id)->isEnabled()) << id;
        PressCancel(dialog.cancelButton());
    }
    EXPECT_EQ(*radioImage, opened);
    EXPECT_EQ(channels->records[0].signalingType, 2);

    COptionDlg dialog(*radioImage);
    ASSERT_TRUE(test::ShowActive(&dialog));
    Choose(dialog.list(COptionDlg::kOptionBoardId), "QVR-3");
    Choose(dialog.list(COptionDlg::kRecordModeId), "Rolling");
    PressOk(dialog.okButton());
    EXPECT_EQ(GetOptionBoard(*radioImage), 5u);
    EXPECT_EQ(GetRecordMode(*radioImage), 1u);
    EXPECT_EQ(GetChannelSignaling(ChannelRecordAt(*radioImage, 0)), (SignalingSelector{0, 0}));
    EXPECT_EQ(GetGroupType(*radioImage, 2), 0u);
}

TEST_F(IdentityOptionDialogTest, PasswordIsFilledWithZerosInFront) {
    CPowerOnPasswordDlg dialog(*radioImage);
    ASSERT_TRUE(test::ShowActive(&dialog));
    Choose(dialog.passwordList(), "Enabled ");
    EXPECT_EQ(dialog.passwordNumber()->look(), CColorEdit::Look::kBrowse);
    Type(dialog.passwordNumber(), "a");
    EXPECT_EQ(dialog.passwordNumber()->text(), "000A");
    PressOk(dialog.okButton());
    EXPECT_EQ(GetPasswordEnabled(*radioImage), 1u);
    EXPECT_TRUE(test::BytesAt(*radioImage, 7713, {0x00, 0x0A}));
}

TEST_F(IdentityOptionDialogTest, SignalingTypeActsOnOkOnlyWhenTheTypeChanges) {
    RadioImage opened = *radioImage;
    {
        CSignalingTypeDlg dialog(*radioImage);
        ASSERT_TRUE(test::ShowActive(&dialog));
        Choose(dialog.signalingList(), "2-Tone");
        Choose(dialog.signalingList(), "5-Tone");
        PressOk(dialog.okButton());
        EXPECT_FALSE(dialog.signalingChanged());
    }
    EXPECT_EQ(*radioImage, opened);

    CSignalingTypeDlg dialog(*radioImage);
    ASSERT_TRUE(test::ShowActive(&dialog));
    Choose(dialog.signalingList(), "2-Tone");
    PressOk(dialog.okButton());
    EXPECT_TRUE(dialog.signalingChanged());
    EXPECT_FALSE(IsFiveTone(*radioImage));  // what the next rebuild drops: image_ops_test
}

// Each dialog changed and then cancelled: the image keeps its bytes, the
// document is marked modified.
TEST_F(IdentityOptionDialogTest, CancelAfterAChangeLeavesTheImage) {
    factoryMode = true;
    const struct {
        std::function<std::unique_ptr<CParamDialog>()> open;
        int id;
        const char* input;  // chosen from a list, or typed into a field
    } cases[] = {
        {Opener<CMarketingDlg>(), CMarketingDlg::kSerialNumberId, "7D"},
        {Opener<CMiscDlg>(), CMiscDlg::kBeepId, "Disabled"},
        {Opener<COptionDlg>(), COptionDlg::kOptionBoardId, "QSC-71"},
        {Opener<CPowerOnPasswordDlg>(), CPowerOnPasswordDlg::kPasswordId, "Enabled "},
        {Opener<CSignalingTypeDlg>(), CSignalingTypeDlg::kSignalingId, "2-Tone"},
    };
    for (const auto& c : cases) {
        imageModified = 0;
        const RadioImage opened = *radioImage;
        const auto dialog = c.open();
        ASSERT_TRUE(test::ShowActive(dialog.get()));
        if (auto* list = qobject_cast<QComboBox*>(dialog->Control(c.id))) {
            Choose(list, c.input);
        } else {
            test::TypeAndEnter(*dialog, c.id, c.input);
        }
        EXPECT_EQ(imageModified, 1) << c.id;
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        EXPECT_EQ(dialog->result(), QDialog::Rejected) << c.id;
        EXPECT_EQ(*radioImage, opened) << c.id;
        EXPECT_EQ(imageModified, 1) << c.id;
    }
    EXPECT_EQ(identity->serialNumber, "1C010001");
    EXPECT_EQ(identityEdited, 0);  // the radio's identity stays the radio's
}

}  // namespace
}  // namespace kp07
