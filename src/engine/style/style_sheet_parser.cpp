#include "engine/style/style_sheet_parser.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "engine/style/selectors.h"
#include "engine/text/text_utils.h"
#include "platform/ascii.h"

namespace kelvor::engine {

namespace {

constexpr int kEnd = -1;

// At-rule blocks read as rules may nest this deep; a block deeper still is skipped whole, so that
// a sheet of endless "@media screen {" costs no more stack than this.
constexpr int kMaxAtRuleNesting = 32;

bool IsLetterOrDigit(int c) {
    return c >= 0 && c < 128 && std::isalnum(c);
}

bool IsSelectorChar(int c) {
    return IsLetterOrDigit(c) || c == '-' || c == '_' || c == '#' || c == '.' || c == ':' ||
           c == '>' || c == ' ' || c == '*' || c == ',' || c == '\r';
}

bool IsAbsolute(std::string_view url) {
    return url.empty() || url.front() == '/' || url.front() == '\\' ||
           url.find("://") != std::string_view::npos || (url.size() > 1 && url[1] == ':');
}

// Lower-cases a value but keeps the case of what is inside "url(...)": file names may be
// case-sensitive.
std::string LowerKeepingUrls(std::string_view value) {
    std::string result = ascii::LowerCased(value);
    std::size_t i = 0;
    while ((i = result.find("url(", i)) != std::string::npos) {
        i += 4;
        const std::size_t close = value.find(')', i);
        const std::size_t end = close == std::string_view::npos ? value.size() : close;
        std::copy(value.begin() + static_cast<std::ptrdiff_t>(i),
                  value.begin() + static_cast<std::ptrdiff_t>(end),
                  result.begin() + static_cast<std::ptrdiff_t>(i));
        i = end;
    }
    return result;
}

std::string MakeUrlsAbsolute(std::string_view value, std::string_view base) {
    std::string result;
    std::size_t i = 0;
    while (true) {
        const std::size_t url = value.find("url(", i);
        if (url == std::string_view::npos) {
            result += value.substr(i);
            return result;
        }
        result += value.substr(i, url + 4 - i);
        i = url + 4;
        const std::size_t close = value.find(')', i);
        const std::size_t end = close == std::string_view::npos ? value.size() : close;
        const std::string target(Unquote(ascii::TrimWhitespace(value.substr(i, end - i))));
        if (IsAbsolute(target) || base.empty()) {
            result += target;
        } else {
            result += std::string(base);
            if (base.back() != '/' && base.back() != '\\')
                result += '/';
            result += target;
        }
        i = end;
    }
}

class Parser {
  public:
    Parser(StyleSheetSource& source, TStyleList& list, StyleSheetKind kind, std::string_view base)
        : source_(source), list_(list), kind_(kind), base_(base) {}

    void rules(bool nested) {
        while (true) {
            skipLeading();
            const int c = ch();
            if (c == kEnd)
                return;
            if (atEndOfSheet())
                return;
            if (c == '}') {
                next();
                if (nested)
                    return;
                continue;
            }
            if (c == '@') {
                atRule();
            } else if (IsSelectorChar(c)) {
                rule();
            } else {
                next();  // a character no rule starts with
            }
        }
    }

  private:
    int ch() const { return source_.peek(); }
    void next() { source_.advance(); }

    // Skips a "/* ... */" comment when one starts here (the slash is current).
    bool comment() {
        if (ch() != '/')
            return false;
        next();
        if (ch() != '*')
            return true;  // a lone "/" is dropped
        next();
        int previous = 0;
        while (ch() != kEnd) {
            const int c = ch();
            next();
            if (previous == '*' && c == '/')
                return true;
            previous = c;
        }
        return true;
    }

    void skipLeading() {
        while (true) {
            const int c = ch();
            if (c == ' ' || c == '\r' || c == '\n' || c == '\t' || c == '!' || c == '-' ||
                c == '>' || (c == '<' && !atEndOfSheet())) {
                next();
            } else if (!comment()) {
                return;
            }
        }
    }

    static bool IsBlank(int c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t'; }

    void skipBlanks() {
        while (true) {
            if (IsBlank(ch())) {
                next();
            } else if (!comment()) {
                return;
            }
        }
    }

    // A STYLE element's sheet ends at its end tag; a "<!--" around the rules is no end.
    bool atEndOfSheet() const {
        return ch() == kEnd ||
               (ch() == '<' && kind_ == StyleSheetKind::element && source_.peekNext() != '!');
    }

    // Skips a block in braces, the current character being "{".
    void skipBlock() {
        int depth = 0;
        while (!atEndOfSheet()) {
            const int c = ch();
            next();
            if (c == '{')
                ++depth;
            if (c == '}' && --depth <= 0)
                return;
        }
    }

    void atRule() {
        next();
        std::string text;
        while (ch() != kEnd && ch() != ';' && ch() != '{' && ch() != '<') {
            text += static_cast<char>(ch());
            next();
        }
        if (ch() == ';') {
            next();
        } else if (ch() == '{') {
            if (ascii::ContainsIgnoringCase(text, "screen") && nesting_ < kMaxAtRuleNesting) {
                next();
                ++nesting_;
                rules(true);
                --nesting_;
            } else {
                skipBlock();
            }
        }
    }

    void rule() {
        std::string selectors;
        while (IsSelectorChar(ch())) {
            selectors += static_cast<char>(ch() == '\r' ? ' ' : ch());
            next();
            comment();
        }
        if (ch() != '{') {
            // Not a rule we understand: drop it with its block.
            while (!atEndOfSheet() && ch() != '{' && ch() != '}')
                next();
            if (ch() == '{')
                skipBlock();
            return;
        }
        std::vector<TRuleSelector> rules;
        for (std::string_view text : Split(selectors, ',')) {
            if (const std::optional<ParsedSelector> selector =
                    ParseSelector(ascii::TrimWhitespace(text))) {
                rules.push_back(list_.ruleSelector(*selector));
            }
        }
        next();  // "{"
        declarations([&](const std::string& name, const std::string& value) {
            for (const TRuleSelector& rule : rules)
                list_.addModifyProp(rule, name, value);
        });
    }

    template <typename Set>
    void declarations(Set set) {
        while (true) {
            while (true) {
                if (ch() == ';' || IsBlank(ch())) {
                    next();
                } else if (!comment()) {
                    break;
                }
            }
            if (ch() == '}') {
                next();
                return;
            }
            if (atEndOfSheet())
                return;
            std::string name;
            while (IsLetterOrDigit(ch()) || ch() == '-') {
                name += static_cast<char>(ch());
                next();
            }
            skipBlanks();
            const bool separated = ch() == ':' || ch() == '=';
            if (separated)
                next();
            std::string value;
            while (!atEndOfSheet() && ch() != ';' && ch() != '}' && ch() != '<') {
                value += static_cast<char>(ch() == '\r' ? ' ' : ch());
                next();
            }
            if (name.empty() || !separated) {
                if (name.empty() && !separated && value.empty() && ch() != ';' && ch() != '}') {
                    // Neither a name nor a value: step over the character to make progress.
                    if (!atEndOfSheet())
                        next();
                }
                continue;
            }
            std::string clean(
                Unquote(ascii::TrimWhitespace(LowerKeepingUrls(ascii::TrimWhitespace(value)))));
            if (kind_ == StyleSheetKind::linked)
                clean = MakeUrlsAbsolute(clean, base_);
            set(ascii::LowerCased(name), clean);
        }
    }

    StyleSheetSource& source_;
    TStyleList& list_;
    StyleSheetKind kind_;
    std::string base_;
    int nesting_ = 0;  // at-rule blocks open around the rules being read
};

}  // namespace

StyleSheetText::StyleSheetText(std::string text) : text_(std::move(text)) {
    skipLineFeeds();
}

int StyleSheetText::peek() const {
    if (position_ >= text_.size())
        return kEnd;
    const unsigned char c = static_cast<unsigned char>(text_[position_]);
    return c == '\t' ? ' ' : c;
}

int StyleSheetText::peekNext() const {
    std::size_t next = position_ + 1;
    while (next < text_.size() && text_[next] == '\n')
        ++next;
    if (next >= text_.size())
        return kEnd;
    const unsigned char c = static_cast<unsigned char>(text_[next]);
    return c == '\t' ? ' ' : c;
}

void StyleSheetText::advance() {
    if (position_ < text_.size())
        ++position_;
    skipLineFeeds();
}

void StyleSheetText::skipLineFeeds() {
    while (position_ < text_.size() && text_[position_] == '\n')
        ++position_;
}

void ParseStyleSheet(StyleSheetSource& source, TStyleList& list, StyleSheetKind kind,
                     std::string_view baseFolder) {
    Parser(source, list, kind, baseFolder).rules(false);
}

std::shared_ptr<TProperties> ParseStyleAttribute(std::string_view text, FontCache& fonts) {
    auto properties = std::make_shared<TProperties>(fonts);
    for (std::string_view declaration : Split(text, ';')) {
        const std::size_t colon = declaration.find_first_of(":=");
        if (colon == std::string_view::npos)
            continue;
        const std::string name =
            ascii::LowerCased(ascii::TrimWhitespace(declaration.substr(0, colon)));
        const std::string value(Unquote(ascii::TrimWhitespace(
            LowerKeepingUrls(ascii::TrimWhitespace(declaration.substr(colon + 1))))));
        properties->setPropertyFromText(name, value, true);
    }
    return properties;
}

}  // namespace kelvor::engine
