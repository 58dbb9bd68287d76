#include "kelvor/intake.h"

#include <string>
#include <string_view>
#include <utility>

#include "kelvor/io_error.h"
#include "kelvor/kelvor_state.h"
#include "kelvor/parser.h"
#include "kelvor/report_writer.h"
#include "kelvor/stream_preparation.h"
#include "kelvor/trace_log.h"
#include "platform/ascii.h"
#include "platform/text_file_reader.h"

namespace kelvor {

namespace {

// A stream is recognised by its first line alone, wherever it stands in the file, so message
// files and calendar files need no telling apart. The second marker is the first line in
// base64: "BEGIN:VCALENDAR" is five whole groups, so every encoded body starts with it.
constexpr std::string_view kPlainMarker = "BEGIN:VCALENDAR";
constexpr std::string_view kBase64Marker = "QkVHSU46VkNBTEVOREFS";

// An empty line or a MIME boundary ("--...") ends a stream body; so does the end of the file,
// which reads as an empty line.
bool EndsStreamBody(const std::string& line) {
    return line.empty() || line.front() == '-';
}

void CloseInput(KelvorState& state, platform::TextFileReader& input) {
    if (state.markers.input) {
        input.close();
        state.markers.input = false;
    }
}

void PlainExtraction(KelvorState& state, platform::TextFileReader& input,
                     const std::string& firstLine, const std::string& workingCopyPath) {
    platform::FileSystem& files = state.platform.files;
    if (!files.writeAll(workingCopyPath, "")) {
        throw IoError(kIoAccessDenied);
    }
    state.markers.workingCopy = true;

    std::string copy = firstLine + "\r\n";
    for (std::string line = input.readLine(); !EndsStreamBody(line); line = input.readLine()) {
        copy += line;
        copy += "\r\n";
    }

    LogTraced(state, "Infile closed");
    CloseInput(state, input);
    if (state.markers.workingCopy) {
        state.markers.workingCopy = false;
        if (!files.writeAll(workingCopyPath, copy)) {
            throw IoError(kIoAccessDenied);
        }
    }
    state.streamFound = true;

    auto extracted = files.readAll(workingCopyPath);
    if (!extracted) {
        throw IoError(kIoFileNotFound);
    }
    state.streamText = std::move(*extracted);
    PrepareStream(state);
    FillMylist(state);
    ParseStream(state);
}

void Base64Extraction(KelvorState& state, platform::TextFileReader& input,
                      const std::string& firstLine, const std::string& workingCopyPath) {
    LogTraced(state, "Base64 BEGIN:VCALENDAR detected");
    std::string encoded(ascii::TrimSpacesAndControls(firstLine));
    for (std::string line = input.readLine(); !EndsStreamBody(line); line = input.readLine()) {
        encoded += ascii::TrimSpacesAndControls(line);
    }
    CloseInput(state, input);

    state.streamText = Base64Decode(encoded);
    LogTraced(state, "Decoded Base64 data ok");
    PrepareStream(state);
    if (!state.platform.files.writeAll(workingCopyPath, state.streamText)) {
        throw IoError(kIoAccessDenied);
    }
    state.streamFound = true;
    FillMylist(state);
    ParseStream(state);
}

}  // namespace

bool ScanStep(KelvorState& state) {
    platform::TextFileReader input;
    if (!input.open(state.platform.files, state.inputPath)) {
        // Reading on from a file that never opened would only give the user an error number;
        // the path tells them what went wrong.
        const std::string message = "Unable to open " + state.inputPath;
        LogLine(state, message);
        state.platform.ui.messageBox("Kelvor", message);
        return false;
    }
    state.markers.input = true;

    const std::string workingCopyPath = state.pathIn(state.folders.working, "kelvor.ics");
    LogTraced(state, "Opening " + state.inputPath);

    while (!input.eof()) {
        const std::string line = input.readLine();
        if (line.empty()) {
            continue;
        }
        if (line.starts_with(kPlainMarker)) {
            PlainExtraction(state, input, line, workingCopyPath);
            break;
        }
        if (line.starts_with(kBase64Marker)) {
            Base64Extraction(state, input, line, workingCopyPath);
            break;
        }
    }

    // The flag outlives the run: a stream found by an earlier run keeps the notice away.
    if (!state.streamFound) {
        WriteNoStreamEnding(state);
    }
    return true;
}

}  // namespace kelvor
