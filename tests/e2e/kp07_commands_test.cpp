// kp07's file commands as a script runs them: exit status, standard output
// and standard error for each, its help, its usage errors and its manual page.
#include <gtest/gtest.h>

#include "blocks/image_ops.h"
#include "channels/channel_listing.h"
#include "document/data_file.h"
#include "image/accessors.h"
#include "support/message_recorder.h"
#include "support/test_support.h"
#include "support/tool_process.h"

namespace kp07::test {
namespace {

class Kp07CommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(ToolsDir().empty()) << "KP07_TOOLS_DIR is not set";
        ResetProcessStateForTest();
        FillDefaults(master);
        RebuildImage(master);
        radio = master;
        SetBeep(radio, 0);
        SetChannelSquelchLevel(ChannelRecordAt(radio, 4), 9);
        MessageRecorder quiet;
        ASSERT_TRUE(WriteDataFile(masterFile, master, TrailerFromOffset(0.0)));
        ASSERT_TRUE(WriteDataFile(radioFile, radio, TrailerFromOffset(0.0)));
    }
    void TearDown() override { ResetProcessStateForTest(); }

    TempDir dir;
    RadioImage master{}, radio{};
    const std::string masterFile = dir.File("master.K07");
    const std::string radioFile = dir.File("radio.K07");
};

// A field line of the dump: the name in 26 columns, then the value.
std::string DumpLine(const std::string& name, const std::string& value) {
    return "  " + name + std::string(26 - name.size(), ' ') + " " + value + "\n";
}

TEST_F(Kp07CommandsTest, EachCommandTellsItsOutcome) {
    const std::string badCsv = dir.File("bad.csv");
    ASSERT_TRUE(
        WriteFileBytes(badCsv, {'C', 'h', 'n', ',', 'S', 'Q', '\n', '1', ',', '1', '6', '\n'}));
    const std::string missing = dir.File("missing.K07");
    const struct {
        std::vector<std::string> args;
        int status;
        std::string output;  // contained in standard output ("" : empty)
        std::string errors;  // contained in standard error ("" : anything)
    } cases[] = {
        {{"diff", masterFile, masterFile}, 0, "No differences.\n", ""},
        {{"diff", masterFile, radioFile},
         1,
         "CommonParams.Beep: 1 -> 0\nChannel 5, SQ: 4 -> 9\nDifferences: 2\n",
         ""},
        {{"diff", masterFile, missing}, 2, "", "kp07: Problem opening file File Name = " + missing},
        {{"export-csv", masterFile, "-"}, 0, "Chn,Pri,W/N,TAG,Frequency Receive,", ""},
        {{"export-csv", masterFile, "-", "--layout", "generic"},
         0,
         "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,",
         ""},
        {{"export-csv", missing, dir.File("none.csv")}, 1, "", "Problem opening file"},
        {{"import-csv", radioFile, badCsv},
         1,
         "",
         "Row 2, column \"SQ\": \"16\" is not accepted here\n"},
        {{"dump", radioFile, "CommonParams"}, 0, "\n[CommonParams]\n  transmit timer  ", ""},
        {{"dump", radioFile, "Common"}, 0, DumpLine("beep", "0"), ""},
        {{"dump", missing}, 1, "", "kp07: cannot read " + missing + ": "},
        {{"channels", missing}, 1, "", "Problem opening file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args.back());
        const ToolResult r = RunKp07(c.args);
        EXPECT_EQ(r.status, c.status) << r.errors;
        if (c.output.empty()) {
            EXPECT_EQ(r.output, "");
        } else {
            EXPECT_NE(r.output.find(c.output), std::string::npos) << r.output.substr(0, 400);
        }
        EXPECT_NE(r.errors.find(c.errors), std::string::npos) << r.errors;
    }
    // The refused file changed nothing.
    EXPECT_EQ(ReadFileBytes(radioFile).size(), kDataFileSize);
    EXPECT_EQ(RunKp07({"diff", masterFile, radioFile}).status, 1);
}

TEST_F(Kp07CommandsTest, FilesGoRoundThroughCsvAndShareTheirTextWithTheOtherTools) {
    const std::string csv = dir.File("list.csv"), copy = dir.File("copy.K07");
    ASSERT_EQ(RunKp07({"export-csv", masterFile, csv}).status, 0);
    const ToolResult imported = RunKp07({"import-csv", radioFile, csv, "--out", copy});
    EXPECT_EQ(imported.status, 0) << imported.errors;
    EXPECT_EQ(imported.output, "Channels imported: 168\n");
    // The copy has the master's channels and the radio's settings; the
    // radio's own file is as it was.
    const ToolResult diff = RunKp07({"diff", radioFile, copy});
    EXPECT_EQ(diff.status, 1);
    EXPECT_NE(diff.output.find("Channel 5, SQ: 9 -> 4\n"), std::string::npos) << diff.output;
    EXPECT_EQ(diff.output.find("Beep"), std::string::npos) << diff.output;
    // Without --out the data file itself takes the channels, and becomes
    // the copy written above.
    const ToolResult inPlace = RunKp07({"import-csv", radioFile, csv});
    EXPECT_EQ(inPlace.status, 0) << inPlace.errors;
    EXPECT_EQ(ReadFileBytes(radioFile), ReadFileBytes(copy));

    // kp07 dump and image-dump print the same text; channels is the listing.
    const ToolResult dump = RunKp07({"dump", masterFile});
    EXPECT_EQ(dump.status, 0);
    EXPECT_EQ(dump.output.substr(0, dump.output.find('\n')), "image: " + masterFile);
    EXPECT_EQ(dump.output, RunTool("image-dump", {masterFile}).output);
    EXPECT_EQ(RunKp07({"channels", masterFile}).output, ChannelListing(master));
}

TEST_F(Kp07CommandsTest, HelpNamesTheArgumentsAndUsageErrorsExitWithTwo) {
    const struct {
        const char* command;
        std::vector<std::string> mentions;
    } helps[] = {
        {"upload", {"--device", "PATH", "--speed", "--timeout", "SECONDS", "--out", "FILE.K07"}},
        {"download", {"--device", "--speed", "--timeout", "FILE.K07"}},
        {"channels", {"FILE.K07"}},
        {"report", {"FILE.K07", "--pdf", "--date", "M/D/YYYY"}},
        {"export-csv", {"FILE.K07", "OUT.csv", "--layout", "generic"}},
        {"import-csv", {"FILE.K07", "IN.csv", "--out", "NEW.K07"}},
        {"diff", {"A.K07", "B.K07"}},
        {"dump", {"FILE.K07", "BLOCK"}},
    };
    const ToolResult all = RunKp07({"--help"});
    EXPECT_EQ(all.status, 0);
    for (const auto& h : helps) {
        SCOPED_TRACE(h.command);
        EXPECT_NE(all.output.find(std::string("  ") + h.command), std::string::npos);
        const ToolResult r = RunKp07({h.command, "--help"});
        EXPECT_EQ(r.status, 0);
        for (const std::string& m : h.mentions) {
            EXPECT_NE(r.output.find(m), std::string::npos) << m << " in\n" << r.output;
        }
    }

    const std::vector<std::vector<std::string>> usageErrors = {
        {},
        {"bogus"},
        {"--bogus"},
        {"export-csv", masterFile},
        {"export-csv", masterFile, "-", "--layout", "other"},
        {"import-csv", masterFile},
        {"import-csv", masterFile, "a.csv", "--out"},
        {"import-csv", masterFile, "a.csv", "--out", ""},  // not: back into the master
        {"diff", masterFile},
        {"diff", masterFile, masterFile, masterFile},
        {"dump"},
        {"dump", masterFile, "NoSuchBlock"},
        {"channels", masterFile, "extra"},
        {"download", "--device", "x"},
        {"download", "--device", "x", "--speed", "4800", "f.K07"},
        {"upload", "--device", "/dev/null"},
        {"upload", "--device", "x", "--timeout", "0", "--out", "f.K07"},
        {"download", "--device", "", masterFile},
        {"upload", "--device", "x", "--out", "f.K07", "--speed", "fast"},
        {"upload", "--device", "x", "--out", "f.K07", "--timeout", "86401"},
    };
    for (const std::vector<std::string>& args : usageErrors) {
        std::string line;
        for (const std::string& a : args) line += a + " ";
        SCOPED_TRACE(line);
        const ToolResult r = RunKp07(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.output, "");
        EXPECT_EQ(r.errors.rfind("kp07: ", 0), 0u) << r.errors;
        EXPECT_NE(r.errors.find("--help"), std::string::npos) << r.errors;
    }
    EXPECT_NE(RunKp07({"dump", masterFile, "NoSuchBlock"}).errors.find("ChannelTable"),
              std::string::npos);
}

TEST_F(Kp07CommandsTest, ManualPageHasEveryCommand) {
    const ToolResult man = RunKp07({"--man"});
    EXPECT_EQ(man.status, 0) << man.errors;
    EXPECT_EQ(man.output.rfind(".TH KP07 1 ", 0), 0u);
    for (const char* section :
         {".SH SYNOPSIS\n", ".SH EXIT STATUS\n", ".SS upload\n", ".SS download\n", ".SS channels\n",
          ".SS report\n", ".SS export\\-csv\n", ".SS import\\-csv\n", ".SS diff\n", ".SS dump\n"}) {
        EXPECT_NE(man.output.find(section), std::string::npos) << section;
    }
    // Options as troff wants them: minus signs escaped.
    EXPECT_NE(man.output.find("\\fB\\-\\-device\\fR \\fIPATH\\fR"), std::string::npos);
    // The build leaves the same page beside the program.
    EXPECT_EQ(ReadFileBytes(ToolsDir() + "/kp07.1"),
              std::vector<std::uint8_t>(man.output.begin(), man.output.end()));
}

}  // namespace
}  // namespace kp07::test
