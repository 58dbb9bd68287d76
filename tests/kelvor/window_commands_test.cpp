// The main window's commands on a fake window: what each asks of the display control, the
// dialogs and the window, and how an error reaches the user.
#include "kelvor/window_commands.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "fakes/window_platform.h"
#include "kelvor/installed_window.h"
#include "kelvor/main_window_layout.h"
#include "kelvor/report_writer.h"

namespace kelvor {
namespace {

using testing::WindowPlatform;
using Lines = std::vector<std::string>;
using Box = std::pair<std::string, std::string>;

const char* const kReport = "/work/tmp/kelvor.htm";
const char* const kSource = "/work/tmp/kelvor.ics";
const char* const kLog = "/work/tmp/kelvor.log";
const char* const kHelp = "/opt/kelvor/kelvorHelp.htm";

// After a complete run: the report shown, the working copy, the log and the help page there.
struct AfterRun : WindowPlatform {
    AfterRun() {
        files.addFile(kReport, "<html></html>\r\n");
        files.addFile(kSource, "BEGIN:VCALENDAR\r\n");
        files.addFile(kLog, "09:05 KELvor report ready\r\n");
        files.addFile(kHelp, "<html>help</html>\r\n");
        display.LoadHtmlFile(kReport);
    }
    Lines requestsSinceRun() const {
        const Lines& all = display.requests();
        return Lines(all.begin() + 1, all.end());
    }
};

TEST(ViewCommands, EachClearsTheDisplayAndLoadsItsFileInItsMode) {
    AfterRun t;
    t.commands.Source1Click();
    t.commands.Logfile1Click();
    t.commands.report1Click();
    EXPECT_EQ(t.requestsSinceRun(),
              (Lines{"ClearDocument", "LoadPlainTextFile /work/tmp/kelvor.ics", "ClearDocument",
                     "LoadPlainTextFile /work/tmp/kelvor.log", "ClearDocument",
                     "LoadHtmlFile /work/tmp/kelvor.htm"}));
    EXPECT_TRUE(t.ui.boxes.empty());
}

TEST(ViewCommands, AMissingFileIsShownInAMessageBoxAndLeavesTheDisplayEmpty) {
    AfterRun t;
    t.files.remove(kSource);
    t.commands.Source1Click();
    EXPECT_EQ(t.ui.boxes,
              (std::vector<Box>{{"Kelvor", "Can't locate file: /work/tmp/kelvor.ics"}}));
    EXPECT_EQ(t.display.currentFile(), "");
    EXPECT_EQ(t.window.closed, 0);
    // The window goes on taking commands.
    t.commands.report1Click();
    EXPECT_EQ(t.display.currentFile(), kReport);
}

TEST(HelpCommand, TogglesBetweenTheHelpPageAndTheReportWithoutClearing) {
    AfterRun t;
    t.commands.Helpclick();
    EXPECT_TRUE(t.commands.helpShown());
    EXPECT_EQ(t.display.currentFile(), kHelp);
    t.commands.Helpclick();
    EXPECT_FALSE(t.commands.helpShown());
    EXPECT_EQ(t.display.currentFile(), kReport);
    EXPECT_EQ(t.requestsSinceRun(), (Lines{"LoadHtmlFile /opt/kelvor/kelvorHelp.htm",
                                           "LoadHtmlFile /work/tmp/kelvor.htm"}));
}

TEST(HelpCommand, OnlyHelpItselfChangesTheFlag) {
    AfterRun t;
    t.commands.Helpclick();     // help page
    t.commands.report1Click();  // the report again, the flag still set
    t.commands.Helpclick();     // so this shows the report
    EXPECT_EQ(t.display.currentFile(), kReport);
    t.commands.Helpclick();  // and this the help page
    EXPECT_EQ(t.display.currentFile(), kHelp);
}

TEST(HelpCommand, AMissingHelpPageIsReportedAndTheReportStays) {
    AfterRun t;
    t.files.remove(kHelp);
    t.commands.Helpclick();
    EXPECT_EQ(t.ui.boxes,
              (std::vector<Box>{{"Kelvor", "Can't locate file: /opt/kelvor/kelvorHelp.htm"}}));
    EXPECT_EQ(t.display.currentFile(), kReport);
    EXPECT_EQ(t.requestsSinceRun(), Lines{});
}

TEST(HelpCommand, ClosesAReportStillHeldOpen) {
    AfterRun t;
    ASSERT_TRUE(WriteReportHeading(t.state));  // a run that ended before the report was done
    t.commands.Helpclick();
    EXPECT_FALSE(t.state.markers.report);
    EXPECT_EQ(t.state.report.file, nullptr);
    EXPECT_EQ(t.display.currentFile(), kHelp);
}

TEST(FontCommand, ACancelledDialogReloadsTheDocumentUnchanged) {
    AfterRun t;
    t.fontDialog.choice.reset();
    t.commands.Fontsize1Click();
    ASSERT_EQ(t.fontDialog.shownWith.size(), 1u);
    EXPECT_EQ(t.fontDialog.shownWith[0].size, 12);
    EXPECT_EQ(t.fontDialog.shownWith[0].name, "Times New Roman");
    EXPECT_EQ(t.requestsSinceRun(), Lines{"ReloadDocument"});
    const auto& shown = t.display.shown().back();
    EXPECT_EQ(shown.file, kReport);
    EXPECT_EQ(shown.fontSize, 12);
    EXPECT_EQ(shown.fontName, "Times New Roman");
}

TEST(FontCommand, AChangeAfterSourceAppliesToTheSourceAndThenToTheReport) {
    AfterRun t;
    t.commands.Source1Click();
    t.fontDialog.choice = platform::FontChoice{16, "Courier New"};
    t.commands.Fontsize1Click();
    const auto source = t.display.shown().back();
    EXPECT_EQ(source.file, kSource);
    EXPECT_TRUE(source.plainText);
    EXPECT_EQ(source.fontSize, 16);
    EXPECT_EQ(source.fontName, "Courier New");

    t.commands.report1Click();
    const auto report = t.display.shown().back();
    EXPECT_EQ(report.file, kReport);
    EXPECT_FALSE(report.plainText);
    EXPECT_EQ(report.fontSize, 16);
    EXPECT_EQ(report.fontName, "Courier New");
}

TEST(FontCommand, OnlyWhatDiffersIsSetAndNamesDifferInCase) {
    AfterRun t;
    t.fontDialog.choice = platform::FontChoice{12, "times new roman"};
    t.commands.Fontsize1Click();
    t.fontDialog.choice = platform::FontChoice{9, "times new roman"};
    t.commands.Fontsize1Click();
    EXPECT_EQ(t.requestsSinceRun(), (Lines{"DefFontName times new roman", "ReloadDocument",
                                           "DefFontSize 9", "ReloadDocument"}));
}

TEST(PrintCommand, PrintsPagesOneToNinetyNineOnlyWhenConfirmed) {
    AfterRun t;
    t.printDialog.confirm = false;
    t.commands.PrintEvent1Click();
    EXPECT_EQ(t.requestsSinceRun(), Lines{});
    t.printDialog.confirm = true;
    t.commands.PrintEvent1Click();
    EXPECT_EQ(t.printDialog.shown, 2);
    EXPECT_EQ(t.requestsSinceRun(), Lines{"PrintRange 1 99"});
}

TEST(CopyCommand, AsksTheDisplayToCopyItsSelection) {
    AfterRun t;
    t.commands.Copy1Click();
    EXPECT_EQ(t.requestsSinceRun(), Lines{"CopySelection"});
}

TEST(ResizeHandler, TheDisplayTakesTheOuterSizeLessTwelveNeverBelowNothing) {
    WindowPlatform t;
    t.commands.myresize(748, 534);
    t.commands.myresize(5, 20);
    EXPECT_EQ(t.display.requests(), (Lines{"Size 736 522", "Size 0 8"}));
}

TEST(ExitCommand, AfterACompleteRunClosesOnlyTheWindow) {
    testing::installed::InstalledWindow t;
    t.open("invitation.ics");
    ASSERT_FALSE(t.state.markers.report);
    // A report that could no longer be closed would fail its close: it is not closed again.
    t.files.unwritable.insert(testing::installed::kReport);
    t.commands.Exit1Click();
    EXPECT_TRUE(t.ui.boxes.empty());
    EXPECT_EQ(t.window.closed, 1);
}

TEST(ExitCommand, ClosesTheReportARunLeftOpen) {
    testing::installed::InstalledWindow t;
    // The working copy cannot be written, so the run ends while the report is open.
    t.files.links.insert(testing::installed::kWorkingCopy);
    t.open("invitation.ics");
    ASSERT_EQ(t.ui.boxes, (std::vector<Box>{{"Kelvor", "I/O error 5"}}));
    ASSERT_TRUE(t.state.markers.report);

    t.commands.Exit1Click();
    EXPECT_FALSE(t.state.markers.report);
    EXPECT_FALSE(t.state.markers.input);
    EXPECT_FALSE(t.state.markers.workingCopy);
    EXPECT_EQ(t.state.report.file, nullptr);
    EXPECT_EQ(t.window.closed, 1);
    EXPECT_EQ(t.ui.boxes.size(), 1u);
}

TEST(MainMenu, MenusAndItemsInOrderWithTheirCaptions) {
    const auto& menus = MainMenu1();
    ASSERT_EQ(menus.size(), 4u);
    Lines captions;
    for (const Menu& menu : menus) {
        captions.push_back(menu.caption + ":");
        for (const MenuItem& item : menu.items) {
            captions.push_back(item.caption);
        }
    }
    EXPECT_EQ(captions,
              (Lines{"File:", "Save Event...", "Print Event...", "Exit", " -----------------------",
                     "RSVP Yes", "RSVP No", "Edit:", "Font size", "Copy", "View:", "Event Report",
                     "Source", "Log file", "Event Table", "Help:"}));
    EXPECT_TRUE(menus[0].items[5].isDefault);
    EXPECT_FALSE(menus[0].items[4].isDefault);
    const MenuItem& table = menus[2].items[3];
    EXPECT_FALSE(table.visible);
    EXPECT_FALSE(table.enabled);
    // "Help" has no items: a click on the entry itself runs it.
    EXPECT_EQ(menus[3].command, Command::Help);
    EXPECT_EQ(menus[0].command, Command::None);
}

TEST(MainMenu, TheDividerAndTheTableItemDoNothing) {
    testing::installed::InstalledWindow t;
    t.open("invitation.ics");
    const Lines requests = t.display.requests();
    const std::string log = t.log();
    const MenuItem& divider = MainMenu1()[0].items[3];
    ASSERT_EQ(divider.name, "N1");
    t.commands.Run(divider.command);
    t.commands.Run(MainMenu1()[2].items[3].command);
    EXPECT_EQ(t.display.requests(), requests);
    EXPECT_EQ(t.log(), log);
    EXPECT_TRUE(t.ui.boxes.empty());
    EXPECT_TRUE(t.mail.handedOver.empty());
    EXPECT_EQ(t.window.closed, 0);
}

TEST(MainMenu, ItemsRunTheirHandlers) {
    AfterRun t;
    t.commands.Run(MainMenu1()[2].items[1].command);  // "Source"
    t.commands.Run(MainMenu1()[1].items[1].command);  // "Copy"
    t.commands.Run(MainMenu1()[3].command);           // "Help"
    EXPECT_EQ(t.requestsSinceRun(),
              (Lines{"ClearDocument", "LoadPlainTextFile /work/tmp/kelvor.ics", "CopySelection",
                     "LoadHtmlFile /opt/kelvor/kelvorHelp.htm"}));
}

TEST(WindowCaption, SetByTheParserOnlyAndKeptByTheCommands) {
    testing::installed::InstalledWindow t;
    t.open("invitation.ics");
    EXPECT_EQ(t.window.captions, Lines{"KELVOR 2.50 input stream content "});
    t.commands.Source1Click();
    t.commands.Helpclick();
    t.commands.RSVPYes1Click();
    EXPECT_EQ(t.window.captions.size(), 1u);
}

TEST(WindowCaption, StaysEmptyWithoutAStream) {
    testing::installed::InstalledWindow t;
    t.open("no-calendar.eml");
    EXPECT_EQ(t.window.captions, Lines{""});
}

// A failure of any kind inside a handler reaches the user; the window stays.
class FailingHandOver : public MailHandOver {
  public:
    void HandOver(const std::vector<std::string>&) override {
        throw std::runtime_error("mail program vanished");
    }
};

TEST(GeneralErrorHandling, AnyErrorIsShownWithItsTextAndTheWindowStaysOpen) {
    testing::installed::InstalledWindow t;
    t.open("invitation.ics");
    FailingHandOver failing;
    WindowCommands commands(t.state,
                            {t.window, t.saveDialog, t.printDialog, t.fontDialog, failing});
    commands.RSVPYes1Click();
    EXPECT_EQ(t.ui.boxes, (std::vector<Box>{{"Kelvor", "mail program vanished"}}));
    EXPECT_EQ(t.window.closed, 0);
    // The check marks are not left set by the failed command.
    EXPECT_FALSE(commands.RSVPYes1Checked());
    EXPECT_FALSE(commands.RSVPNo1Checked());
}

}  // namespace
}  // namespace kelvor
