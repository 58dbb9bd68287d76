#pragma once

// A whole run of the start-up sequence on an installed program: the real companion files in a
// fake program folder, shared by the end-to-end tests.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fakes/test_platform.h"
#include "kelvor/startup.h"

namespace kelvor::testing::installed {

using testing::TestPlatform;
using Lines = std::vector<std::string>;

inline const char* const kWorking = "/work/tmp/kelvor";
inline const char* const kReport = "/work/tmp/kelvor/kelvor.htm";
inline const char* const kWorkingCopy = "/work/tmp/kelvor/kelvor.ics";

inline std::string SourceFile(const std::string& relativePath) {
    std::ifstream in(std::string(KELVOR_SOURCE_DIR) + "/" + relativePath, std::ios::binary);
    EXPECT_TRUE(in.good()) << relativePath;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string Crlf(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

inline std::string Row(const std::string& label, const std::string& value) {
    return "<tr><td width=\"30%\">" + label + "</td><td width=\"70%\">" + value + "</td></tr>";
}

inline const std::string kSpacer = Row("&nbsp", "&nbsp;");
inline const std::string kTableEnd =
    "<tr><td width=\"50%\">&nbsp;<td width=\"50%\">&nbsp;</td></tr>";

// An installed program with the shipped companion files, on a system one hour east of UTC
// whose daylight time runs from the last Sunday of March to the last Sunday of October. The
// clock stands at 8 December 2026 (day 342, standard time).
struct Installed : TestPlatform {
    Installed() {
        environment.program = "/opt/kelvor/kelvor";
        environment.variables["XDG_CACHE_HOME"] = "/work/tmp";
        files.addFile("/opt/kelvor/kelvor", "program");
        files.addFile("/opt/kelvor/kelvorHelp.htm", "<html></html>");
        for (const char* name : {"kelvor.ini", "kelvor.css", "kelvortz.txt"}) {
            files.addFile(std::string("/opt/kelvor/") + name,
                          SourceFile(std::string("data/") + name));
        }
        platform::TimeZoneInformation cet;
        cet.bias = -60;
        cet.daylightBias = -60;
        cet.standardDate = {10, 5, 0, 3, 0};
        cet.daylightDate = {3, 5, 0, 2, 0};
        cet.inForce = platform::ZonePeriodInForce::Standard;
        timeZone.info = cet;
        timeZone.offsetMinutes = 60;
    }

    StartupOutcome run(const std::string& example) {
        return runBytes(example, SourceFile("examples/" + example));
    }

    StartupOutcome runBytes(const std::string& name, std::string bytes) {
        files.addFile("/home/ann/mail/" + name, std::move(bytes));
        environment.args = {"/home/ann/mail/" + name};
        return startup(state);
    }

    std::string report() const { return files.content(kReport); }

    // The heading with the shipped style sheet, as every report of these runs begins.
    std::string heading() const {
        return "\xEF\xBB\xBF" +
               Crlf({"<html><head><title><h4>KELVOR Report</h4></title>", "</head><body><table>",
                     "<style>"}) +
               files.content("/opt/kelvor/kelvor.css") + Crlf({"</style>"});
    }
};

// What every run logs before its stream, with tracing off.
inline Lines StartupLog(const std::string& inputName) {
    return {"No APPDATA variable on system, using /work/tmp/kelvor",
            "  ",
            "KELVOR file locations check:",
            "Tempdir: /work/tmp/kelvor",
            "KVDIR:        /opt/kelvor",
            "KELVOR.EXE (ok) in /opt/kelvor",
            "KELVOR.INI (ok) in /opt/kelvor",
            "KELVOR.CSS (ok) in /opt/kelvor",
            "KELVORTZ.TXT (ok) in /opt/kelvor",
            "KELVORHELP.HTM (ok) in /opt/kelvor",
            "Current KELVOR.EXE directory: /opt/kelvor",
            "Processing file: " + inputName,
            "In location: /home/ann/mail"};
}

inline Lines Concat(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace kelvor::testing::installed
