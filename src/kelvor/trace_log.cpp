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

void CloseLog(TraceLogFile& log) {
    if (log.file) {
        log.file->close();
        log.file.reset();
    }
}

// The log stays open between lines; it is opened again when the working folder has changed or
// after a write failed.
platform::OutputFile* OpenLog(KelvorState& state) {
    TraceLogFile& log = state.traceLog;
    const std::string path = state.pathIn(state.folders.working, "kelvor.log");
    if (log.file && log.path == path) {
        return log.file.get();
    }
    CloseLog(log);
    log.path = path;
    log.file = state.platform.files.openOutput(path, platform::OutputMode::Append, false);
    return log.file.get();
}

// A grown log moves to the backup, replacing the previous one, and a new log begins.
void MoveLogAside(KelvorState& state) {
    TraceLogFile& log = state.traceLog;
    CloseLog(log);
    platform::FileSystem& files = state.platform.files;
    const std::string backupPath = state.pathIn(state.folders.working, "kelvor.bck");
    if (files.exists(backupPath) && !files.remove(backupPath)) {
        throw IoError(kIoAccessDenied);
    }
    if (!files.rename(log.path, backupPath)) {
        throw IoError(kIoAccessDenied);
    }
    log.file = files.openOutput(log.path, platform::OutputMode::Replace, false);
}

}  // namespace

bool LogLine(KelvorState& state, std::string_view message, std::string_view more) {
    std::string line = Stamp(state.platform.clock.localNow());
    line.reserve(line.size() + message.size() + more.size() + 2);
    line.append(message);
    line.append(more);
    line.append("\r\n");

    // A log that cannot be opened loses the line without a word: logging must never be the
    // reason a run fails.
    platform::OutputFile* file = OpenLog(state);
    if (file == nullptr) {
        return false;
    }
    // The size is tested before the line is added, so a log of exactly the limit still takes
    // one more line.
    if (file->size() > kLogSizeLimit) {
        MoveLogAside(state);
        file = state.traceLog.file.get();
        if (file == nullptr) {
            return false;
        }
    }
    if (!file->write(line)) {
        CloseLog(state.traceLog);
        return false;
    }
    return true;
}

bool LogLine(KelvorState& state, std::string_view message) {
    return LogLine(state, message, {});
}

void LogTraced(KelvorState& state, std::string_view message) {
    if (state.tracing) {
        LogLine(state, message, {});
    }
}

void LogTraced(KelvorState& state, std::string_view message, std::string_view more) {
    if (state.tracing) {
        LogLine(state, message, more);
    }
}

}  // namespace kelvor
