// The Hardware Parameters dialog through its widgets: what it shows, what
// factory mode enables, the band change with its question, the field clamps,
// the smaller model, OK and Cancel.
#include "params/hardware_dialog.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QStringList>
#include <QTest>

#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "blocks/image_ops.h"
#include "blocks/new_image_fixture.h"
#include "document/data_file.h"
#include "document/document.h"
#include "image/accessors.h"
#include "image/number_text.h"
#include "image/process_state.h"
#include "params/settings_dialog_keys.h"
#include "support/gui/gui_helpers.h"
#include "support/message_recorder.h"
#include "support/test_support.h"
#include "support/tool_process.h"
#include "widgets/enter_combo.h"
#include "widgets/filter_edit.h"

namespace kp07 {
namespace {

using D = CHardwareDlg;
using test::Choose;
using test::PressCancel;
using test::PressOk;
using test::Type;

class HardwareDialogTest : public test::NewImageTest {
  protected:
    void SetUp() override {
        NewImageTest::SetUp();
        ASSERT_FALSE(exeFolder.path().empty());
        SetExecutableDirectoryForTest(exeFolder.path());
        currentFileName = "/data/radio.K07";
        defaultFileLoaded = 1;
    }
    void TearDown() override {
        SetExecutableDirectoryForTest("");
        NewImageTest::TearDown();
    }
    // The document holds a lower-band unit.
    static void MakeLowerBand() {
        double offset = 0.0;
        hardware->ApplyBandDefaults(false, offset);
        RebuildImage(*radioImage);
        LoadPersistentBlocks(*radioImage);
    }
    static QString Shown(D& dialog, int id) { return dialog.list(id)->currentText(); }

    test::TempDir exeFolder;
    CKP05Doc doc;
    test::MessageRecorder messages;
};

// Outside factory mode the dialog only shows, and OK still rebuilds; factory
// mode opens all but the temperature table.
TEST_F(HardwareDialogTest, WhatItShowsAndWhatItOpens) {
    (*radioImage)[120] = 0x77;  // a byte no block owns
    RadioImage rebuilt = *radioImage;
    RebuildImage(rebuilt);
    D dialog(doc, *radioImage);
    ASSERT_TRUE(test::ShowActive(&dialog));
    // The lists and fields in the order of their ids.
    const QStringList lists = {"KR-318",      "4 Key ", "UHF",    "450-490 MHz", "Lower",
                               "5,6.25kHz  ", "",       "",       "160 ms",      "20  ms",
                               "12",          "100 ms", "500 ms", "A Type"};
    for (int i = 0; i < D::kListCount; ++i) {
        EXPECT_EQ(Shown(dialog, D::kModelId + i), lists[i]) << i;
        EXPECT_FALSE(dialog.list(D::kModelId + i)->isEnabled()) << i;
    }
    const QStringList fields = {"450.0MHz", "490.0MHz", "16.80MHz", "50.85MHz"};
    for (int i = 0; i < D::kFieldCount; ++i) {
        EXPECT_EQ(dialog.field(D::kMinFrequencyId + i)->text(), fields[i]) << i;
        EXPECT_EQ(dialog.field(D::kMinFrequencyId + i)->look(), CColorEdit::Look::kDisabled);
    }

    PressOk(dialog.okButton());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(*radioImage, rebuilt);
    EXPECT_EQ(dialog.RefreshCode(), 0);
    EXPECT_EQ(imageModified, 0);

    factoryMode = true;
    D factory(doc, *radioImage);
    for (int id = D::kModelId; id <= D::kTemperatureId; ++id)
        EXPECT_EQ(factory.list(id)->isEnabled(), id != D::kTemperatureId) << id;
    for (int id = D::kMinFrequencyId; id <= D::kFirstIfId; ++id)
        EXPECT_EQ(factory.field(id)->look(), CColorEdit::Look::kBrowse) << id;
}

TEST_F(HardwareDialogTest, BandChangeAsksFirstAndStartsTheUnitAfresh) {
    factoryMode = true;
    MakeLowerBand();
    const ChannelRecord cb1 = channels->records[0];
    const RadioImage opened = *radioImage;
    D dialog(doc, *radioImage);
    ASSERT_TRUE(test::ShowActive(&dialog));

    messages.Answer(MsgResult::kNo);
    Choose(dialog.list(D::kBandId), "UHF");
    EXPECT_EQ(messages.last(), "Change frequency band?\r\nFrequencies will be invalid");
    EXPECT_EQ(messages.shown().back().icon, MsgIcon::kExclamation);
    EXPECT_EQ(Shown(dialog, D::kBandId), "VHF");
    EXPECT_FALSE(hardware->IsUpperBand());
    EXPECT_EQ(channels->records[0].rxMHz, cb1.rxMHz);
    EXPECT_EQ(currentFileName, "/data/radio.K07");
    EXPECT_EQ(*radioImage, opened);

    messages.Answer(MsgResult::kYes);
    Choose(dialog.list(D::kBandId), "UHF");
    EXPECT_EQ(Shown(dialog, D::kBandId), "UHF");
    EXPECT_EQ(dialog.list(D::kStepId)->itemText(0), "5,6.25kHz  ");
    EXPECT_EQ(dialog.list(D::kStepId)->itemText(1), "10,12.5kHz ");
    EXPECT_EQ(dialog.list(D::kRangeId)->count(), 5);
    EXPECT_EQ(dialog.field(D::kMinFrequencyId)->text(), "450.0MHz");
    EXPECT_EQ(currentFileName, "<none>");
    EXPECT_EQ(imageModified, 1);

    autoTxOffsetMHz = 2.5;  // the band's offset is 0.0: OK takes the dialog's copy
    PressOk(dialog.okButton());
    EXPECT_EQ(dialog.RefreshCode(), 4);
    EXPECT_EQ(autoTxOffsetMHz, 0.0);
    ChannelTable reread(*hardware);
    reread.Load(*radioImage);
    for (int slot = 0; slot < kChannelSlots; ++slot) {
        ASSERT_TRUE(reread.IsInUse(slot)) << slot;
        ASSERT_EQ(FormatDecimal(reread.records[std::size_t(slot)].rxMHz, 5), "450.00000") << slot;
        ASSERT_EQ(FormatDecimal(reread.records[std::size_t(slot)].txMHz, 5), "450.00000") << slot;
    }
}

TEST_F(HardwareDialogTest, CancelAfterABandChangePutsTheDocumentBack) {
    factoryMode = true;
    MakeLowerBand();
    // The upper band's default file, with its own reference oscillator.
    {
        RadioImage file = *radioImage;
        HardwareParams hw;
        hw.SetDefaults();
        hw.referenceMHz = 14.4;
        hw.Store(file);
        ASSERT_TRUE(WriteDataFile(exeFolder.File("defaultv.k07"), file, TrailerFromOffset(0.0)));
    }
    const RadioImage opened = *radioImage;
    const double cb1 = channels->records[0].rxMHz;
    autoTxOffsetMHz = 2.5;
    D dialog(doc, *radioImage);
    ASSERT_TRUE(test::ShowActive(&dialog));
    messages.Answer(MsgResult::kYes);
    Choose(dialog.list(D::kBandId), "UHF");
    EXPECT_EQ(dialog.field(D::kReferenceId)->text(), "14.40MHz");
    EXPECT_EQ(currentFileName, exeFolder.File("defaultv.k07"));

    PressCancel(dialog.cancelButton());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.RefreshCode(), 0);
    EXPECT_EQ(*radioImage, opened);
    EXPECT_EQ(currentFileName, "/data/radio.K07");
    EXPECT_EQ(defaultFileLoaded, 1);
    EXPECT_FALSE(hardware->IsUpperBand());
    EXPECT_EQ(hardware->referenceMHz, 16.8);
    EXPECT_EQ(channels->records[0].rxMHz, cb1);
    EXPECT_EQ(autoTxOffsetMHz, 2.5);  // the band reset only the dialog's copy
    EXPECT_EQ(imageModified, 1);
}

TEST_F(HardwareDialogTest, FieldsAreClampedWhenCommitted) {
    factoryMode = true;
    D dialog(doc, *radioImage);
    ASSERT_TRUE(test::ShowActive(&dialog));
    struct Step {
        int id;
        const char* typed;
        const char* shown;
    };
    // The clamps themselves: blocks_test.
    const Step steps[] = {
        {D::kMinFrequencyId, "700", "490.0MHz"},  // not above the maximum
        {D::kMaxFrequencyId, "700", "600.0MHz"},
        {D::kFirstIfId, "70.0", "65.53MHz"},
    };
    for (const Step& s : steps) {
        Type(dialog.field(s.id), s.typed);
        EXPECT_EQ(dialog.field(s.id)->text(), s.shown) << s.id << " " << s.typed;
    }
    EXPECT_TRUE(dialog.isVisible());  // Enter in a field does not close
    PressOk(dialog.okButton());
    EXPECT_EQ(dialog.RefreshCode(), 2);
    EXPECT_EQ(GetMinFrequency(*radioImage), 4900u);
    EXPECT_EQ(GetMaxFrequency(*radioImage), 6000u);
    EXPECT_EQ(GetFirstIf(*radioImage), 65530u);
}

TEST_F(HardwareDialogTest, TheSmallerModelLosesTheKeypadAndItsKeys) {
    factoryMode = true;
    D dialog(doc, *radioImage);
    ASSERT_TRUE(test::ShowActive(&dialog));
    Choose(dialog.list(D::kModelId), "KR-302 Series");
    EXPECT_EQ(Shown(dialog, D::kKeypadId), "None  ");
    PressOk(dialog.okButton());
    EXPECT_EQ(dialog.RefreshCode(), 1);
    EXPECT_TRUE(test::BytesAt(*radioImage, 129, {1, 3, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0}));
    EXPECT_EQ((*radioImage)[7667] & 0x07, 0);  // model 0, no keypad
}

}  // namespace
}  // namespace kp07
