#include "kelvor/trace_log.h"

#include <cstdio>
#include <string>

#include "kelvor/io_error.h"
#include "kelvor/kelvor_state.h"

namespace kelvor {

namespace {
constexpr std::uint64_t kLogSizeLimit = 40000;

std::string Stamp(const platform::CivilTime& now) {
    char stamp[16];
    std::snprintf(stamp, sizeof stamp, "%02d:%02d ", now.hour % 100, now.minute % 100);
    return stamp;
}
}  // namespace

void LogLine(KelvorState& state, std::string_view message) {
    platform::FileSystem& files = state.platform.files;
    const std::string logPath = state.pathIn(state.folders.working, "kelvor.log");
    std::string line = Stamp(state.platform.clock.localNow());
    line.append(message);
    line.append("\r\n");

    const auto size = files.size(logPath);
    if (!size) {
        // A log that cannot be created loses the line without a word: logging must never be
        // the reason a run fails.
        files.writeAll(logPath, line);
        return;
    }
    if (*size > kLogSizeLimit) {
        const std::string backupPath = state.pathIn(state.folders.working, "kelvor.bck");
        if (files.exists(backupPath) && !files.remove(backupPath)) {
            throw IoError(kIoAccessDenied);
        }
        if (!files.rename(logPath, backupPath)) {
            throw IoError(kIoAccessDenied);
        }
        files.writeAll(logPath, "");
    }
    files.append(logPath, line);
}

void LogTraced(KelvorState& state, std::string_view message) {
    if (state.tracing) {
        LogLine(state, message);
    }
}

}  // namespace kelvor
