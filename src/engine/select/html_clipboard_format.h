#pragma once

#include <string>
#include <string_view>

namespace kelvor::engine {

// What the "HTML Format" block of a copy is made from: the shown file's text as it was read,
// where the selection lies in it, and the display's defaults.
struct HtmlFragmentRequest {
    std::string_view source;  // the whole file as read
    int startSource = 0;      // offset (from 0) of the first selected character
    int endSource = -1;       // offset of the first character after the selection; -1: to the end
    int codePage = 0;         // the code page the page was read in
    int fontSize = 12;        // points
    std::string_view fontName;
    std::string_view currentFile;  // empty when no file is shown
};

// The clipboard's "HTML Format" block for a selection: a header of 8-digit offsets
// ("Version:1.0", "StartHTML:", "EndHTML:", "StartFragment:", "EndFragment:", "SourceURL:")
// followed by the HTML in UTF-8. The HTML is everything of the source up to the selection's
// end (the head with its style sheets included) with trailing blanks and tags trimmed,
// "<!--StartFragment-->" in front of the first selected character, META and DOCTYPE tags
// removed, page breaks disabled, a style element giving the display's default font, a
// DOCTYPE line in front and "<!--EndFragment-->" at the end.
std::string BuildHtmlClipboardBlock(const HtmlFragmentRequest& request);

inline constexpr std::string_view kStartFragmentMark = "<!--StartFragment-->";
inline constexpr std::string_view kEndFragmentMark = "<!--EndFragment-->";

}  // namespace kelvor::engine
