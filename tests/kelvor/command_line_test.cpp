#include <gtest/gtest.h>

#include "fakes/test_platform.h"
#include "kelvor/intake.h"

namespace kelvor {
namespace {

using testing::TestPlatform;
using Lines = std::vector<std::string>;

TEST(CommandLineStep, WithoutArgumentTellsTheUserAndLogsTheAdvice) {
    TestPlatform t;
    EXPECT_FALSE(CommandLineStep(t.state));
    ASSERT_EQ(t.ui.boxes.size(), 1u);
    EXPECT_EQ(t.ui.boxes[0].first, "trace");
    EXPECT_EQ(t.ui.boxes[0].second, "No input file available");
    EXPECT_EQ(t.logMessages(),
              (Lines{"No input file",
                     "   Either Pegasus Mail should call Kelvor with CNM message file, or",
                     "   ICS file should be opened in Pegasus Mail attachment viewer, or",
                     "   ICS file should be opened in Windows Explorer (or equivalent)"}));
    EXPECT_EQ(t.state.sourceType, "");
    EXPECT_EQ(t.state.inputPath, "");
}

TEST(CommandLineStep, FirstArgumentIsTheInputFile) {
    TestPlatform t;
    t.state.tracing = false;  // the lines are written whatever tracing says
    t.environment.args = {"/home/ann/mail/invitation.cnm", "/ignored.ics"};
    EXPECT_TRUE(CommandLineStep(t.state));
    EXPECT_TRUE(t.ui.boxes.empty());
    EXPECT_EQ(t.logMessages(),
              (Lines{"Processing file: invitation.cnm", "In location: /home/ann/mail"}));
    EXPECT_EQ(t.state.inputPath, "/home/ann/mail/invitation.cnm");
    EXPECT_EQ(t.state.folders.input, "/home/ann/mail");
    EXPECT_EQ(t.state.sourceType, "File");

    TestPlatform relative;
    relative.environment.args = {"invitation.ics"};
    EXPECT_TRUE(CommandLineStep(relative.state));
    EXPECT_EQ(relative.logMessages(), (Lines{"Processing file: invitation.ics", "In location: "}));
    EXPECT_EQ(relative.state.inputPath, "invitation.ics");
}

}  // namespace
}  // namespace kelvor
