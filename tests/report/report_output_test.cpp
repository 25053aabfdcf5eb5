// The report's date and header, its two-column composition, and its ways
// out: plain text, PDF (read back with pdftotext) and `kp07 report`.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "blocks/new_image_fixture.h"
#include "document/data_file.h"
#include "report/report_builder.h"
#include "report/report_columns.h"
#include "report/report_pdf.h"
#include "report/report_text.h"
#include "support/message_recorder.h"
#include "support/test_support.h"
#include "support/tool_process.h"

namespace kp07 {
namespace {

TEST(ReportDate, TypedDatesAndTheHeaderLine) {
    const struct {
        const char* typed;
        const char* printed;  // "" when refused
    } cases[] = {
        {"7/4/2025", "7/4/2025"},
        {"07/04/2025", "7/4/2025"},
        {"12/31/1999", "12/31/1999"},
        {"2/29/2024", "2/29/2024"},
        {"2/29/2023", ""},
        {"13/1/2025", ""},
        {"0/1/2025", ""},
        {"1/32/2025", ""},
        {"1/1/25", ""},
        {"1/1/20255", ""},
        {"1-1-2025", ""},
        {"1/1/2025 ", ""},
        {"", ""},
        {"//", ""},
        {"123/1/2025", ""},
    };
    for (const auto& c : cases) {
        std::string date = "unchanged";
        EXPECT_EQ(ParseReportDate(c.typed, &date), *c.printed != 0) << c.typed;
        if (*c.printed) {
            EXPECT_EQ(date, c.printed) << c.typed;
        }
    }
    EXPECT_EQ(PageHeaderLine("7/4/2025", 12), std::string(81, ' ') + "7/4/2025   Page 12");
    EXPECT_FALSE(TodayReportDate().empty());
}

TEST(ReportColumns, RightColumnJoinsTheLeftFromTheTop) {
    ColumnComposer two;
    two.LeftHeading("  Left");
    two.Left("  a");
    two.Right("R1");
    two.Right("R2");
    two.Right("R3");
    // The left column has ended: the third right line starts at the margin.
    EXPECT_EQ(two.Lines(),
              (std::vector<std::string>{"  Left" + std::string(49, ' ') + "R1", "  aR2", "R3"}));
    two.CloseColumns();
    const std::vector<std::string> closed = two.Lines();
    ASSERT_EQ(closed.size(), 4u);
    EXPECT_EQ(closed[2], std::string(55, ' ') + "R3");
    EXPECT_EQ(closed[3], std::string(55, ' '));

    ColumnComposer shortRight;
    shortRight.Left("x");
    shortRight.LeftBlank();
    shortRight.Right("R");
    shortRight.CloseColumns();  // the left's own blank closes both
    EXPECT_EQ(shortRight.Lines(), (std::vector<std::string>{"xR", std::string(55, ' ')}));
}

class ReportOutputTest : public test::NewImageTest {
  protected:
    test::TempDir dir;
};

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string RightTrimmed(std::string s) {
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

std::string RunCommand(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
        ::pclose(pipe);
    }
    return out;
}

TEST_F(ReportOutputTest, PlainTextPutsAFormFeedBetweenPages) {
    const Report report = BuildReport(*radioImage, "CB.K07", "7/4/2025", 0.0);
    const std::string text = ReportPlainText(report);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), long(report.pages.size()) - 1);
    EXPECT_EQ(text.substr(0, 99), std::string(81, ' ') + "7/4/2025   Page 1\n");
    EXPECT_EQ(text.back(), '\n');
}

TEST_F(ReportOutputTest, AnyImageGivesAReport) {
    // Damaged files and radios hold any bytes: values no list offers print
    // as dashes or blanks, every page still fits its paper. (Images of any
    // bytes: the report fuzz target.)
    for (std::uint8_t fill : {0x00, 0x5A, 0xA5, 0xFF}) {
        const RadioImage any = test::FilledImage(fill);
        const Report report = BuildReport(any, "", "1/1/2025", 1e9);
        ASSERT_GE(report.pages.size(), 2u);
        EXPECT_LE(report.MaxLines(), 76u);
        EXPECT_LE(report.MaxColumns(), 132u);
        EXPECT_FALSE(ReportPdf(report).empty());
    }
}

TEST_F(ReportOutputTest, PdfReadsBackAsTheReportsLines) {
    const Report report = BuildReport(*radioImage, "CB.K07", "7/4/2025", 0.0);
    const std::string pdf = dir.File("report.pdf");
    ASSERT_TRUE(WriteReportPdf(report, pdf));
    const std::string text = RunCommand("pdftotext -layout -fixed 6 '" + pdf + "' - 2>&1");
    // pdftotext ends every page with a form feed.
    std::vector<std::string> pages;
    std::size_t start = 0;
    for (std::size_t ff; (ff = text.find('\f', start)) != std::string::npos; start = ff + 1) {
        pages.push_back(text.substr(start, ff - start));
    }
    ASSERT_EQ(pages.size(), report.pages.size()) << text.substr(0, 200);
    // Lines start 72 points (12 columns of 6 points) in from the page edge.
    const std::string indent(12, ' ');
    for (std::size_t p = 0; p < pages.size(); ++p) {
        std::vector<std::string> expected;
        for (const std::string& line : report.pages[p]) {
            expected.push_back(RightTrimmed(
                line.find_first_not_of(' ') == std::string::npos ? std::string() : indent + line));
        }
        std::vector<std::string> got = SplitLines(pages[p]);
        for (std::string& line : got) line = RightTrimmed(line);
        while (!got.empty() && got.back().empty()) got.pop_back();
        while (!expected.empty() && expected.back().empty()) expected.pop_back();
        EXPECT_EQ(got, expected) << "page " << p + 1;
    }
}

TEST_F(ReportOutputTest, KpReportWritesTextOrPdfAndNothingForABadFile) {
    const std::string file = dir.File("CB.K07");
    const auto writeFile = [&](double splitMHz) {
        test::MessageRecorder quiet;
        return WriteDataFile(file, *radioImage, TrailerFromOffset(splitMHz));
    };
    ASSERT_TRUE(writeFile(0.0));
    const test::ToolResult text = test::RunKp07({"report", file, "--date", "7/4/2025"});
    EXPECT_EQ(text.status, 0) << text.errors;
    EXPECT_EQ(text.output, ReportPlainText(BuildReport(*radioImage, file, "7/4/2025", 0.0)));
    EXPECT_NE(text.output.find("           File Name:  CB.K07"), std::string::npos);

    const std::string pdf = dir.File("out.pdf");
    const test::ToolResult written = test::RunKp07({"report", file, "--pdf", pdf});
    EXPECT_EQ(written.status, 0) << written.errors;
    EXPECT_EQ(test::ReadFileBytes(pdf).size() > 1000 && test::ReadFileBytes(pdf)[0] == '%', true);

    // A damaged trailer prints as the few MHz the program takes from it, not
    // as a number three hundred characters long that shrinks every page.
    ASSERT_TRUE(writeFile(-1e270));
    const test::ToolResult damagedSplit = test::RunKp07({"report", file});
    EXPECT_EQ(damagedSplit.status, 0) << damagedSplit.errors;
    EXPECT_NE(damagedSplit.output.find("Default Split:       -99.9 MHz"), std::string::npos);
    std::size_t longest = 0;
    for (const std::string& line : SplitLines(damagedSplit.output))
        longest = std::max(longest, line.size());
    EXPECT_LE(longest, 132u);

    // A missing file, a file of the wrong size, a folder: the data-file
    // message, a failure, and no PDF at all.
    const std::string damaged = dir.File("short.K07");
    ASSERT_TRUE(test::WriteFileBytes(damaged, std::vector<std::uint8_t>(100, 0x55)));
    const struct {
        std::string file;
        const char* message;
    } bad[] = {
        {dir.File("missing.K07"), "Problem opening file"},
        {damaged, "The File cannot be Opened."},
        {dir.path(), "Problem"},
    };
    for (const auto& c : bad) {
        const std::string none = dir.File("none.pdf");
        const test::ToolResult r = test::RunKp07({"report", c.file, "--pdf", none});
        EXPECT_EQ(r.status, 1) << c.file;
        EXPECT_NE(r.errors.find(c.message), std::string::npos) << r.errors;
        EXPECT_TRUE(test::ReadFileBytes(none).empty()) << c.file;
        EXPECT_EQ(RunCommand("ls '" + dir.path() + "' | grep -c none"), "0\n");
    }
    // Usage errors.
    for (const std::vector<std::string>& args : {std::vector<std::string>{"report"},
                                                 {"report", file, "--date", "4 July"},
                                                 {"report", file, "--pdf"},
                                                 {"report", file, "extra"}}) {
        EXPECT_EQ(test::RunKp07(args).status, 2) << args.back();
    }
}

}  // namespace
}  // namespace kp07
