// "Save Event...": the dialog it proposes, the copy it writes and its failures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/window_platform.h"
#include "kelvor/installed_window.h"
#include "kelvor/report_writer.h"

namespace kelvor {
namespace {

using testing::WindowPlatform;
using testing::installed::InstalledWindow;
using Lines = std::vector<std::string>;

const char* const kReport = "/work/tmp/kelvor.htm";

TEST(SaveEvent, ProposesKelvorrepInTheWorkingFolderEveryTime) {
    InstalledWindow t;
    t.open("invitation.ics");
    t.files.addFolder("/home/ann/saved");
    t.saveDialog.answers = {"/home/ann/saved/budget.htm", "/home/ann/saved/again.htm"};
    t.commands.SaveEvent1Click();
    t.commands.SaveEvent1Click();
    ASSERT_EQ(t.saveDialog.shownWith.size(), 2u);
    for (const platform::SaveDialogRequest& request : t.saveDialog.shownWith) {
        EXPECT_EQ(request.fileName, "kelvorrep.htm");
        EXPECT_EQ(request.initialFolder, "/work/tmp/kelvor/");
        EXPECT_EQ(request.title, "Save report as ...");
        EXPECT_EQ(request.defaultExtension, "htm");
    }
    EXPECT_EQ(t.files.content("/home/ann/saved/again.htm"), t.report());
}

TEST(SaveEvent, SavesTheReportByteForByteWhileTheSourceIsShown) {
    InstalledWindow t;
    t.open("invitation.ics");
    t.commands.Source1Click();
    const Lines shown = t.display.requests();
    t.files.addFolder("/home/ann");
    t.saveDialog.answers = {"/home/ann/copy.htm"};
    t.commands.SaveEvent1Click();

    const std::string report = t.report();
    ASSERT_TRUE(report.ends_with("</table></body></html>\r\n"));
    EXPECT_EQ(t.files.content("/home/ann/copy.htm"), report);
    EXPECT_EQ(t.display.requests(), shown);  // the source stays on screen
    EXPECT_TRUE(t.ui.boxes.empty());
}

TEST(SaveEvent, EveryLineIsWrittenWithCrLfTheLastIncluded) {
    WindowPlatform t;
    // CR alone and CR LF end lines; an LF alone and a byte 26 are part of their line.
    t.files.addFile(kReport, std::string("one\rtwo\nstill two\x1a and more\r\nlast"));
    t.saveDialog.answers = {"/work/tmp/out.htm"};
    t.commands.SaveEvent1Click();
    EXPECT_EQ(t.files.content("/work/tmp/out.htm"),
              std::string("one\r\ntwo\nstill two\x1a and more\r\nlast\r\n"));
}

TEST(SaveEvent, ACancelledDialogWritesAndLogsNothing) {
    WindowPlatform t;
    t.files.addFile(kReport, "<html></html>\r\n");
    t.commands.SaveEvent1Click();
    EXPECT_EQ(t.saveDialog.shownWith.size(), 1u);
    EXPECT_EQ(t.files.files.size(), 1u);
    EXPECT_TRUE(t.ui.boxes.empty());
}

TEST(SaveEvent, AReportThatCannotBeOpenedIsLoggedAndNothingShown) {
    WindowPlatform t;
    t.saveDialog.answers = {"/work/tmp/out.htm"};
    t.commands.SaveEvent1Click();
    EXPECT_EQ(t.logMessages(), Lines{"SaveEvent: Unable to open: /work/tmp/kelvor.htm"});
    EXPECT_FALSE(t.files.exists("/work/tmp/out.htm"));
    EXPECT_TRUE(t.ui.boxes.empty());
    EXPECT_FALSE(t.state.markers.input);
}

TEST(SaveEvent, ACopyThatCannotBeCreatedIsLoggedAndNothingShown) {
    WindowPlatform t;
    t.files.addFile(kReport, "<html></html>\r\n");
    t.saveDialog.answers = {"/nowhere/out.htm"};
    t.commands.SaveEvent1Click();
    EXPECT_EQ(t.logMessages(), Lines{"SaveEvent: unable to create: /nowhere/out.htm"});
    EXPECT_TRUE(t.ui.boxes.empty());
    // Nothing is left held open by the failed save.
    EXPECT_FALSE(t.state.markers.input);
    EXPECT_FALSE(t.state.markers.report);
}

TEST(SaveEvent, AWriteThatFailsIsAnErrorShownToTheUser) {
    WindowPlatform t;
    t.files.addFile(kReport, "<html></html>\r\n");
    t.files.addFolder("/media/stick");
    t.files.full.insert("/media/stick/out.htm");
    t.saveDialog.answers = {"/media/stick/out.htm"};
    t.commands.SaveEvent1Click();
    EXPECT_EQ(t.ui.boxes,
              (std::vector<std::pair<std::string, std::string>>{{"Kelvor", "I/O error 101"}}));
    EXPECT_EQ(t.window.closed, 0);
}

TEST(SaveEvent, ChoosingTheReportItselfLeavesItAsItWas) {
    InstalledWindow t;
    t.open("invitation.ics");
    const std::string report = t.report();
    t.saveDialog.answers = {testing::installed::kReport};
    t.commands.SaveEvent1Click();
    EXPECT_EQ(t.report(), report);
    EXPECT_TRUE(t.ui.boxes.empty());
}

TEST(SaveEvent, AReportARunLeftOpenIsClosedAndSavedAsFarAsItWasWritten) {
    InstalledWindow t;
    t.files.links.insert(testing::installed::kWorkingCopy);
    t.open("invitation.ics");
    ASSERT_TRUE(t.state.markers.report);
    t.saveDialog.answers = {"/work/tmp/partial.htm"};
    t.commands.SaveEvent1Click();
    EXPECT_FALSE(t.state.markers.report);
    EXPECT_EQ(t.files.content("/work/tmp/partial.htm"), t.heading());
}

}  // namespace
}  // namespace kelvor
