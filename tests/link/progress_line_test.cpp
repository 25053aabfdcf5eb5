// Transfer progress on the command line: one line rewritten in place on a
// terminal, a plain line every ten percent in a pipe.
#include <gtest/gtest.h>

#include "link/progress_line.h"

namespace kp07 {
namespace {

TEST(ProgressLineTest, TerminalRewritesOneLinePipeWritesPlainLines) {
    const struct {
        bool terminal;
        unsigned range;
        std::vector<unsigned> steps;
        const char* text;  // the steps' text, then what closes the line
    } cases[] = {
        {true, 4, {0, 1, 1, 2, 4}, "\rkp07:   0%\rkp07:  25%\rkp07:  50%\rkp07: 100%\n"},
        // A step past the end shows 100, not more.
        {true, 3, {2, 9}, "\rkp07:  66%\rkp07: 100%\n"},
        {false,
         200,
         {0, 5, 19, 20, 21, 39, 41, 199, 200},
         "kp07: 0%\nkp07: 10%\nkp07: 20%\nkp07: 99%\nkp07: 100%\n"},
        // No range yet: nothing to show and no line to close.
        {true, 0, {1, 2}, ""},
        {false, 0, {1}, ""},
    };
    for (const auto& c : cases) {
        ProgressLine line(c.terminal, "kp07: ");
        line.SetRange(c.range);
        std::string text;
        for (unsigned s : c.steps) text += line.Step(s);
        text += line.Close();
        EXPECT_EQ(text, c.text) << c.terminal << " " << c.range;
        EXPECT_EQ(line.Close(), "");  // closed once only
    }
}

}  // namespace
}  // namespace kp07
