#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "platform/clipboard.h"

namespace kelvor::platform::qt {

// The MIME type that carries the exact "HTML Format" block (header and HTML), for programs
// that want its offsets; text/html carries the HTML alone.
inline constexpr const char* kHtmlFormatMimeType = "application/x-kelvor-html-format";

// The HTML of an "HTML Format" block: the bytes from its StartHTML to its EndHTML offset;
// empty when the header does not hold both within the block.
std::string_view HtmlOfBlock(std::string_view block);

// The system clipboard through Qt. Each copy is one QMimeData: the plain text, and once the
// HTML is added, text/html and the whole block beside it.
class QtClipboard : public Clipboard {
  public:
    void setText(std::u16string_view text) override;
    void addHtmlFormat(std::string_view block) override;

  private:
    QString text_;  // what setText put there, for the data that replaces it
};

}  // namespace kelvor::platform::qt
