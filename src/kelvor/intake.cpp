#include "kelvor/intake.h"

#include <cctype>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "kelvor/io_error.h"
#include "kelvor/kelvor_state.h"
#include "kelvor/parser.h"
#include "kelvor/report_writer.h"
#include "kelvor/stream_preparation.h"
#include "kelvor/trace_log.h"
#include "kelvor/transfer_decoding.h"
#include "platform/ascii.h"
#include "platform/text_file_reader.h"

namespace kelvor {

namespace {

// A stream is recognised by its first line alone, wherever it stands in the file, so message
// files and calendar files need no telling apart. The second marker is the first line in
// base64: "BEGIN:VCALENDAR" is five whole groups, so every encoded body starts with it.
constexpr std::string_view kPlainMarker = "BEGIN:VCALENDAR";
constexpr std::string_view kBase64Marker = "QkVHSU46VkNBTEVOREFS";

// A mail message or a calendar file is a few hundred kilobytes; a larger input is refused
// rather than held in memory several times over.
constexpr std::uint64_t kLargestInput = 64ull * 1024 * 1024;

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

// Tells from a line of the headers of a message or of one of its parts whether the body that
// follows is quoted-printable. A boundary line starts a new part, which is plain until its own
// headers say otherwise.
bool QuotedPrintableAfter(const std::string& line, bool quotedPrintable) {
    if (line.front() == '-') {
        return false;
    }
    constexpr std::string_view kHeader = "content-transfer-encoding:";
    if (line.size() < kHeader.size()) {
        return quotedPrintable;
    }
    const std::string lower = ascii::LowerCased(line);
    if (!lower.starts_with(kHeader)) {
        return quotedPrintable;
    }
    return ascii::TrimSpacesAndControls(lower.substr(kHeader.size())) == "quoted-printable";
}

void PlainExtraction(KelvorState& state, platform::TextFileReader& input,
                     const std::string& firstLine, bool quotedPrintable) {
    std::string copy;
    copy.reserve(firstLine.size() + input.remaining() + 2);
    copy += firstLine;
    copy += "\r\n";
    for (std::string line = input.readLine(); !EndsStreamBody(line); line = input.readLine()) {
        copy += line;
        copy += "\r\n";
    }
    if (quotedPrintable) {
        copy = QuotedPrintableDecode(copy);
        LogTraced(state, "Quoted-printable data decoded");
    }

    LogTraced(state, "Infile closed");
    CloseInput(state, input);
    // The copy goes to the working copy once, prepared; it is not written raw and read back.
    state.streamText = std::move(copy);
    PrepareStream(state);
    ParseStream(state);
}

void Base64Extraction(KelvorState& state, platform::TextFileReader& input,
                      const std::string& firstLine) {
    LogTraced(state, "Base64 BEGIN:VCALENDAR detected");
    {
        std::string encoded(ascii::TrimSpacesAndControls(firstLine));
        for (std::string line = input.readLine(); !EndsStreamBody(line); line = input.readLine()) {
            encoded += ascii::TrimSpacesAndControls(line);
        }
        CloseInput(state, input);
        state.streamText = Base64Decode(encoded);
    }
    LogTraced(state, "Decoded Base64 data ok");
    // The preparation writes the working copy and fills the line list.
    PrepareStream(state);
    ParseStream(state);
}

}  // namespace

bool ScanStep(KelvorState& state) {
    platform::ReadResult read = state.platform.files.readFile(state.inputPath, kLargestInput);
    if (read.status != platform::ReadStatus::Ok) {
        // Reading on from a file that never opened would only give the user an error number;
        // the path (and what is wrong with the file) tells them what went wrong.
        std::string message = "Unable to open " + state.inputPath;
        if (read.status == platform::ReadStatus::NotRegular) {
            message += " (not a regular file)";
        } else if (read.status == platform::ReadStatus::TooLarge) {
            message += " (larger than 64 MB)";
        }
        LogLine(state, message);
        state.platform.ui.messageBox("Kelvor", message);
        return false;
    }
    std::optional<std::string> bytes(std::move(read.bytes));
    // A calendar saved as UTF-16 is read like its UTF-8 twin.
    const bool utf16 = HasUtf16Mark(*bytes);
    if (utf16) {
        *bytes = Utf16ToUtf8(*bytes);
    }
    platform::TextFileReader input(std::move(*bytes));
    state.markers.input = true;

    LogTraced(state, "Opening ", state.inputPath);
    if (utf16) {
        LogTraced(state, "UTF-16 input converted to UTF-8");
    }

    bool quotedPrintable = false;
    while (!input.eof()) {
        const std::string line = input.readLine();
        if (line.empty()) {
            continue;
        }
        // Editors that save UTF-8 may put a byte order mark before the calendar's first line.
        const std::string marked =
            line.starts_with(kUtf8Mark) ? line.substr(kUtf8Mark.size()) : std::string();
        const std::string& content = marked.empty() ? line : marked;
        if (content.starts_with(kPlainMarker)) {
            PlainExtraction(state, input, content, quotedPrintable);
            break;
        }
        if (content.starts_with(kBase64Marker)) {
            Base64Extraction(state, input, content);
            break;
        }
        quotedPrintable = QuotedPrintableAfter(line, quotedPrintable);
    }

    // The flag outlives the run: a stream found by an earlier run keeps the notice away.
    if (!state.streamFound) {
        WriteNoStreamEnding(state);
    }
    return true;
}

}  // namespace kelvor
