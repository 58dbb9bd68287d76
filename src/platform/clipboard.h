#pragma once

#include <string_view>

namespace kelvor::platform {

// The system clipboard as a copy needs it: the plain text of a selection and, beside it, the
// same stretch as an "HTML Format" block (a header of offsets followed by the HTML, 8-bit).
// An implementation that cannot reach the clipboard throws; the error goes to the caller.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // Empties the clipboard and puts the text on it.
    virtual void setText(std::u16string_view text) = 0;
    // Puts an "HTML Format" block on the clipboard beside the text that is there.
    virtual void addHtmlFormat(std::string_view block) = 0;
};

// The name of the clipboard format of HTML fragments.
inline constexpr std::string_view kHtmlClipboardFormat = "HTML Format";

}  // namespace kelvor::platform
