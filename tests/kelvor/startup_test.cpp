#include "kelvor/startup.h"

#include <gtest/gtest.h>

#include "fakes/test_platform.h"
#include "kelvor/io_error.h"

namespace kelvor {
namespace {

using testing::TestPlatform;
using Lines = std::vector<std::string>;

const char* const kProgramFolder = "/opt/kelvor";
const char* const kCache = "/home/ann/.cache/kelvor";

// A machine on which the program and all its companion files are installed and the user has
// a home folder but no APPDATA variable.
struct Installed : TestPlatform {
    Installed() {
        environment.program = "/opt/kelvor/kelvor";
        environment.variables["HOME"] = "/home/ann";
        files.addFolder("/home/ann");
        for (const char* name :
             {"kelvor", "kelvor.ini", "kelvor.css", "kelvortz.txt", "kelvorHelp.htm"}) {
            files.addFile(std::string(kProgramFolder) + "/" + name, "");
        }
    }
    void settings(const std::string& text) { files.addFile("/opt/kelvor/kelvor.ini", text); }
};

Lines StartupBlock(const std::string& workingFolder) {
    return {"  ",
            "KELVOR file locations check:",
            "Tempdir: " + workingFolder,
            "KVDIR:        /opt/kelvor",
            "KELVOR.EXE (ok) in /opt/kelvor",
            "KELVOR.INI (ok) in /opt/kelvor",
            "KELVOR.CSS (ok) in /opt/kelvor",
            "KELVORTZ.TXT (ok) in /opt/kelvor",
            "KELVORHELP.HTM (ok) in /opt/kelvor",
            "Current KELVOR.EXE directory: /opt/kelvor"};
}

Lines Concat(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(Startup, WithoutArgumentLogsTheBlockAndTheAdviceAndEndsEarly) {
    Installed t;
    EXPECT_EQ(startup(t.state), StartupOutcome::EndedEarly);
    EXPECT_EQ(t.state.folders.working, kCache);
    EXPECT_TRUE(t.files.isDirectory(kCache));
    const Lines expected = Concat(
        Concat({"No APPDATA variable on system, using /home/ann/.cache/kelvor"},
               StartupBlock(kCache)),
        {"No input file", "   Either Pegasus Mail should call Kelvor with CNM message file, or",
         "   ICS file should be opened in Pegasus Mail attachment viewer, or",
         "   ICS file should be opened in Windows Explorer (or equivalent)"});
    EXPECT_EQ(t.logMessages(), expected);
    ASSERT_EQ(t.ui.boxes.size(), 1u);
    EXPECT_EQ(t.ui.boxes[0],
              std::make_pair(std::string("trace"), std::string("No input file available")));
}

TEST(Startup, WithArgumentLogsTheBlockAndTheInputFileThenReadsTheSettings) {
    Installed t;
    t.environment.args = {"/home/ann/mail/inv.cnm"};
    t.settings("tracing=true\r\nfontsize=11\r\n");
    EXPECT_TRUE(StartupThroughSettings(t.state));
    const Lines expected =
        Concat(Concat({"No APPDATA variable on system, using /home/ann/.cache/kelvor"},
                      StartupBlock(kCache)),
               {"Processing file: inv.cnm", "In location: /home/ann/mail", "Fontsize set to: 11"});
    EXPECT_EQ(t.logMessages(), expected);
    EXPECT_TRUE(t.ui.boxes.empty());
    EXPECT_EQ(t.state.sourceType, "File");
    EXPECT_EQ(t.state.folders.input, "/home/ann/mail");
    EXPECT_EQ(t.state.folders.program, kProgramFolder);
    EXPECT_TRUE(t.state.tracing);
    EXPECT_EQ(t.state.settings.fontSize, "11");
}

TEST(Startup, WorkingFolderComesFromTheAppdataVariable) {
    Installed windowsStyle;
    windowsStyle.environment.variables["APPDATA"] = "C:\\Users\\user\\AppData\\Roaming";
    windowsStyle.files.addFolder("C:\\Users\\user\\AppData/local/temp");
    // The case of the value stays; what follows "appdata" is our own, with our separator. On
    // this system that path is relative to wherever the program started: refused.
    EXPECT_EQ(startup(windowsStyle.state), StartupOutcome::EndedEarly);
    EXPECT_EQ(windowsStyle.state.folders.working, "C:\\Users\\user\\AppData/local/temp");
    ASSERT_EQ(windowsStyle.ui.boxes.size(), 1u);
    EXPECT_EQ(windowsStyle.ui.boxes[0].second,
              "Unable to use the working folder C:\\Users\\user\\AppData/local/temp (not an "
              "absolute path)");
    EXPECT_TRUE(windowsStyle.files.files.count("C:\\Users\\user\\AppData/local/temp/kelvor.log") ==
                0);

    Installed posix;
    posix.environment.variables["APPDATA"] = "/home/ann/APPDATA/Roaming/appdata";
    startup(posix.state);
    EXPECT_EQ(posix.state.folders.working, "/home/ann/APPDATA/local/temp");
    EXPECT_TRUE(posix.files.isDirectory("/home/ann/APPDATA/local/temp"));  // created
    EXPECT_EQ(posix.logMessages()[0], "  ");                               // no fallback line

    Installed applicationData;
    applicationData.environment.variables["APPDATA"] =
        "C:\\Documents and Settings\\user\\Application Data";
    startup(applicationData.state);
    EXPECT_EQ(applicationData.state.folders.working, kCache);
    EXPECT_EQ(applicationData.logMessages()[0],
              "No APPDATA variable on system, using /home/ann/.cache/kelvor");

    Installed empty;
    empty.environment.variables["APPDATA"] = "";
    empty.environment.variables["XDG_CACHE_HOME"] = "/var/cache/ann";
    startup(empty.state);
    EXPECT_EQ(empty.state.folders.working, "/var/cache/ann/kelvor");
    EXPECT_TRUE(empty.files.isDirectory("/var/cache/ann/kelvor"));
    EXPECT_EQ(empty.logMessages()[0], "No APPDATA variable on system, using /var/cache/ann/kelvor");
    EXPECT_FALSE(empty.files.exists("/kelvor.log"));

    Installed relativeCache;
    relativeCache.environment.variables["XDG_CACHE_HOME"] = "cache";  // not absolute: ignored
    startup(relativeCache.state);
    EXPECT_EQ(relativeCache.state.folders.working, kCache);

    Installed longValue;
    longValue.environment.variables["APPDATA"] = "/" + std::string(250, 'x') + "/appdata";
    startup(longValue.state);  // "appdata" lies beyond the 255 characters read
    EXPECT_EQ(longValue.state.folders.working, kCache);
}

TEST(Startup, MissingCompanionFilesAreLoggedWithTheirOwnLabels) {
    Installed t;
    t.files.files.clear();
    t.files.addFolder("/opt/kelvor/kelvor.css");  // a folder is not the style sheet
    startup(t.state);
    const Lines log = t.logMessages();
    ASSERT_GE(log.size(), 11u);
    EXPECT_EQ(Lines(log.begin() + 5, log.begin() + 11),
              (Lines{"KELVOR.EXE not found in /opt/kelvor", "KELVOR.INI not found in /opt/kelvor",
                     "KELVOR.CSS not found in /opt/kelvor", "KELVORTZ.TXT not found in /opt/kelvor",
                     "KELVORHelp.htm not found in /opt/kelvor",
                     "Current KELVOR.EXE directory: /opt/kelvor"}));

    Installed renamed;
    renamed.environment.program = "/opt/kelvor/kelvor-2.50";  // the running program's own name
    startup(renamed.state);
    EXPECT_EQ(renamed.logMessages()[5], "KELVOR.EXE not found in /opt/kelvor");
    renamed.files.addFile("/opt/kelvor/kelvor-2.50", "");
    startup(renamed.state);
    EXPECT_EQ(renamed.logMessages()[5 + 15], "KELVOR.EXE (ok) in /opt/kelvor");
}

TEST(Startup, NewMailFolderFromTheRegistryInShortFormWithASeparator) {
    const std::string key = "\\Software\\Pegasus Mail\\NewMail";
    Installed t;
    t.files.addFolder("/home/ann/pmail/new");
    t.registry.defaultValues[key] = "/home/ann/pmail/new";
    startup(t.state);
    EXPECT_EQ(t.state.folders.newMail, "/home/ann/pmail/new/");

    t.files.folders.insert("/home/ann/pmail/new/");  // the fake knows paths only as written
    t.registry.defaultValues[key] = "/home/ann/pmail/new/";
    startup(t.state);
    EXPECT_EQ(t.state.folders.newMail, "/home/ann/pmail/new/");

    t.registry.defaultValues[key] = "/home/ann/pmail/gone";  // no such folder: short form empty
    startup(t.state);
    EXPECT_EQ(t.state.folders.newMail, "");

    t.registry.defaultValues[key] = "/home/ann/pmail/new";
    startup(t.state);
    t.registry.defaultValues.clear();  // key missing: the folder stays as it was
    startup(t.state);
    EXPECT_EQ(t.state.folders.newMail, "/home/ann/pmail/new/");
}

TEST(Startup, SettingsFileMissingOrUnreadable) {
    Installed missing;
    missing.files.files.erase("/opt/kelvor/kelvor.ini");
    missing.environment.args = {"/home/ann/inv.ics"};
    EXPECT_TRUE(StartupThroughSettings(missing.state));  // defaults stand, the run goes on
    EXPECT_EQ(missing.state.settings.labels.where, "Location");
    EXPECT_EQ(missing.logMessages()[6], "KELVOR.INI not found in /opt/kelvor");
    EXPECT_TRUE(missing.ui.boxes.empty());

    Installed unreadable;
    unreadable.environment.args = {"/home/ann/inv.ics"};
    unreadable.files.unreadable.insert("/opt/kelvor/kelvor.ini");
    EXPECT_EQ(startup(unreadable.state), StartupOutcome::EndedEarly);
    const Lines log = unreadable.logMessages();
    EXPECT_EQ(log.back(), "Unable to open KELVOR.INI in /opt/kelvor");
    EXPECT_EQ(log.size(), 11u);  // fallback line, block up to the help page, this line
    EXPECT_TRUE(unreadable.ui.boxes.empty());
}

TEST(Startup, EveryRunStartsFromTheDefaults) {
    Installed t;
    t.environment.args = {"/home/ann/inv.ics"};
    t.settings("tracing=true\r\nfontname=Arial\r\nmytzid=Zone\r\ndateformat=de\r\nwhere=Ort\r\n");
    t.state.markers = OpenFileMarkers{true, true, true};
    t.state.rules.interval = 7;
    t.state.rules.count = 3;
    ASSERT_TRUE(StartupThroughSettings(t.state));
    EXPECT_EQ(t.state.markers.input, false);
    EXPECT_EQ(t.state.markers.workingCopy, false);
    EXPECT_EQ(t.state.markers.report, false);
    EXPECT_EQ(t.state.rules.interval, 1);
    EXPECT_EQ(t.state.rules.count, 1);
    EXPECT_EQ(t.state.settings.labels.where, "Ort");

    t.settings("fontsize=9\r\n");
    ASSERT_TRUE(StartupThroughSettings(t.state));
    EXPECT_FALSE(t.state.tracing);
    EXPECT_EQ(t.state.settings.labels.where, "Location");
    EXPECT_EQ(t.state.settings.myTzid, "");
    EXPECT_EQ(t.state.settings.dateFormat, "en");
    EXPECT_EQ(t.state.settings.fontName, "Arial");  // font settings are not reset
    EXPECT_EQ(t.state.settings.fontSize, "9");
}

TEST(Startup, UnhandledIoErrorIsShownAndEndsTheRun) {
    Installed t;
    t.files.addFolder(kCache);
    t.files.addFile(std::string(kCache) + "/kelvor.log", std::string(40001, 'x'));
    t.files.addFile(std::string(kCache) + "/kelvor.bck", "held");
    t.files.locked.insert(std::string(kCache) + "/kelvor.bck");
    EXPECT_EQ(startup(t.state), StartupOutcome::EndedEarly);
    ASSERT_EQ(t.ui.boxes.size(), 1u);
    EXPECT_EQ(t.ui.boxes[0].first, "Kelvor");
    EXPECT_EQ(t.ui.boxes[0].second, "I/O error 5");
}

}  // namespace
}  // namespace kelvor
