#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace kelvor {

struct KelvorState;

// The log file while the program holds it open: its path (the working folder can change from
// run to run) and the open file, whose size is known without asking the file system again.
struct TraceLogFile {
    std::string path;
    std::unique_ptr<platform::OutputFile> file;
};

// Appends one stamped line to kelvor.log in the working folder in force now; false when the
// line could not be written (it is then lost, without a word).
bool LogLine(KelvorState& state, std::string_view message);
// The same for a message made of two parts, so that callers need not join them.
bool LogLine(KelvorState& state, std::string_view message, std::string_view more);
// Writes the line only while tracing is on; the message is not even joined otherwise.
void LogTraced(KelvorState& state, std::string_view message);
void LogTraced(KelvorState& state, std::string_view message, std::string_view more);

}  // namespace kelvor
