#include "kelvor/stream_preparation.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "kelvor/io_error.h"
#include "kelvor/kelvor_state.h"
#include "kelvor/trace_log.h"

namespace kelvor {

namespace {

// Every CR LF stays; any other CR or LF becomes CR LF.
std::string RegularLineEnds(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out.push_back(c);
        }
    }
    return out;
}

// Left to right, non-overlapping, case-sensitive.
std::string ReplaceAll(const std::string& text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t hit = text.find(from); hit != std::string::npos;
         hit = text.find(from, start)) {
        out.append(text, start, hit - start);
        out.append(to);
        start = hit + from.size();
    }
    out.append(text, start, std::string::npos);
    return out;
}

}  // namespace

void PrepareStream(KelvorState& state) {
    std::string& text = state.streamText;

    text = RegularLineEnds(text);
    LogTraced(state, "Line breaks fixed");

    // A fold is a line end plus exactly one blank; a TAB fold stays a line of its own.
    text = ReplaceAll(text, "\r\n ", "");
    // Two escaped line breaks in a row make one paragraph gap, not two.
    text = ReplaceAll(text, "\\n\\n", "<br>");
    text = ReplaceAll(text, "\\n", "<br>");
    text = ReplaceAll(text, "\\,", " ");
    text = ReplaceAll(text, "\\;", ";");
    LogTraced(state, "\\; semi-colon changed to semi-colon ok");

    // The parser splits a line at its first colon; an address colon inside a parameter must not
    // be that colon. The parser turns the first tilde of a value back into a colon.
    text = ReplaceAll(text, "MAILTO:", "MAILTO~");
    LogTraced(state, "Mailto tilde injected ok");
    text = ReplaceAll(text, "CID:", "CID~");
    LogTraced(state, "CID tilde injected ok");
    LogTraced(state, "PrepareStream ended");

    FillMylist(state);

    if (!state.platform.files.writeAll(state.pathIn(state.folders.working, "kelvor.ics"), text)) {
        throw IoError(kIoAccessDenied);
    }
    state.streamFound = true;
}

void FillMylist(KelvorState& state) {
    const std::string& text = state.streamText;
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    std::size_t position = 0;
    while (position < text.size() && text[position] != '\0') {
        const std::size_t start = position;
        while (position < text.size() && text[position] != '\0' && text[position] != '\r' &&
               text[position] != '\n') {
            ++position;
        }
        spans.emplace_back(start, position - start);
        if (position < text.size() && text[position] == '\r') {
            ++position;
        }
        if (position < text.size() && text[position] == '\n') {
            ++position;
        }
    }
    state.mylist.referTo(text, std::move(spans));
}

}  // namespace kelvor
