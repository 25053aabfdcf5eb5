// Channel lists as CSV files: the grid layout round trip, refused cells, the
// generic layout of other programming tools. The images are built on the
// default upper-band unit (step code 2: table A 5 kHz, raster 6.25 kHz,
// limits 440..500 MHz), 5-tone, with the option unit 6 (the "Option"
// signaling type).
#include <gtest/gtest.h>

#include <sstream>

#include "blocks/channel_table.h"
#include "blocks/image_ops.h"
#include "channels/channel_csv.h"
#include "image/accessors.h"
#include "support/message_recorder.h"
#include "support/test_support.h"

namespace kp07 {
namespace {

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

class CsvTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetProcessStateForTest();
        CreateImageAndBlocks();
        FillDefaults(*radioImage);
        SetOptionBoard(*radioImage, 6);
        blank = *radioImage;
        LoadPersistentBlocks(*radioImage);
    }
    void TearDown() override {
        DestroyImageAndBlocks();
        ResetProcessStateForTest();
    }

    // Every slot programmed, every kind of value of every column, with
    // combinations the grid allows (QLNK on DCS only, no ANI with a
    // signaling system, no encryption with the Option unit).
    RadioImage FullImage() {
        ChannelTable& t = *channels;
        t.SetGroupSizes({77, 20, 10, 0, 30, 0, 20});  // 157 in groups, 11 in none
        t.pChannel = 10;
        t.gChannel = 20;
        for (int s = 0; s < kChannelSlots; ++s) {
            ChannelRecord& r = t.records[std::size_t(s)];
            r.inUse = s % 23 == 5 ? 0 : 1;
            r.bandwidth = s % 2 ? 2 : 0;
            static const char* const kTags[] = {"CH", "  C  B", "(+-=*/)", "[\\]:_", ""};
            r.tag = kTags[s % 5] + (s % 5 < 3 ? std::to_string(s + 1) : std::string());
            r.tag = r.tag.substr(0, 8);
            r.rxMHz = 446.0 + s * 0.00625;
            r.txOff = s % 5 == 0;
            r.txMHz = s % 5 == 1 ? r.rxMHz + 5.0 : r.rxMHz - 3.0;
            // Every 6.25 kHz point lies on the raster of step code 2.
            r.rxStepFlag = r.txStepFlag = 1;
            r.rxToneType = r.txToneType = 0;
            r.rxDcsInverted = r.rxDcsBoth = r.txDcsInverted = 0;
            switch (s % 7) {
                case 1:
                    r.rxToneType = r.txToneType = 1;
                    r.rxCtcss = r.txCtcss = 670;
                    break;
                case 2:  // typed, not on the list
                    r.rxToneType = r.txToneType = 1;
                    r.rxCtcss = r.txCtcss = 1005;
                    break;
                case 3:
                    r.rxToneType = r.txToneType = 2;
                    r.rxDcsCode = r.txDcsCode = 23;
                    break;
                case 4:
                    r.rxToneType = r.txToneType = 2;
                    r.rxDcsCode = r.txDcsCode = 754;
                    r.rxDcsBoth = r.txDcsInverted = 1;
                    break;
                case 5:
                    r.txToneType = 1;
                    r.txCtcss = 2541;
                    break;
                case 6:
                    r.rxToneType = 1;
                    r.rxCtcss = 885;
                    r.txToneType = 2;
                    r.txDcsCode = 31;
                    break;
            }
            r.powerSaveRx = s & 1;
            r.powerSaveTx = (s >> 1) & 1;
            r.power = s % 3 == 0;
            r.scanFlags = s % 8;
            r.tot = (s >> 2) & 1;
            r.squelchLevel = s % 16;
            r.signalingType = s % 4;
            r.signalingNumber = r.signalingType == 1   ? s % 33
                                : r.signalingType == 3 ? (s / 4) % 4
                                                       : 0;
            r.dtmfAni = r.signalingType == 1 ? 0 : (s >> 3) & 1;
            r.encryption = r.signalingType == 3 ? 0 : s % 4;
            r.lockOut = s % 3;
            r.qlnk = r.rxToneType == 2 && r.txToneType == 2 ? (s >> 1) & 1 : 0;
            r.compander = (s >> 1) % 2;
            r.xtal = (s / 3) % 2;
        }
        RebuildImage(*radioImage);
        return *radioImage;
    }

    // Imports `text` into the blank image, which must refuse it whole and
    // stay as it was; the report below its first line.
    std::string RefusalOf(const std::string& text) {
        RadioImage image = blank;
        const CsvImportResult result = ImportChannelsCsv(image, text);
        EXPECT_FALSE(result.accepted);
        EXPECT_TRUE(image == blank);
        const std::string report = CsvImportReport(result);
        return report.substr(report.find('\n') + 1);
    }

    RadioImage blank;
    test::MessageRecorder messages;
};

TEST_F(CsvTest, FullImageRoundTripsThroughTheGridLayout) {
    const RadioImage full = FullImage();
    const std::string csv = ExportChannelsCsv(full, CsvLayout::kGrid);
    const std::vector<std::string> lines = LinesOf(csv);
    ASSERT_EQ(lines.size(), 169u);
    EXPECT_EQ(lines[0],
              "Chn,Pri,W/N,TAG,Frequency Receive,Frequency Transmit,SUB AUDIO Dec,SUB AUDIO Enc,"
              "Pwr Save RX,Pwr Save TX,Pwr H/L,Scan Op,Scan Gr,Scan Pri,TOT,SQ,Signaling Type,"
              "Signaling No.,DTMF ANI,ENCR,Lock out,QLNK,CMPD,Xtal,In use,Group");
    // Worked out from the pattern above, slot by slot.
    // Each row is on the line of its channel number.
    for (const std::string row : {
             "1,-,W,CH1,446.00000,---.-----,-------,-------,0,0,L,0,0,0,0,0,--,--,0,-,"
             "--,0,0,0,1,CB",
             "2,-,N,\"  C  B2\",446.00625,451.00625,C-67.0,C-67.0,1,0,H,1,0,0,0,1,"
             "Signal,1,0,1,BC,0,0,0,1,CB",
             "5,-,W,,446.02500,443.02500,D-754B,D-754I,0,0,H,0,0,1,1,4,--,--,0,-,BC,0,"
             "0,1,1,CB",
             "6,-,N,CH6,446.03125,---.-----,-------,C-254.1,1,0,H,1,0,1,1,5,Signal,5,0,"
             "1,BT,0,0,1,0,CB",
             "10,P,N,,446.05625,443.05625,C-100.5,C-100.5,1,0,L,1,0,0,0,9,Signal,9,0,"
             "1,--,0,0,1,1,CB",
             "168,-,N,(+-=*/)1,447.04375,444.04375,C-88.5,D-031N,1,1,H,1,1,1,1,7,"
             "Option,1,0,-,BT,0,1,1,1,",
         }) {
        EXPECT_EQ(lines[std::stoul(row)], row);
    }

    // Into the same image: nothing to do, not a byte changes.
    RadioImage same = full;
    CsvImportResult result = ImportChannelsCsv(same, csv);
    EXPECT_TRUE(result.accepted) << CsvImportReport(result);
    EXPECT_FALSE(result.changed);
    EXPECT_EQ(result.channels, 168);
    EXPECT_TRUE(same == full);

    // Into a new document of the same radio: every cell of every slot
    // arrives, and the file it gives is the file it took.
    RadioImage fresh = blank;
    imageModified = 0;
    result = ImportChannelsCsv(fresh, csv);
    ASSERT_TRUE(result.accepted) << CsvImportReport(result);
    EXPECT_TRUE(result.changed);
    EXPECT_EQ(imageModified, 0);
    EXPECT_EQ(ExportChannelsCsv(fresh, CsvLayout::kGrid), csv);
    EXPECT_EQ(GetGroupChannelCount(fresh, 4), 30u);
    EXPECT_EQ(GetImageChecksum(fresh), ComputeImageChecksum(fresh));
}

// A cell of an unquoted row of the grid layout replaced.
void SetCell(std::vector<std::string>* lines, int line, int field, const std::string& text) {
    std::vector<std::string> cells;
    std::istringstream in((*lines)[std::size_t(line)]);
    for (std::string cell; std::getline(in, cell, ',');) cells.push_back(cell);
    cells[std::size_t(field)] = text;
    std::string joined;
    for (const std::string& c : cells) joined += (joined.empty() ? "" : ",") + c;
    (*lines)[std::size_t(line)] = joined;
}

TEST_F(CsvTest, RefusedCellsAreListedAndNothingChanges) {
    // The option unit 1: no "Option" signaling type.
    SetOptionBoard(blank, 1);
    RadioImage image = blank;
    std::vector<std::string> lines = LinesOf(ExportChannelsCsv(image, CsvLayout::kGrid));
    // Fields: 0 Chn, 1 Pri, 3 TAG, 4 Receive, 6 Dec, 7 Enc, 10 H/L, 11 Scan Op,
    // 15 SQ, 16 Signaling Type, 18 DTMF ANI, 21 QLNK, 24 In use, 25 Group.
    struct Edit {
        int channel;  // line of the file; 0 is the heading row
        int field;
        const char* text;
    };
    const Edit edits[] = {
        {0, 22, "Compander"},                 // CMPD misnamed
        {1, 24, "0"},                         // the first channel is always in use
        {2, 15, "9"},                         // fits
        {3, 4, "520.00000"},                  // above the upper limit
        {4, 4, "476.00300"},                  // off the raster
        {5, 3, "abc"},                        // lower case has no code in the radio
        {6, 6, "C-66.9"},                     // below the CTCSS range
        {7, 6, "D-128N"},                     // not an octal code
        {8, 7, "D-023B"},                     // the encoder has no B
        {9, 11, "2"},                         // flags are 0 or 1
        {10, 15, "16"},                       // squelch 0..15
        {11, 16, "Option"},                   // needs option unit 6
        {12, 16, "Signal"},                   // fits, with a system,
        {12, 17, "5"},                        // but then
        {12, 18, "1"},                        // a signaling system sends its own ANI
        {13, 21, "1"},                        // QLNK without DCS
        {14, 0, "169"},                       // no such channel
        {15, 0, "16"},                        // channel 16 twice
        {20, 1, "P"},                         // two P marks: the later row keeps it
        {21, 1, "P"},         {25, 10, "L"},  // fits
        {30, 25, "GROUP-1"},                  // a GROUP-1 channel amid the CB group
    };
    for (const Edit& e : edits) SetCell(&lines, e.channel, e.field, e.text);
    std::string csv;
    for (const std::string& line : lines) csv += line + "\n";

    imageModified = 0;
    const CsvImportResult result = ImportChannelsCsv(image, csv);
    EXPECT_FALSE(result.accepted);
    EXPECT_TRUE(image == blank);
    EXPECT_EQ(imageModified, 0);
    const std::vector<std::string> expected = {
        "Nothing was imported. Refused cells: 17",
        "Row 1, column \"Compander\": unknown column",
        "Row 2, column \"In use\": \"0\" is not accepted here",
        "Row 4, column \"Frequency Receive\": \"520.00000\" would be stored as \"500.00000\"",
        "Row 5, column \"Frequency Receive\": \"476.00300\" would be stored as \"476.00500\"",
        "Row 6, column \"TAG\": \"abc\" would be stored as \"\"",
        "Row 7, column \"SUB AUDIO Dec\": \"C-66.9\" is not accepted here",
        "Row 8, column \"SUB AUDIO Dec\": \"D-128N\" is not accepted here",
        "Row 9, column \"SUB AUDIO Enc\": \"D-023B\" is not accepted here",
        "Row 10, column \"Scan Op\": \"2\" is not accepted here",
        "Row 11, column \"SQ\": \"16\" is not accepted here",
        "Row 12, column \"Signaling Type\": \"Option\" is not accepted here",
        "Row 13, column \"DTMF ANI\": \"1\" is not accepted here",
        "Row 14, column \"QLNK\": \"1\" is not accepted here",
        "Row 15, column \"Chn\": not a channel number (1-168)",
        "Row 17, column \"Chn\": channel 16 is given again (first in row 16)",
        "Row 21, column \"Pri\": \"P\" is changed to \"-\" by another row",
        "Row 31, column \"Group\": the groups must follow each other: CB, GROUP-1 ... GROUP-6, "
        "then channels in no group",
    };
    EXPECT_EQ(LinesOf(CsvImportReport(result)), expected);
    EXPECT_EQ(result.refusedCount, 17);
}

TEST_F(CsvTest, FilesThatAreNoChannelListAreRefusedWhole) {
    const struct {
        std::string text;
        const char* line;
    } cases[] = {
        {"", "The file holds no channels."},
        {"Chn,SQ\n", "The file holds no channels."},
        {"Name,Colour\nx,y\n",
         "The file is no channel list: it has neither a \"Chn\" nor a "
         "\"Location\" column."},
        {"Chn,TAG\n1,\"CB\n2,x\n",
         "The file cannot be read as CSV: a quote out of place in line 2."},
        {"Chn,TAG\n1,C\"B\n", "The file cannot be read as CSV: a quote out of place in line 2."},
        {std::string(kMaxCsvBytes + 1, ','), "The file is larger than 16 MB."},
    };
    for (const auto& c : cases) EXPECT_EQ(RefusalOf(c.text), c.line + std::string("\n"));
}

TEST_F(CsvTest, GenericLayoutSampleIsMappedIntoTheGrid) {
    const std::string sample =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"
        "1,Repeater,446.006250,+,5.000000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,6.25,,High,,,,,"
        "\r\n"
        "2,Simplex,446.100000,,0.000000,TSQL,88.5,100.0,023,NN,023,Tone->Tone,NFM,6.25,S,Low,,,,,"
        "\r\n"
        "3,dcs "
        "rpt,446.200000,-,5.000000,DTCS,88.5,88.5,754,RN,754,Tone->Tone,FM,6.25,,,note,,,,\r\n"
        "4,Split,446.300000,split,456.300000,Cross,88.5,123.0,023,NN,031,Tone->DTCS,FM,6.25,,,,,,,"
        "\r\n"
        "90,Receive only,446.400000,off,0.000000,Cross,88.5,88.5,023,NN,023,->Tone,NFM,6.25,,,,,,,"
        "\r\n";
    RadioImage image = blank;
    const CsvImportResult result = ImportChannelsCsv(image, sample);
    ASSERT_TRUE(result.accepted) << CsvImportReport(result);
    EXPECT_EQ(result.layout, CsvLayout::kGeneric);
    EXPECT_EQ(LinesOf(CsvImportReport(result)),
              std::vector<std::string>({
                  "Channels imported: 5",
                  "Not carried:",
                  "  column \"TStep\": this radio has no such setting",
                  "  column \"Comment\": this radio has no such setting",
                  "  Row 6, column \"Name\": cut to 8 characters from \"Receive only\"",
              }));

    // The channels as the grid shows them; what the sample does not say
    // (squelch, encryption, ...) is as it was.
    const std::vector<std::string> grid = LinesOf(ExportChannelsCsv(image, CsvLayout::kGrid));
    // Each row is on the line of its channel number.
    for (const std::string row : {
             "1,-,W,REPEATER,446.00625,451.00625,-------,C-88.5,1,0,H,1,1,1,0,4,--,--,0,"
             "1,--,0,0,0,1,CB",
             "2,-,N,SIMPLEX,446.10000,446.10000,C-100.0,C-100.0,1,0,L,0,1,1,0,4,--,--,0,"
             "1,--,0,0,0,1,CB",
             "3,-,W,DCS RPT,446.20000,441.20000,D-754N,D-754I,1,0,H,1,1,1,0,4,--,--,0,"
             "1,--,0,0,0,1,CB",
             "4,-,W,SPLIT,446.30000,456.30000,D-031N,C-88.5,1,0,H,1,1,1,0,4,--,--,0,1,"
             "--,0,0,0,1,CB",
             "90,-,N,RECEIVE,446.40000,---.-----,C-88.5,-------,1,0,H,1,1,1,0,4,--,--,"
             "0,-,--,0,0,0,1,GROUP-1",
         }) {
        EXPECT_EQ(grid[std::stoul(row)], row);
    }

    // And back out in the same layout.
    std::vector<std::string> notCarried;
    const std::vector<std::string> generic =
        LinesOf(ExportChannelsCsv(image, CsvLayout::kGeneric, &notCarried));
    EXPECT_EQ(generic[1],
              "1,REPEATER,446.006250,+,5.000000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,"
              ",,,,");
    EXPECT_EQ(generic[4],
              "4,SPLIT,446.300000,+,10.000000,Cross,88.5,88.5,023,NN,031,Tone->DTCS,FM,5.00,,High,"
              ",,,,");
    EXPECT_EQ(generic.back(),
              "90,RECEIVE,446.400000,off,0.000000,Cross,88.5,88.5,023,NN,023,->Tone,NFM,5.00,,High,"
              ",,,,");
    ASSERT_FALSE(notCarried.empty());
    EXPECT_EQ(notCarried[0].rfind("columns without a place in this layout: Pri, Pwr Save RX", 0),
              0u);
}

TEST_F(CsvTest, GenericValuesWithoutMeaningAreRefused) {
    const std::string heading =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "CrossMode,Mode\n";
    const struct {
        const char* row;
        const char* line;
    } cases[] = {
        {"0,A,446.1,,0,,88.5,88.5,023,NN,,FM",
         "Row 2, column \"Location\": not a channel number (1-168)"},
        {"1,A,abc,,0,,88.5,88.5,023,NN,,FM", "Row 2, column \"Frequency\": \"abc\" is no number"},
        {"1,A,446.1,x,0,,88.5,88.5,023,NN,,FM",
         "Row 2, column \"Duplex\": \"x\" is not one of \"\", +, -, split, off"},
        {"1,A,446.1,+,,,88.5,88.5,023,NN,,FM", "Row 2, column \"Offset\": \"\" is no number"},
        {"1,A,446.1,,0,Weird,88.5,88.5,023,NN,,FM",
         "Row 2, column \"Tone\": \"Weird\" is not one of \"\", Tone, TSQL, DTCS, Cross"},
        {"1,A,446.1,,0,DTCS,88.5,88.5,023,NX,,FM",
         "Row 2, column \"DtcsPolarity\": \"NX\" is not one of NN, NR, RN, RR"},
        {"1,A,446.1,,0,Cross,88.5,88.5,023,NN,Tone->Nowhere,FM",
         "Row 2, column \"CrossMode\": \"Tone->Nowhere\" is not one of Tone->Tone, Tone->DTCS, "
         "DTCS->Tone, DTCS->DTCS, ->Tone, ->DTCS, DTCS->"},
        {"1,A,446.1,,0,,88.5,88.5,023,NN,,AM",
         "Row 2, column \"Mode\": \"AM\" is not one of FM, NFM"},
        // Meaningful, but not for this radio: the grid's rules refuse them.
        {"1,A,146.52,,0,,88.5,88.5,023,NN,,FM",
         "Row 2, column \"Frequency\": \"146.52000\" would be stored as \"440.00000\""},
        {"1,A,446.1,,0,Tone,254.2,88.5,023,NN,,FM",
         "Row 2, column \"rToneFreq\": \"C-254.2\" is not accepted here"},
        {"1,A,446.1,,0,DTCS,88.5,88.5,128,NN,,FM",
         "Row 2, column \"DtcsCode\": \"D-128N\" is not accepted here"},
        {"1,A,446.1,,0,DTCS,88.5,88.5,4464010000,NN,,FM",
         "Row 2, column \"DtcsCode\": \"D-4464010000N\" is not accepted here"},
    };
    for (const auto& c : cases) {
        const std::string refusals = RefusalOf(heading + c.row + "\n");
        EXPECT_EQ(refusals.substr(0, refusals.find('\n')), c.line);
        // A file cell that feeds two grid cells is still refused once.
        EXPECT_EQ(refusals.find(c.line, 1), std::string::npos) << refusals;
    }
}

// A damaged or foreign image still gives a file, and that file read back
// into it changes nothing (the generic layout, which cannot say everything,
// is only read).
TEST_F(CsvTest, AnyImageGivesAFileThatReadsBackUnchanged) {
    std::mt19937 rng(7);
    for (int run = 0; run < 6; ++run) {
        const RadioImage image = test::RandomImage(rng);
        RadioImage copy = image;
        const CsvImportResult result =
            ImportChannelsCsv(copy, ExportChannelsCsv(image, CsvLayout::kGrid));
        EXPECT_TRUE(result.accepted) << run << CsvImportReport(result);
        EXPECT_TRUE(copy == image) << run;
        ImportChannelsCsv(copy, ExportChannelsCsv(image, CsvLayout::kGeneric));
    }
}

}  // namespace
}  // namespace kp07
