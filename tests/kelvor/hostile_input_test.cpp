// Inputs and surroundings that a stranger or another local user may have prepared: links and
// open folders where the program writes, inputs that never end or are huge, invitations made
// to blow the report up, durations made to overflow.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "kelvor/installed_run.h"
#include "kelvor/startup.h"

namespace kelvor {
namespace {

using namespace testing::installed;

bool Logged(const Installed& t, const std::string& message) {
    const Lines log = t.logMessages();
    return std::find(log.begin(), log.end(), message) != log.end();
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

const std::string kInvitation =
    Crlf({"BEGIN:VCALENDAR", "VERSION:2.0", "BEGIN:VEVENT", "DTSTART:20100305T100000",
          "SUMMARY:Lunch", "END:VEVENT", "END:VCALENDAR"});

TEST(HostileSurroundings, LinksUnderTheProgramsFileNamesAreNotWrittenThrough) {
    Installed report;
    report.files.addFolder(kWorking);
    report.files.links.insert(kReport);
    EXPECT_EQ(report.runBytes("inv.ics", kInvitation), StartupOutcome::EndedEarly);
    EXPECT_TRUE(Logged(report, std::string("Unable to create ") + kReport));
    EXPECT_FALSE(report.files.exists(kReport));

    Installed copy;
    copy.files.addFolder(kWorking);
    copy.files.links.insert(kWorkingCopy);
    EXPECT_EQ(copy.runBytes("inv.ics", kInvitation), StartupOutcome::EndedEarly);
    ASSERT_EQ(copy.ui.boxes.size(), 1u);
    EXPECT_EQ(copy.ui.boxes[0].second, "I/O error 5");
    EXPECT_FALSE(copy.files.exists(kWorkingCopy));

    // Without its log the run goes on, but the user is told.
    Installed log;
    const std::string logPath = std::string(kWorking) + "/kelvor.log";
    log.files.addFolder(kWorking);
    log.files.links.insert(logPath);
    EXPECT_EQ(log.runBytes("inv.ics", kInvitation), StartupOutcome::Completed);
    ASSERT_EQ(log.ui.boxes.size(), 1u);
    EXPECT_EQ(log.ui.boxes[0].second, "Unable to write the log " + logPath);
    EXPECT_FALSE(log.files.exists(logPath));

    // Neither log nor report: the report's failure reaches the user too.
    Installed both;
    both.files.addFolder(kWorking);
    both.files.links.insert(logPath);
    both.files.links.insert(kReport);
    EXPECT_EQ(both.runBytes("inv.ics", kInvitation), StartupOutcome::EndedEarly);
    ASSERT_EQ(both.ui.boxes.size(), 2u);
    EXPECT_EQ(both.ui.boxes[1].second, std::string("Unable to create ") + kReport);
}

TEST(HostileSurroundings, AWorkingFolderOthersCanWriteIsRefused) {
    const std::pair<platform::FolderState, std::string> cases[] = {
        {platform::FolderState::OpenToOthers, " (writable by group or others)"},
        {platform::FolderState::NotOwned, " (not owned by the user)"},
        {platform::FolderState::NotWritable, " (not writable)"},
        {platform::FolderState::Missing, " (missing)"},
    };
    for (const auto& [folderState, why] : cases) {
        Installed t;
        t.files.addFolder(kWorking);
        t.files.folderStates[kWorking] = folderState;
        EXPECT_EQ(t.runBytes("inv.ics", kInvitation), StartupOutcome::EndedEarly);
        ASSERT_EQ(t.ui.boxes.size(), 1u) << why;
        EXPECT_EQ(t.ui.boxes[0].second,
                  std::string("Unable to use the working folder ") + kWorking + why);
        // Nothing is written into a folder that is not the user's own.
        EXPECT_TRUE(t.log().empty()) << why;
        EXPECT_FALSE(t.files.exists(kReport)) << why;
    }
}

TEST(HostileSurroundings, WorkingFolderIsAlwaysAbsolute) {
    // HOME unset: the home folder of the user database.
    Installed noHome;
    noHome.environment.variables.erase("XDG_CACHE_HOME");
    noHome.environment.userDatabaseHome = "/home/ann";
    EXPECT_EQ(noHome.runBytes("inv.ics", kInvitation), StartupOutcome::Completed);
    EXPECT_EQ(noHome.state.folders.working, "/home/ann/.cache/kelvor");
    EXPECT_TRUE(noHome.files.exists("/home/ann/.cache/kelvor/kelvor.htm"));

    Installed relativeHome;
    relativeHome.environment.variables.erase("XDG_CACHE_HOME");
    relativeHome.environment.variables["HOME"] = "home/ann";
    relativeHome.environment.userDatabaseHome = "/home/ann";
    relativeHome.runBytes("inv.ics", kInvitation);
    EXPECT_EQ(relativeHome.state.folders.working, "/home/ann/.cache/kelvor");

    // No home anywhere: no folder relative to wherever the program was started.
    Installed nowhere;
    nowhere.environment.variables.erase("XDG_CACHE_HOME");
    EXPECT_EQ(nowhere.runBytes("inv.ics", kInvitation), StartupOutcome::EndedEarly);
    ASSERT_EQ(nowhere.ui.boxes.size(), 1u);
    EXPECT_EQ(nowhere.ui.boxes[0].second,
              "Unable to use the working folder  (not an absolute path)");
    EXPECT_FALSE(nowhere.files.exists(".cache/kelvor/kelvor.log"));

    // The APPDATA folder is created, private, when it is missing.
    Installed appdata;
    appdata.environment.variables["APPDATA"] = "/home/ann/AppData/Roaming";
    EXPECT_EQ(appdata.runBytes("inv.ics", kInvitation), StartupOutcome::Completed);
    EXPECT_TRUE(appdata.files.exists("/home/ann/AppData/local/temp/kelvor.htm"));
}

TEST(HostileInput, InputsThatAreNoRegularFilesAreRefused) {
    Installed t;
    t.files.special.insert("/dev/zero");
    t.environment.args = {"/dev/zero"};
    EXPECT_EQ(startup(t.state), StartupOutcome::EndedEarly);
    EXPECT_TRUE(Logged(t, "Unable to open /dev/zero (not a regular file)"));
    ASSERT_EQ(t.ui.boxes.size(), 1u);
    EXPECT_EQ(t.ui.boxes[0].second, "Unable to open /dev/zero (not a regular file)");

    // Companion files are read only when they are regular files too.
    Installed sheet;
    sheet.files.files.erase("/opt/kelvor/kelvor.css");
    sheet.files.special.insert("/opt/kelvor/kelvor.css");
    EXPECT_EQ(sheet.runBytes("inv.ics", kInvitation), StartupOutcome::Completed);
    EXPECT_TRUE(Logged(sheet, "Unable to open: /opt/kelvor/kelvor.css"));
}

TEST(HostileInput, OnlyTheFirstThousandEventsGetBlocks) {
    Lines lines{"BEGIN:VCALENDAR", "VERSION:2.0"};
    for (int i = 0; i < 1200; ++i) {
        lines.insert(lines.end(), {"BEGIN:VEVENT", "DTSTART:20100305T100000", "END:VEVENT"});
    }
    lines.push_back("END:VCALENDAR");
    Installed t;
    ASSERT_EQ(t.runBytes("many.ics", Crlf(lines)), StartupOutcome::Completed);
    const std::string report = t.report();
    EXPECT_EQ(Count(report, "<tr><td width=\"30%\">Start date</td>"), 1000u);
    const std::string ending = Crlf({Row("&nbsp;", "\xE2\x80\xA6 200 more events not shown"),
                                     kSpacer, "</table></body></html>"});
    ASSERT_GE(report.size(), ending.size());
    EXPECT_EQ(report.substr(report.size() - ending.size()), ending);
    EXPECT_TRUE(Logged(t, "Events not shown: 200"));

    // A thousand events exactly: all shown, no closing row.
    lines.erase(lines.begin() + 2, lines.begin() + 2 + 3 * 200);
    Installed exact;
    ASSERT_EQ(exact.runBytes("many.ics", Crlf(lines)), StartupOutcome::Completed);
    EXPECT_EQ(Count(exact.report(), "more events not shown"), 0u);
    EXPECT_EQ(Count(exact.report(), "<tr><td width=\"30%\">Start date</td>"), 1000u);
}

TEST(HostileInput, ADurationBeyondAHundredYearsIsReadAsAHundredYears) {
    std::string duration = "DURATION:P";
    for (int i = 0; i < 152503; ++i) {
        duration += "100000000W";
    }
    Installed t;
    ASSERT_EQ(t.runBytes("long.ics", Crlf({"BEGIN:VCALENDAR", "VERSION:2.0", "BEGIN:VEVENT",
                                           "DTSTART:20100305T100000", duration, "END:VEVENT",
                                           "END:VCALENDAR"})),
              StartupOutcome::Completed);
    // 36525 days on from 5 March 2010; the century holds 24 leap days (2100 is none).
    EXPECT_NE(t.report().find(Row("Until", "06-Mar-2110 10:00")), std::string::npos);
    EXPECT_NE(t.report().find(Row("Duration", "36525day + 00:00")), std::string::npos);
    EXPECT_TRUE(Logged(
        t, "Duration longer than 100 years, read as 100 years: P" + duration.substr(10, 63)));
}

}  // namespace
}  // namespace kelvor
