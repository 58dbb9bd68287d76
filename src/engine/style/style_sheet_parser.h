#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "engine/style/properties.h"
#include "engine/style/style_list.h"

namespace kelvor::engine {

// Where the parser takes its characters from. peek() shows the current character (-1 at the
// end) without taking it, peekNext() the one after it; advance() moves on. The HTML reader feeds
// the content of a STYLE element this way, with line ends as CR and TAB as a blank.
class StyleSheetSource {
  public:
    virtual ~StyleSheetSource() = default;
    virtual int peek() const = 0;
    virtual int peekNext() const = 0;
    virtual void advance() = 0;
};

// The text of a linked style sheet: line feeds are skipped and TAB reads as a blank.
class StyleSheetText : public StyleSheetSource {
  public:
    explicit StyleSheetText(std::string text);
    int peek() const override;
    int peekNext() const override;
    void advance() override;

  private:
    void skipLineFeeds();
    std::string text_;
    std::size_t position_ = 0;
};

enum class StyleSheetKind {
    element,  // the content of a STYLE element: ends at the "<" of the end tag, left unread
    linked,   // a linked file: ends at the end of the text
};

// Reads rules into `list`. For a linked sheet, "url(" values are made absolute against
// `baseFolder`.
void ParseStyleSheet(StyleSheetSource& source, TStyleList& list, StyleSheetKind kind,
                     std::string_view baseFolder = {});

// Reads a STYLE attribute ("color: red; margin: 0") into new properties.
std::shared_ptr<TProperties> ParseStyleAttribute(std::string_view text, FontCache& fonts);

}  // namespace kelvor::engine
