#include "kelvor/startup.h"

#include <array>
#include <cctype>
#include <cstddef>
#include <string>
#include <string_view>

#include "kelvor/display_control.h"
#include "kelvor/intake.h"
#include "kelvor/io_error.h"
#include "kelvor/kelvor_state.h"
#include "kelvor/path_parts.h"
#include "kelvor/report_writer.h"
#include "kelvor/settings_file.h"
#include "kelvor/trace_log.h"
#include "kelvor/zones.h"
#include "platform/ascii.h"
#include "platform/text_file_reader.h"

namespace kelvor {

namespace {

constexpr std::size_t kAppdataValueLength = 255;
constexpr std::string_view kAppdata = "appdata";
constexpr unsigned kPrivateFolderMode = 0700;
constexpr unsigned kWhite = 0xFFFFFF;
constexpr const char* kNewMailKey = "\\Software\\Pegasus Mail\\NewMail";

bool IsSet(const std::optional<std::string>& value) {
    return value && !value->empty();
}

// The user's own cache folder for the program. It replaces a shared temporary folder, where
// anyone could have put links under the program's fixed file names. Without HOME the home
// folder comes from the user database; a folder relative to wherever the program was started
// is never used.
std::string PrivateWorkingFolder(const KelvorState& state) {
    const platform::Environment& environment = state.platform.environment;
    const platform::FileSystem& files = state.platform.files;
    const char separator = files.separator();
    const auto cache = environment.variable("XDG_CACHE_HOME");
    if (IsSet(cache) && files.isAbsolute(*cache)) {
        return state.pathIn(*cache, "kelvor");
    }
    const std::string cacheFolder = std::string(".cache") + separator + "kelvor";
    const auto home = environment.variable("HOME");
    if (IsSet(home) && files.isAbsolute(*home)) {
        return state.pathIn(*home, cacheFolder);
    }
    const std::string recorded = environment.homeFromUserDatabase();
    return files.isAbsolute(recorded) ? state.pathIn(recorded, cacheFolder) : "";
}

// Why a folder cannot be the working folder, in the user's words; empty when it can.
std::string FolderProblem(platform::FolderState folderState) {
    switch (folderState) {
        case platform::FolderState::Usable:
            return "";
        case platform::FolderState::Missing:
            return " (missing)";
        case platform::FolderState::NotAFolder:
            return " (not a folder)";
        case platform::FolderState::NotOwned:
            return " (not owned by the user)";
        case platform::FolderState::OpenToOthers:
            return " (writable by group or others)";
        case platform::FolderState::NotWritable:
            return " (not writable)";
    }
    return " (not usable)";
}

// The working folder must be the user's own: another user who can write there could put links
// or files under the program's fixed names. A folder that is missing is created private.
// False, after telling the user, when no folder can be used; nothing is logged then, since the
// log would be in that folder.
bool UsableWorkingFolder(KelvorState& state, const std::string& folder) {
    platform::FileSystem& files = state.platform.files;
    std::string problem;
    if (!files.isAbsolute(folder)) {
        problem = " (not an absolute path)";
    } else {
        if (!files.isDirectory(folder)) {
            files.createDirectories(folder, kPrivateFolderMode);
        }
        problem = FolderProblem(files.folderState(folder));
    }
    if (problem.empty()) {
        return true;
    }
    state.platform.ui.messageBox(kDefaultErrorCaption,
                                 "Unable to use the working folder " + folder + problem);
    return false;
}

bool SettleWorkingFolder(KelvorState& state) {
    std::string value = state.platform.environment.variable("APPDATA").value_or("");
    if (value.size() > kAppdataValueLength) {
        value.resize(kAppdataValueLength);
    }
    const auto position = ascii::LowerCased(value).find(kAppdata);
    if (position != std::string::npos) {
        const char separator = state.platform.files.separator();
        const std::string localTemp = std::string("local") + separator + "temp";
        const std::string folder =
            state.pathIn(value.substr(0, position + kAppdata.size()), localTemp);
        state.folders.working = folder;
        return UsableWorkingFolder(state, folder);
    }
    // The line goes to the log of the folder the run will use, not to one named by whatever the
    // variable held (with an empty variable that would be the root folder).
    const std::string folder = PrivateWorkingFolder(state);
    state.folders.working = folder;
    if (!UsableWorkingFolder(state, folder)) {
        return false;
    }
    LogLine(state, "No APPDATA variable on system, using " + folder);
    return true;
}

// Logs a line that ends the run; when the log cannot take it, the user is told instead, so
// that a run never ends without a word.
void LogOrTell(KelvorState& state, const std::string& message) {
    if (!LogLine(state, message)) {
        state.platform.ui.messageBox(kDefaultErrorCaption, message);
    }
}

struct CompanionFile {
    std::string name;
    const char* foundLabel;
    const char* missingLabel;
};

void CheckCompanionFiles(KelvorState& state, const std::string& programName) {
    const std::array<CompanionFile, 5> companions{{
        {programName, "KELVOR.EXE (ok) in ", "KELVOR.EXE not found in "},
        {"kelvor.ini", "KELVOR.INI (ok) in ", "KELVOR.INI not found in "},
        {"kelvor.css", "KELVOR.CSS (ok) in ", "KELVOR.CSS not found in "},
        {"kelvortz.txt", "KELVORTZ.TXT (ok) in ", "KELVORTZ.TXT not found in "},
        {"kelvorHelp.htm", "KELVORHELP.HTM (ok) in ", "KELVORHelp.htm not found in "},
    }};
    const platform::FileSystem& files = state.platform.files;
    const std::string& folder = state.folders.program;
    for (const CompanionFile& companion : companions) {
        const std::string path = state.pathIn(folder, companion.name);
        const bool found =
            !companion.name.empty() && files.exists(path) && !files.isDirectory(path);
        LogLine(state, (found ? companion.foundLabel : companion.missingLabel) + folder);
    }
}

void ReadNewMailFolder(KelvorState& state) {
    const auto value = state.platform.registry.readDefaultValue(kNewMailKey);
    if (!value) {
        return;  // the folder stays as it was
    }
    const char separator = state.platform.files.separator();
    std::string folder = state.platform.files.shortPath(*value);
    // An empty folder stays empty: a lone separator would name the root folder.
    if (!folder.empty() && folder.back() != separator) {
        folder.push_back(separator);
    }
    state.folders.newMail = folder;
}

void SettleUsersZone(KelvorState& state) {
    if (state.settings.myTzid.empty()) {
        LogTraced(state, "Calling Gettimezone");
        Gettimezone(state);
    } else {
        LookUpConfiguredZone(state, state.settings.myTzid);
    }
    CompleteMyTZ(state);
    LogTraced(state, "My TZID: " + state.zones.MyTZ.Tzid);
    LogTraced(state, "Done Gettimezone");
}

StartupOutcome RunSequence(KelvorState& state) {
    if (!StartupThroughSettings(state)) {
        return StartupOutcome::EndedEarly;
    }

    state.report.path = state.pathIn(state.folders.working, "kelvor.htm");
    LogTraced(state, "Writing report to: " + state.report.path);
    if (!WriteReportHeading(state)) {
        LogOrTell(state, "Unable to create " + state.report.path);
        return StartupOutcome::EndedEarly;
    }
    LogTraced(state, "Report heading written");
    state.display.SetDefBackground(kWhite);

    SettleUsersZone(state);

    return ScanStep(state) ? StartupOutcome::Completed : StartupOutcome::EndedEarly;
}

}  // namespace

bool StartupThroughSettings(KelvorState& state) {
    state.tracing = false;
    state.markers = OpenFileMarkers{};
    ResetSettingDefaults(state.settings);

    if (!SettleWorkingFolder(state)) {
        return false;
    }
    const char separator = state.platform.files.separator();
    const std::string programPath = state.platform.environment.programPath();
    state.folders.input = state.folders.working;
    state.folders.program = FolderOf(programPath, separator);

    if (!LogLine(state, "  ")) {
        // The run goes on without its log, but the user learns that it has none.
        state.platform.ui.messageBox(
            kDefaultErrorCaption,
            "Unable to write the log " + state.pathIn(state.folders.working, "kelvor.log"));
    }
    LogLine(state, "KELVOR file locations check:");
    LogLine(state, "Tempdir: " + state.folders.working);
    LogLine(state, "KVDIR:        " + state.folders.program);
    CheckCompanionFiles(state, NameOf(programPath, separator));

    ReadNewMailFolder(state);

    // Without a settings file the defaults stand; only a file that is there but cannot be read
    // ends the run, since the user meant something by it.
    const std::string settingsPath = state.pathIn(state.folders.program, "kelvor.ini");
    platform::TextFileReader settingsFile;
    if (state.platform.files.exists(settingsPath) &&
        !settingsFile.open(state.platform.files, settingsPath)) {
        LogOrTell(state, "Unable to open KELVOR.INI in " + state.folders.program);
        return false;
    }
    LogLine(state, "Current KELVOR.EXE directory: " + state.folders.program);

    // The line list is a member of the state and is reused from run to run; the display has
    // no window to follow here, so there is nothing to resize.

    if (!CommandLineStep(state)) {
        return false;
    }

    state.rules.interval = 1;
    state.rules.count = 1;

    if (settingsFile.isOpen()) {
        ReadSettingsLines(state, settingsFile);
        settingsFile.close();
    }
    return true;
}

StartupOutcome startup(KelvorState& state) {
    // The default error report: an unhandled failure ends this run and is shown to the user;
    // what was done so far stays done.
    try {
        return RunSequence(state);
    } catch (const IoError& error) {
        state.platform.ui.messageBox(kDefaultErrorCaption, error.what());
    } catch (const MissingFileError& error) {
        state.platform.ui.messageBox(kDefaultErrorCaption, error.what());
    }
    return StartupOutcome::EndedEarly;
}

}  // namespace kelvor
