#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "resources/strings.h"

namespace kp07 {
namespace {

TEST(StringTable, EveryIdOnceAndEachTableSortedById) {
    std::vector<int> ids = AllStringIds();
    std::set<int> seen;
    for (int id : ids) EXPECT_TRUE(seen.insert(id).second) << "id " << id << " appears twice";

    for (const StringTable* table : {&kDocumentStrings, &kLinkStrings, &kChannelStrings,
                                     &kParamStrings, &kAlignmentStrings, &kAppStrings}) {
        for (std::size_t i = 1; i < table->count; ++i)
            EXPECT_LT(table->entries[i - 1].id, table->entries[i].id);
    }
}

TEST(StringTable, SpotChecks) {
    EXPECT_EQ(LoadString(2101), "Resume Time when the signal drops(PTT not pressed)\n<SELECT>");
    EXPECT_EQ(LoadString(2150), "Edit Power-ON Alpha Tag display");
    EXPECT_EQ(LoadString(2400), "Production Number");
    EXPECT_EQ(LoadString(2520),
              "Automatic offset above RX applied to TX frequency\n-99.9 .. +99.9MHz");
    EXPECT_EQ(LoadString(121), " ");
    EXPECT_EQ(LoadString(59143), "[ Key Operation ]");
    EXPECT_EQ(LoadString(2261), "Specify [D] Key function(Press & Hold)\n<SELECT>");
    EXPECT_EQ(LoadString(4029), "Check Display Digit8 (No Display/Display)\n<CHECK>");
    EXPECT_EQ(LoadString(4132), "Edit User Period Time (0ms-255ms)\n<ENTER>");
    EXPECT_EQ(LoadString(4546), "Edit User Tone E\n300..3000Hz");
    EXPECT_EQ(LoadString(4223), "Select Decode Code8 (No Decode/Decode)");
    EXPECT_EQ(LoadString(4445), " Select Recalling Code (Disable/Enable)");
    EXPECT_EQ(LoadString(3529), "Select 1st Frequency\n<ENTER>");
    EXPECT_EQ(LoadString(4629), "Page Code\n<ENTER>");
    EXPECT_EQ(LoadString(110),
              "CAUTION: You are about to enter the Alignment mode. All alignment\r\n"
              " instructions printed in the KR-318 Service Manual must be followed.");
}

}  // namespace
}  // namespace kp07
