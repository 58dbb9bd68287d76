#include "engine/select/html_clipboard_format.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "engine/document/utf8_text.h"
#include "engine/text/charsets.h"

namespace kelvor::engine {

namespace {

constexpr std::string_view kDoctypeLine =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n";

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Does `text` hold `word` (lower case) at `at`, compared without regard to case?
bool HasWordAt(std::string_view text, std::size_t at, std::string_view word) {
    if (text.size() - at < word.size()) {
        return false;
    }
    for (std::size_t k = 0; k < word.size(); ++k) {
        if (Lower(text[at + k]) != word[k]) {
            return false;
        }
    }
    return true;
}

// The HTML while it is being cut and edited, with the place of the start mark kept beside it:
// the mark goes in only at the end, so that no search or removal can meet it or cut it.
struct Fragment {
    std::string data;
    std::size_t mark = 0;  // the start mark stands in front of data[mark]

    // Removes the stretches [from, to) (in order, not overlapping) in one pass, so that a page
    // of many tags costs no more than one of few; a mark inside a removed stretch moves to
    // where the stretch was.
    void remove(const std::vector<std::pair<std::size_t, std::size_t>>& stretches) {
        if (stretches.empty()) {
            return;
        }
        std::string kept;
        kept.reserve(data.size());
        std::size_t newMark = std::string::npos;
        std::size_t at = 0;
        const auto keep = [&](std::size_t to) {
            if (newMark == std::string::npos && mark >= at && mark < to) {
                newMark = kept.size() + (mark - at);
            }
            kept.append(data, at, to - at);
        };
        for (const auto& [from, to] : stretches) {
            keep(from);
            if (newMark == std::string::npos && mark >= from && mark < to) {
                newMark = kept.size();
            }
            at = to;
        }
        keep(data.size());
        mark = newMark == std::string::npos ? kept.size() : newMark;
        data = std::move(kept);
    }

    // `markBefore`: where the mark stands at `at`, the text goes behind it.
    void insert(std::size_t at, std::string_view text, bool markBefore) {
        data.insert(at, text);
        if (at < mark || (at == mark && !markBefore)) {
            mark += text.size();
        }
    }
};

// Steps back from the end over blanks, control characters and whole tags, never before
// `first` (the first selected character), and cuts what was stepped over.
void TrimEnd(Fragment& fragment, std::size_t first) {
    const std::string& data = fragment.data;
    std::size_t end = data.size();  // data[end - 1] is the character looked at
    while (end > first) {
        const auto c = static_cast<unsigned char>(data[end - 1]);
        if (c >= 1 && c <= 32) {
            --end;
            continue;
        }
        if (c != '>') {
            break;
        }
        const std::size_t open = data.rfind('<', end - 1);
        if (open == std::string::npos || open < first) {
            break;  // a tag that began before the selection stays whole
        }
        end = open;
    }
    fragment.data.resize(end);
}

// Removes every tag beginning with `word` (lower case), up to and including its ">" or, when
// it is not closed, to the end.
void RemoveTags(Fragment& fragment, std::string_view word) {
    const std::string& data = fragment.data;
    std::vector<std::pair<std::size_t, std::size_t>> stretches;
    for (std::size_t open = data.find('<'); open != std::string::npos;) {
        if (!HasWordAt(data, open, word)) {
            open = data.find('<', open + 1);
            continue;
        }
        const std::size_t close = data.find('>', open + word.size());
        const std::size_t to = close == std::string::npos ? data.size() : close + 1;
        stretches.emplace_back(open, to);
        open = data.find('<', to);
    }
    fragment.remove(stretches);
}

// "page-break-before" and its kin lose their first letter, which turns them into properties
// no one knows: a pasted fragment must not break the pages of the document it lands in.
void DisablePageBreaks(Fragment& fragment) {
    constexpr std::string_view kWord = "page-break-";
    const std::string& data = fragment.data;
    std::vector<std::pair<std::size_t, std::size_t>> stretches;
    for (std::size_t at = 0; at + kWord.size() <= data.size();) {
        if (HasWordAt(data, at, kWord)) {
            stretches.emplace_back(at, at + 1);
            at += kWord.size();
        } else {
            ++at;
        }
    }
    fragment.remove(stretches);
}

// The first `word` (lower case) in the text as it reads in lower case.
std::size_t FindLowerCase(std::string_view text, std::string_view word) {
    for (std::size_t at = text.find('<'); at != std::string_view::npos;
         at = text.find('<', at + 1)) {
        if (HasWordAt(text, at, word)) {
            return at;
        }
    }
    return std::string_view::npos;
}

void InsertFontStyle(Fragment& fragment, int fontSize, std::string_view fontName) {
    std::string style = "<style> body {font-size: " + std::to_string(fontSize) +
                        "pt; font-family: \"" + std::string(fontName) + "\"; }</style>";
    const std::size_t head = FindLowerCase(fragment.data, "<head>");
    if (head != std::string::npos) {
        fragment.insert(head, style, true);
        return;
    }
    style = "<head>" + style + "</head>";
    const std::size_t html = FindLowerCase(fragment.data, "<html>");
    if (html != std::string::npos) {
        fragment.insert(html, style, true);
    } else {
        fragment.insert(0, style, false);
    }
}

std::string ToUtf8(std::string_view bytes, int codePage) {
    return codePage == kCodePageUtf8 ? std::string(bytes) : Utf8FromCodePage(bytes, codePage);
}

std::string Number(std::string_view name, std::size_t value) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.8zu", value);
    return std::string(name) + digits + "\r\n";
}

// The file's name as a URL; characters that would end the header's line are escaped.
std::string SourceUrlLine(std::string_view currentFile) {
    std::string url;
    if (currentFile.empty()) {
        url = "unsaved:///HtmlDisplay.htm";
    } else {
        if (currentFile.find("://") == std::string_view::npos) {
            url = "file://";
        }
        for (char c : currentFile) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 32 || byte == 127) {
                char escaped[4];
                std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
                url += escaped;
            } else {
                url += c;
            }
        }
    }
    return "SourceURL:" + url + "\r\n";
}

}  // namespace

std::string BuildHtmlClipboardBlock(const HtmlFragmentRequest& request) {
    const std::string_view source = request.source;
    // Offsets from 0 here: `first` is the first selected character, `end` the first after the
    // selection. A selection that runs to the end of the document takes the whole source.
    const std::size_t first = std::min<std::size_t>(
        static_cast<std::size_t>(std::max(0, request.startSource)), source.size());
    const std::size_t end =
        request.endSource < 0
            ? source.size()
            : std::min<std::size_t>(static_cast<std::size_t>(request.endSource), source.size());

    Fragment fragment{std::string(source.substr(0, end)), 0};
    fragment.mark = std::min(first, fragment.data.size());
    TrimEnd(fragment, fragment.mark);
    fragment.mark = std::min(fragment.mark, fragment.data.size());
    RemoveTags(fragment, "<meta");
    RemoveTags(fragment, "<!doctype");
    DisablePageBreaks(fragment);
    InsertFontStyle(fragment, request.fontSize, request.fontName);

    const std::string_view data = fragment.data;
    const std::string before = ToUtf8(data.substr(0, fragment.mark), request.codePage);
    const std::string after = ToUtf8(data.substr(fragment.mark), request.codePage);
    std::string html;
    html.reserve(kDoctypeLine.size() + before.size() + kStartFragmentMark.size() + after.size() +
                 kEndFragmentMark.size());
    html += kDoctypeLine;
    html += before;
    html += kStartFragmentMark;
    const std::size_t fragmentStart = html.size();
    html += after;
    const std::size_t fragmentEnd = html.size();
    html += kEndFragmentMark;

    // The header's length depends on the digits of the offsets it holds, which include that
    // length: with 8 digits it is 99 plus the source line; a longer number lengthens it.
    const std::string sourceLine = SourceUrlLine(request.currentFile);
    std::string header;
    std::size_t headerLength = 97 + sourceLine.size();
    for (int round = 0; round < 4; ++round) {
        header = "Version:1.0\r\n" + Number("StartHTML:", headerLength) +
                 Number("EndHTML:", headerLength + html.size()) +
                 Number("StartFragment:", headerLength + fragmentStart) +
                 Number("EndFragment:", headerLength + fragmentEnd) + sourceLine;
        if (header.size() == headerLength) {
            break;
        }
        headerLength = header.size();
    }
    return header + html;
}

}  // namespace kelvor::engine
