// The program's modes as a user starts them: the window, and the picture of the window made
// without a display.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <string>
#include <vector>

#include "kelvor/program_run.h"
#include "platform/posix/posix_file_system.h"
#include "platform/temp_folder.h"
#include "qt_application.h"

namespace kelvor {
namespace {

using testing::ProgramRun;
using testing::RunProgram;
using testing::TempFolder;

const std::string kExample = std::string(KELVOR_SOURCE_DIR) + "/examples/invitation.ics";

TEST(ProgramModes, ScreenshotSavesTheWindowAfterTheStartUp) {
    testing::Application();
    TempFolder temp;
    const ProgramRun run =
        RunProgram(temp, "--screenshot '" + temp / "shot.png" + "' '" + kExample + "'");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.output, temp / "shot.png" + "\n");
    QImage shot;
    ASSERT_TRUE(shot.load(QString::fromStdString(temp / "shot.png"), "PNG"));
    EXPECT_EQ(shot.size(), QSize(748, 534));
    // The picture was taken after start-up: the page has the white background that start-up
    // gives the display before loading the report.
    EXPECT_EQ(shot.pixelColor(374, 300), QColor(255, 255, 255));
    // The start-up sequence ran to its end: the report is complete.
    const std::string report =
        platform::PosixFileSystem().readAll(temp / "cache/kelvor/kelvor.htm").value_or("");
    EXPECT_NE(report.find("Quarterly budget review"), std::string::npos);
}

TEST(ProgramModes, ScreenshotOfARunWithoutInputTellsTheUserAndStillSavesTheWindow) {
    testing::Application();
    TempFolder temp;
    const ProgramRun run = RunProgram(temp, "--screenshot '" + temp / "empty.png" + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.errors.find("trace: No input file available\n"), std::string::npos);
    EXPECT_EQ(run.output, temp / "empty.png" + "\n");
    QImage shot;
    ASSERT_TRUE(shot.load(QString::fromStdString(temp / "empty.png"), "PNG"));
    EXPECT_EQ(shot.size(), QSize(748, 534));
    // The sequence ended before it set the page's white background.
    EXPECT_NE(shot.pixelColor(374, 300), QColor(255, 255, 255));
}

TEST(ProgramModes, APictureThatCannotBeWrittenIsReported) {
    TempFolder temp;
    const ProgramRun run =
        RunProgram(temp, "--screenshot '" + temp.path() + "' '" + kExample + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.errors.find("kelvor: cannot write the picture " + temp.path() + "\n"),
              std::string::npos);
    EXPECT_TRUE(run.output.empty());
}

TEST(ProgramModes, TheWindowNeedsADisplay) {
    TempFolder temp;
    for (const std::string& arguments :
         std::vector<std::string>{std::string(), "'" + kExample + "'", "-- x.ics"}) {
        const ProgramRun run = RunProgram(temp, arguments);
        EXPECT_EQ(run.status, 1) << arguments;
        EXPECT_EQ(run.errors,
                  "kelvor: no display to open the window on (see --headless, --screenshot)\n");
    }
    // Nothing ran: no working folder was made.
    EXPECT_FALSE(platform::PosixFileSystem().exists(temp / "cache/kelvor/kelvor.log"));
}

}  // namespace
}  // namespace kelvor
