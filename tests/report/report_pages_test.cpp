// Pages 1 to 4 of the printed report for a new image. Expected lines are
// written from the report's line formats and the dialogs' texts of the new
// image's settings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "blocks/hardware_params.h"
#include "blocks/new_image_fixture.h"
#include "blocks/signaling_type.h"
#include "report/report_builder.h"

namespace kp07 {
namespace {

class ReportPagesTest : public test::NewImageTest {
  protected:
    static Report Build(double split = 0.0) {
        return BuildReport(*radioImage, "/home/tech/radios/CB.K07", "7/4/2025", split);
    }
};

// The first `n` characters: the left column of a two-column line.
std::string Left(const std::string& line, std::size_t n) {
    return line.substr(0, std::min(n, line.size()));
}

TEST_F(ReportPagesTest, FirstPageBannerFileSerialAndHardware) {
    const Report report = Build();
    const ReportPage& page = report.pages[0];
    ASSERT_GE(page.size(), 19u);
    EXPECT_EQ(page[0], std::string(81, ' ') + "7/4/2025   Page 1");
    EXPECT_EQ(
        page[1],
        "                  **********  Korvel Dynamics KR-318 Portable Transceiver  **********");
    EXPECT_EQ(page[2], "           File Name:  CB.K07                          ");
    EXPECT_EQ(page[3], "           Serial No:  1C010001                        ");
    const std::vector<std::string> hardware = {
        "           Hardware Environments                       Key Function",
        "              Model:                KR-318                 [Rotary] SW: Channel",
        "              Front KeyPad:         4 Key               ",
        "              Frequency Band:       UHF                 ",
        "              Min Frequency:        450.0MHz            ",
        "              Max Frequency:        490.0MHz            ",
        "              Ref Xtal:             16.80MHz            ",
        "              First IF:             50.85MHz            ",
        "              Local Offset:         Lower               ",
        "              Channel Spacing:      5,6.25kHz           ",
        "              SQL Release Time:     160 ms              ",
        "              SQL Attack Time:      20  ms             ",
        "              SQL Hysterisis:       12                 ",
        "              Receive Save Off Time:100 ms             ",
        "              CTCSS Release Time:   500 ms             ",
    };
    for (std::size_t i = 0; i < hardware.size(); ++i) {
        EXPECT_EQ(Left(page[4 + i], hardware[i].size()), hardware[i]) << i;
    }
    // The right column beside them.
    EXPECT_EQ(page[9].substr(56), "   [Side1] Key: Monitor        Squelch Off   ");
    EXPECT_EQ(page[13].substr(56), "   [C]     Key: Duplex         CTCSS/DCS SEL ");
}

TEST_F(ReportPagesTest, FirstPageSettingsAndTheSignalingBanner) {
    const Report report = Build(-5.0);
    const ReportPage& page = report.pages[0];
    // Both columns close on line 44, which carries the banner; DTMF and
    // paging follow down to line 62.
    ASSERT_EQ(page.size(), 63u);
    EXPECT_EQ(page[44],
              "        **********************************   SIGNALING DATA   "
              "************************************");
    const struct {
        std::size_t line;
        std::size_t from;
        const char* text;
    } cases[] = {
        {20, 0, "           Power Saving Parameters"},
        {21, 0, "              Power ON Tag:               KR-318       "},
        {22, 0, "              Transmit Timer:            1 min         "},
        {23, 0, "              Penalty Timer:             0   s         "},
        {30, 0, "              Scan Resume Tinme 1: 2    s              "},
        {31, 0, "              Scan Resume Tinme 2: 5   s               "},
        {34, 0, "              Scan Speed:          Fast                "},
        {38, 0, "              Option Board:Dummy                       "},
        {39, 0, "              Rec Mode:    --------                    "},
        {17, 55, "   Emergency Channel:     current Channel     "},
        {18, 55, "   Emergency RX Time:     10  s"},
        {22, 55, "   Lone Worker Timer:      5 min"},
        {25, 55, "   Market Application:  0000"},
        {29, 55, "   Default Split:       -5.0  MHz"},
        {33, 55, "   Bell:                Disabled"},
        {42, 55, "   Password:            Disabled            "},
        {43, 55, "   Password No.:        CADB"},
        {45, 0, "           ANI/Speed Dial Parameters                   Paging Setting Parameters"},
        {46, 55, "   DTMF Speed:          --------            "},
        {50, 55, "Page Code"},
        {51, 55, "   PAGE  1:  ------------------  "},
        {61, 0, "              DTMF ANI Code:                           "},
    };
    for (const auto& c : cases) {
        ASSERT_LT(c.line, page.size());
        EXPECT_EQ(page[c.line].substr(c.from, std::string(c.text).size()), c.text) << c.line;
    }
    EXPECT_EQ(page[30].substr(0, 14 + 21), "              Scan Resume Tinme 1: ");
}

TEST_F(ReportPagesTest, FiveToneTablesOnlyForFiveTone) {
    Report report = Build();
    ASSERT_GE(report.pages.size(), 4u);
    EXPECT_EQ(report.pages[1][2].substr(0, 36), "           5-Tone General Parameters");
    EXPECT_EQ(report.pages[2][1], "         ******* 5-Tone Systems *******");
    EXPECT_EQ(report.pages[2][5],
              "           1: TP40   Both  -----   X   X  --   --   -- Call-ID -------  X    -    - "
              "  X X X X X X X X");
    EXPECT_EQ(report.pages[2][37], "         ******* 5-Tone Decode *******");
    EXPECT_EQ(
        report.pages[2][41],
        "           1:    12345 DECODE-1   ------  -  On   Open  ------  -     A    S   ------ -");
    EXPECT_EQ(report.pages[3][1], "         ******* 5-Tone Encode *******");
    EXPECT_EQ(report.pages[3][5],
              "           1:    12345 CALL-01  -   X   -    -    -   X   - - - X X - - -");

    SignalingType twoTone;
    twoTone.type = kTwoTone;
    twoTone.Store(*radioImage);
    report = Build();
    EXPECT_EQ(report.pages[1][2].substr(0, 28), "           2-Tone Parameters");
    EXPECT_EQ(report.pages[2][1],
              "        ************************************   CHANNEL DATA   "
              "**************************************");
}

TEST_F(ReportPagesTest, FirstModelPrintsDashesForWhatItLacks) {
    HardwareParams hw;
    hw.Load(*radioImage);
    hw.model = 0;
    hw.Store(*radioImage);
    const Report report = Build();
    const ReportPage& page = report.pages[0];
    EXPECT_EQ(page[11].substr(56), "   [A]     Key: -------------  -------------");
    EXPECT_EQ(page[21].substr(0, 49), "              Power ON Tag:              --------");
    EXPECT_EQ(page[35].substr(55), "   LCD Lighting Mode:   ------");
    EXPECT_EQ(page[38].substr(55), "   Key Holding Time:    --------");
    // No tags on the 5-tone tables either.
    EXPECT_EQ(report.pages[2][38],
              "                      Trans     I  LED                      Beep           Auto");
}

}  // namespace
}  // namespace kp07
