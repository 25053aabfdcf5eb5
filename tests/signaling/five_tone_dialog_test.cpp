#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <vector>

#include "image/accessors.h"
#include "image/process_state.h"
#include "params/settings_dialog_keys.h"
#include "signaling/five_tone_decode_dialog.h"
#include "signaling/five_tone_encode_dialog.h"
#include "signaling/five_tone_format_dialog.h"
#include "signaling/five_tone_general_dialog.h"
#include "signaling/five_tone_systems_dialog.h"
#include "signaling/five_tone_user_tone_dialog.h"
#include "support/gui/gui_helpers.h"
#include "support/gui/signaling_helpers.h"
#include "support/test_support.h"
#include "widgets/cell_edit.h"
#include "widgets/flex_grid.h"

namespace kp07 {
namespace {

using test::PressOk;
using test::Shown;
using test::TypeAndEnter;

struct FiveToneDialogs : ::testing::Test {
    void SetUp() override {
        ResetProcessStateForTest();
        image = test::NewFiveToneImage();
    }
    void TearDown() override { ResetProcessStateForTest(); }
    RadioImage image;
};

// The rows of a grid from `first` on, cell texts joined by "|" (a check
// mark shows as "v").
std::string Row(const FlexGrid* grid, int row, int first, int last) {
    QStringList cells;
    for (int c = first; c <= last; ++c)
        cells << (grid->hasCellPicture(row, c) ? QStringLiteral("v") : grid->textMatrix(row, c));
    return cells.join('|').toStdString();
}

void DoubleClick(FlexGrid* grid, int row, int col) {
    const QPoint centre = grid->CellRect(row, col).center() - grid->viewport()->pos();
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centre);
}
void Space(FlexGrid* grid, int row, int col) {
    grid->SetCurrentCell(row, col);
    QTest::keyClick(grid, Qt::Key_Space);
}
void Paste(FlexGrid* grid, const char* text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
}

TEST_F(FiveToneDialogs, ANewImageShowsTheFactoryValues) {
    CFiveToneGeneralDlg general(image);
    CFiveToneFormatDlg format(image);
    CFiveToneUserToneDlg tones(image);
    const struct {
        const CParamDialog& dialog;
        int id;
        const char* shown;
    } cases[] = {
        {general, 4061, " 500 ms"},   {general, 4066, "1600 ms"}, {general, 4067, " 60 s"},
        {general, 4041, "A TONE"},    {general, 4043, "F TONE"},  {general, 4044, "10 s"},
        {general, 4046, "ENC NO.32"}, {format, 4121, " 70 ms"},   {format, 4141, "105.0 ms"},
        {format, 4126, "100 ms"},     {format, 4146, "150.0 ms"}, {tones, 4532, "2400 Hz"},
        {tones, 4546, "2600 Hz"},
    };
    for (const auto& c : cases) EXPECT_EQ(Shown(c.dialog, c.id), c.shown) << c.id;

    CFiveToneSystemsDlg systems(image);
    const FlexGrid* grid = systems.grid();
    ASSERT_EQ(grid->rows(), 34);
    ASSERT_EQ(grid->cols(), 22);
    for (int row : {2, 33}) {
        EXPECT_EQ(Row(grid, row, 1, 21),
                  "TP40|Both|-----|v|v|-|-|-|Call-ID|-------|v|-|-|v|v|v|v|v|v|v|v")
            << row;
    }
    EXPECT_EQ(grid->textMatrix(0, 2), "Moni");
    EXPECT_EQ(grid->textMatrix(1, 21), "8");
    EXPECT_EQ(grid->colWidth(10), 960);

    CFiveToneDecodeDlg decode(image);
    EXPECT_EQ(Row(decode.grid(), 2, 0, 12),
              "  1|12345   |DECODE-1|Disable|-| On  |Open|------|-|A|Single|------|-");
    // The group entry has no number, transpond code or auto TX.
    EXPECT_EQ(Row(decode.grid(), 10, 0, 12),
              "  9||  GROUP ||-| On  |Open|------|-|A|Single|------|");
    CFiveToneEncodeDlg encode(image);
    EXPECT_EQ(Row(encode.grid(), 33, 1, 16), "12345   |CALL-32 |-|v|-|-|-|v|-|-|-|v|v|-|-|-");
}

// A typed value is clamped when committed, shown again, and stored on OK:
// one field of each kind (the clamps themselves: signaling_values_test).
TEST_F(FiveToneDialogs, TypedValuesAreClampedAndStored) {
    enum Which { kGeneral, kFormat, kTones };
    const struct {
        Which dialog;
        int id;
        const char* typed;
        const char* shown;
        int offset;
        std::vector<int> stored;
    } cases[] = {
        {kTones, 4532, "50", " 300 Hz", 6736, {0x01, 0x2C}},
        {kFormat, 4141, "700", "637.5 ms", 6713, {255}},
        {kFormat, 4121, "300", "255 ms", 6712, {255}},
        {kGeneral, 4061, "2555", "2550 ms", 6697, {255}},
        {kGeneral, 4069, "300", "255 s", 6708, {255}},
    };
    for (const auto& c : cases) {
        RadioImage im = image;
        std::unique_ptr<CParamDialog> dialog;
        if (c.dialog == kGeneral) dialog = std::make_unique<CFiveToneGeneralDlg>(im);
        if (c.dialog == kFormat) dialog = std::make_unique<CFiveToneFormatDlg>(im);
        if (c.dialog == kTones) dialog = std::make_unique<CFiveToneUserToneDlg>(im);
        ASSERT_TRUE(test::ShowActive(dialog.get()));
        TypeAndEnter(*dialog, c.id, c.typed);
        EXPECT_EQ(Shown(*dialog, c.id), c.shown) << c.typed;
        EXPECT_EQ(imageModified, 1) << c.typed;
        EXPECT_TRUE(dialog->isVisible()) << c.typed;  // Enter did not close
        PressOk(dialog->okButton());
        EXPECT_EQ(dialog->result(), QDialog::Accepted) << c.typed;
        EXPECT_TRUE(test::BytesAt(im, c.offset, c.stored)) << c.typed;
        imageModified = 0;
    }
}

TEST_F(FiveToneDialogs, EnterTogglesTheFocusedCheckBoxAndOkReadsThemAll) {
    CFiveToneGeneralDlg dialog(image);
    ASSERT_TRUE(test::ShowActive(&dialog));
    QWidget* compare8 = dialog.Control(4039);
    compare8->setFocus();
    EXPECT_EQ(dialog.helpText(), "Check Compare Digit8 (Disable/Enable)");
    QTest::keyClick(compare8, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(qobject_cast<QCheckBox*>(compare8)->isChecked());
    QTest::keyClick(dialog.Control(4030), Qt::Key_Space);   // Clear to Transpond
    QTest::keyClick(dialog.Control(4021), Qt::Key_Return);  // Tag Display off
    QTest::keyClick(dialog.Control(4021), Qt::Key_Return);  // and on again
    EXPECT_EQ(imageModified, 0);                            // check boxes are read on OK
    EXPECT_EQ(image[6706], 0x1F);
    PressOk(dialog.okButton());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(imageModified, 1);
    EXPECT_EQ(image[6706], 0x9F);         // compare digit 8
    EXPECT_EQ(image[6705] & 0x07, 0x06);  // tag display, clear to transpond, no PTT call
}

TEST_F(FiveToneDialogs, DisplayChecksNeedTheFrontKeypad) {
    SetFrontKeypad(image, 0);
    CFiveToneGeneralDlg dialog(image);
    for (int id = 4021; id <= 4040; ++id) {
        const bool display = id <= 4029 || id == 4040;
        EXPECT_EQ(dialog.Control(id)->isEnabled(), !display) << id;
    }
}

TEST_F(FiveToneDialogs, SystemsGridChoosesStepsTogglesAndPastes) {
    SetSystemChannelSwitch(FiveToneSystemAt(image, 1), 2);
    CFiveToneSystemsDlg dialog(image);
    std::vector<std::string> titles;
    int answer = 5;
    dialog.SetChooser([&](const std::string& title, const std::vector<std::string>& lines, int) {
        titles.push_back(title);
        return answer < int(lines.size()) ? answer : -1;
    });
    ASSERT_TRUE(test::ShowActive(&dialog));
    FlexGrid* grid = dialog.grid();
    grid->setFocus();

    Space(grid, 3, 1);
    grid->SetCurrentCell(3, 8);
    DoubleClick(grid, 3, 8);
    EXPECT_EQ(titles, (std::vector<std::string>{"Tone Format", "ID Code"}));
    Space(grid, 3, 3);  // Close wraps to Disable
    Space(grid, 3, 2);  // Both wraps to "-----"
    Space(grid, 3, 14);
    EXPECT_EQ(Row(grid, 3, 1, 14), "CCIR1|-----|-----|v|v|-|-|5|Call-ID|-------|v|-|-|-");
    EXPECT_EQ(dialog.helpText(), "Select Decode Code1 (No Decode/Decode)");

    // A double click on the headings does nothing.
    imageModified = 0;
    titles.clear();
    DoubleClick(grid, 1, 4);
    EXPECT_TRUE(titles.empty());
    EXPECT_EQ(imageModified, 0);

    // Copy gives the shown text; a paste goes through the column's texts
    // (which texts each column takes: five_tone_cells_test).
    grid->SetCurrentCell(2, 2);
    QTest::keyClick(grid, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "Both");
    grid->SetCurrentCell(2, 3);
    Paste(grid, "Both");  // no channel switch: refused with a beep
    EXPECT_EQ(grid->textMatrix(2, 3), "-----");
    EXPECT_EQ(imageModified, 0);
    Paste(grid, "Open");
    EXPECT_EQ(grid->textMatrix(2, 3), "Open");
    grid->SetCurrentCell(2, 7);
    Paste(grid, "32");
    EXPECT_EQ(imageModified, 1);
    PressOk(dialog.okButton());
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    const auto first = FiveToneSystemAt(image, 0);
    EXPECT_EQ(GetSystemChannelSwitch(first), 1u);
    EXPECT_EQ(GetSystemCallCode(first), 32u);
    const auto second = FiveToneSystemAt(image, 1);
    EXPECT_EQ(GetSystemToneFormat(second), 5u);
    EXPECT_EQ(GetSystemIdCode(second), 5u);
    EXPECT_EQ(GetSystemMonitorSwitch(second), 0u);
    EXPECT_EQ(GetSystemChannelSwitch(second), 0u);
    EXPECT_EQ(GetSystemDecodeCodes(second)[0], 0);
}

TEST_F(FiveToneDialogs, DecodeAndEncodeCellsAreTypedChosenAndStepped) {
    SetDecodeIdDecode(DecodeOptionsAt(image, 2), 1);
    CFiveToneDecodeDlg decode(image);
    decode.SetChooser(
        [](const std::string& title, const std::vector<std::string>& lines, int selected) {
            EXPECT_EQ(title, "Transpond Code");
            EXPECT_EQ(lines.size(), 33u);
            EXPECT_EQ(selected, 0);
            return 1;
        });
    ASSERT_TRUE(test::ShowActive(&decode));
    FlexGrid* grid = decode.grid();
    CCellEdit* edit = decode.cellEdit();
    grid->setFocus();
    grid->SetCurrentCell(2, 1);
    QTest::keyClicks(grid, "f");  // F would end the number
    EXPECT_FALSE(edit->isVisible());
    QTest::keyClicks(grid, "9");
    ASSERT_TRUE(edit->isVisible());
    QTest::keyClicks(edit, "a0e");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(grid->textMatrix(2, 1), "9A0E    ");
    grid->SetCurrentCell(4, 2);  // decodes an ID: no tag to type
    QTest::keyClicks(grid, "X");
    grid->SetCurrentCell(10, 1);  // the group entry has no number
    QTest::keyClicks(grid, "1");
    EXPECT_FALSE(edit->isVisible());
    Space(grid, 10, 5);
    EXPECT_EQ(grid->textMatrix(10, 5), "Blink");
    Space(grid, 10, 12);
    EXPECT_EQ(grid->textMatrix(10, 12), "");
    Space(grid, 2, 3);
    EXPECT_EQ(grid->textMatrix(2, 3), "1");
    PressOk(decode.okButton());
    ASSERT_EQ(decode.result(), QDialog::Accepted);
    EXPECT_TRUE(test::BytesAt(image, 6958, {32, 0xFF, 0xFF, 0xE0, 0xA9}));
    EXPECT_EQ(image[6963] & 0x80, 0x80);  // transpond code 1
    EXPECT_EQ(GetDecodeCallLedDisplay(DecodeOptionsAt(image, kGroupDecodeEntry)), 3u);

    CFiveToneEncodeDlg encode(image);
    EXPECT_EQ(CParamDialog::ControlId(encode.cellEdit()), 4422);
    ASSERT_TRUE(test::ShowActive(&encode));
    grid = encode.grid();
    edit = encode.cellEdit();
    grid->setFocus();
    grid->SetCurrentCell(2, 2);
    QTest::keyClicks(grid, "a");
    QTest::keyClicks(edit, "!b");  // "!" is no tag character
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(grid->textMatrix(2, 2), "AB      ");
    Space(grid, 2, 16);
    PressOk(encode.okButton());
    const auto first = FiveToneEncodeAt(image, 0);
    EXPECT_EQ(GetEncodeTag(first), "AB      ");
    EXPECT_EQ(GetEncodeInputDigits(first)[7], 1);
}

}  // namespace
}  // namespace kp07
