#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "image/accessors.h"
#include "params/settings_dialog_keys.h"
#include "signaling/two_tone_encode_dialog.h"
#include "signaling/two_tone_params_dialog.h"
#include "signaling/two_tone_systems_dialog.h"
#include "signaling/two_tone_table_dialog.h"
#include "support/gui/gui_helpers.h"
#include "support/gui/signaling_helpers.h"
#include "support/test_support.h"
#include "widgets/flex_grid.h"

namespace kp07 {
namespace {

using test::Shown;
using test::TypeAndEnter;

struct TwoToneDialogs : ::testing::Test {
    void SetUp() override {
        ResetProcessStateForTest();
        image = test::NewTwoToneImage();
    }
    void TearDown() override { ResetProcessStateForTest(); }
    RadioImage image;
};

TEST_F(TwoToneDialogs, ANewTwoToneImageShowsTheFactoryValues) {
    CTwoToneParamsDlg params(image);
    CTwoToneTableDlg table(image);
    CTwoToneEncodeDlg encode(image);
    const struct {
        const CParamDialog& dialog;
        int id;
        const char* shown;
    } cases[] = {
        {params, 3401, "5 s"},      {params, 3403, "Off"},      {params, 3405, "Pair#1"},
        {params, 3408, "Beep A"},   {params, 3409, "Single"},   {params, 3410, " 10 s"},
        {table, 3502, " 288.5 Hz"}, {table, 3530, " 288.5 Hz"}, {encode, 4565, "Individual"},
        {encode, 4566, "Pair#1"},   {encode, 4567, "1.0 s"},    {encode, 4568, "3.0 s"},
    };
    for (const auto& c : cases) EXPECT_EQ(Shown(c.dialog, c.id), c.shown) << c.id;

    CTwoToneSystemsDlg systems(image);
    FlexGrid* grid = systems.grid();
    ASSERT_EQ(grid->rows(), 18);
    for (int row = 2; row < 18; ++row) {
        EXPECT_EQ(grid->textMatrix(row, 1), "-") << row;
        EXPECT_EQ(grid->textMatrix(row, 2), "-") << row;
        EXPECT_TRUE(grid->hasCellPicture(row, 3)) << row;  // auto reset on
    }
    EXPECT_EQ(grid->textMatrix(1, 3), "Auto Reset");
    EXPECT_EQ(grid->colWidth(1), 1200);
}

// A typed value is clamped when committed, shown again, and stored on OK:
// one field of each kind (the clamps themselves: signaling_values_test).
TEST_F(TwoToneDialogs, TypedValuesAreClampedAndStored) {
    enum Which { kParams, kTable, kEncode };
    const struct {
        Which dialog;
        int id;
        const char* typed;
        const char* shown;
        int offset;
        std::vector<int> stored;
    } cases[] = {
        {kParams, 3410, "300", "255 s", 7573, {255}},
        {kParams, 3410, "-5", "  5 s", 7573, {5}},  // "-" does not get in
        {kTable, 3502, "100", " 288.5 Hz", 7574, {0x0B, 0x45}},
        {kEncode, 4567, "30", "25.5 s", 7569, {255}},
    };
    for (const auto& c : cases) {
        RadioImage im = image;
        std::unique_ptr<CParamDialog> dialog;
        if (c.dialog == kParams) dialog = std::make_unique<CTwoToneParamsDlg>(im);
        if (c.dialog == kTable) dialog = std::make_unique<CTwoToneTableDlg>(im);
        if (c.dialog == kEncode) dialog = std::make_unique<CTwoToneEncodeDlg>(im);
        if (auto* table = dynamic_cast<CTwoToneTableDlg*>(dialog.get()))
            table->SetToneChooser([](const auto&, int) { return -1; });
        ASSERT_TRUE(test::ShowActive(dialog.get()));
        TypeAndEnter(*dialog, c.id, c.typed);
        dialog->okButton()->setFocus();  // leaving the field commits it
        EXPECT_EQ(Shown(*dialog, c.id), c.shown) << c.typed;
        EXPECT_TRUE(dialog->isVisible()) << c.typed;  // Enter did not close
        dialog->okButton()->click();
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_TRUE(test::BytesAt(im, c.offset, c.stored)) << c.typed;
        EXPECT_EQ(imageModified, 1);
        imageModified = 0;
    }
}

// A damaged image may hold a value no list has: the list shows nothing and
// OK leaves the value as it was instead of storing "no selection".
TEST_F(TwoToneDialogs, AValueOutsideItsListSurvivesOk) {
    SetSecondaryPagePair(image, 12);
    SetTwoToneEncodePair(image, 15);
    CTwoToneParamsDlg params(image);
    CTwoToneEncodeDlg encode(image);
    EXPECT_EQ(Shown(params, 3405), "");
    EXPECT_EQ(Shown(encode, 4566), "");
    params.okButton()->click();
    encode.okButton()->click();
    EXPECT_EQ(GetSecondaryPagePair(image), 12u);
    EXPECT_EQ(GetTwoToneEncodePair(image), 15u);
    EXPECT_EQ(imageModified, 0);
}

TEST_F(TwoToneDialogs, TheToneChooserOffersThePlansWithTheCurrentToneSelected) {
    CTwoToneTableDlg dialog(image);
    std::vector<std::string> offered;
    int selected = -2;
    int answer = -1;
    dialog.SetToneChooser([&](const std::vector<std::string>& labels, int current) {
        offered = labels;
        selected = current;
        return answer;
    });
    ASSERT_TRUE(test::ShowActive(&dialog));
    QWidget* second = dialog.Control(3506);  // pair 2, second tone
    second->setFocus();
    QTest::keyClick(second, Qt::Key_Return);
    ASSERT_EQ(offered.size(), 220u);
    ASSERT_GE(selected, 0);
    EXPECT_EQ(offered[std::size_t(selected)], " 3- 288.5");
    EXPECT_TRUE(dialog.isVisible());

    for (const auto& [label, shown] :
         std::vector<std::pair<std::string, std::string>>{{"10-1513.5", "1513.5 Hz"},
                                                          {"[REACH TWO TONE]", "1513.5 Hz"},
                                                          {"DIA 742.5", " 742.5 Hz"}}) {
        answer = int(std::find(offered.begin(), offered.end(), label) - offered.begin());
        QTest::mouseDClick(second, Qt::LeftButton);
        EXPECT_EQ(Shown(dialog, 3506), QString::fromStdString(shown)) << label;
    }
    EXPECT_EQ(imageModified, 1);
    dialog.okButton()->click();
    EXPECT_EQ(GetPairSecondTone(image, 1), 7425u);
    EXPECT_EQ(GetPairFirstTone(image, 1), 2885u);
}

// Tones of the plans beyond the range a typed value is held to (282.2 and
// 3062.0 Hz) stay as they are when the chooser is opened and closed again.
TEST_F(TwoToneDialogs, OpeningTheChooserChangesNoToneOfItsOwn) {
    SetPairFirstTone(image, 1, 30620);
    SetPairSecondTone(image, 1, 2822);
    CTwoToneTableDlg dialog(image);
    std::vector<std::string> offered;
    int selected = -2;
    dialog.SetToneChooser([&](const std::vector<std::string>& labels, int current) {
        offered = labels;
        selected = current;
        return -1;
    });
    ASSERT_TRUE(test::ShowActive(&dialog));
    for (const auto& [id, label] :
         {std::pair<int, const char*>{3505, "3062.0"}, {3506, " 282.2"}}) {
        QTest::mouseDClick(dialog.Control(id), Qt::LeftButton);
        ASSERT_GE(selected, 0) << id;
        EXPECT_NE(offered[std::size_t(selected)].find(label), std::string::npos) << id;
    }
    dialog.okButton()->click();
    EXPECT_EQ(GetPairFirstTone(image, 1), 30620u);
    EXPECT_EQ(GetPairSecondTone(image, 1), 2822u);
}

TEST_F(TwoToneDialogs, SystemsGridChoosesPairsAndToggles) {
    SetPairFirstTone(image, 2, 0);  // pair 3 without tones is not offered
    SetPairSecondTone(image, 2, 0);
    image[7615] = 0x03;  // auto reset; bit 0 of an entry is not the table's
    CTwoToneSystemsDlg dialog(image);
    std::string title;
    std::vector<std::string> lines;
    int selected = -1;
    dialog.SetChooser([&](const std::string& t, const std::vector<std::string>& l, int s) {
        title = t;
        lines = l;
        selected = s;
        return int(l.size()) - 1;  // the last line: pair 10
    });
    ASSERT_TRUE(test::ShowActive(&dialog));
    FlexGrid* grid = dialog.grid();
    grid->setFocus();

    grid->SetCurrentCell(3, 1);
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(title, "Primary Pair Position");
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "Disable");
    EXPECT_EQ(lines[3], "Pair #4");
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(grid->textMatrix(3, 1), "10");
    EXPECT_EQ(dialog.helpText(), "Select 1st Pair (off,1-10)");

    grid->SetCurrentCell(3, 2);
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_TRUE(grid->hasCellPicture(3, 2));

    QTest::keyClick(grid, Qt::Key_Return);  // OK needs its focus
    EXPECT_TRUE(dialog.isVisible());
    test::PressOk(dialog.okButton());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(image[7615], 0x9F);  // pair 10: b7-4 = 9, b3; second pair, auto reset, b0 kept
    EXPECT_EQ(image[7614], 0x02);
}

}  // namespace
}  // namespace kp07
