// The tags of a document's head and the like (rule 8's TITLE, BODY, BASE, META, STYLE, BGSOUND,
// rule 14's SCRIPT, rule 17's LINK).

#include <algorithm>
#include <exception>

#include "engine/reader/reading.h"
#include "engine/reader/text_conversion.h"
#include "engine/style/property_values.h"
#include "engine/style/style_sheet_parser.h"
#include "engine/text/charsets.h"
#include "platform/ascii.h"
#include "platform/file_system.h"

namespace kelvor::engine {

namespace {

constexpr int kMaxBodyMargin = 200;

// The content of a STYLE element as the sheet parser reads it: through the character reader,
// so line ends arrive as CR.
class ElementSheetSource : public StyleSheetSource {
  public:
    explicit ElementSheetSource(CharReader& chars) : chars_(chars) {}
    int peek() const override { return Mapped(chars_.ch()); }
    int peekNext() const override { return Mapped(chars_.peek(1)); }
    void advance() override { chars_.advance(); }

  private:
    static int Mapped(int c) {
        if (c == 0)
            return -1;
        if (c == '\t')
            return ' ';
        if (c == '\n')
            return '\r';
        return c;
    }
    CharReader& chars_;
};

std::string WithCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            out += "\r\n";
            const char other = c == '\r' ? '\n' : '\r';
            if (i + 1 < text.size() && text[i + 1] == other)
                ++i;
        } else {
            out += c;
        }
    }
    return out;
}

std::string FolderOf(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash));
}

}  // namespace

void HtmlReading::readTitle() {
    title_.clear();
    next();
    while (token_.tag == Tag::Text) {
        title_ += Utf16ToUtf8(token_.text);
        next();
    }
}

void HtmlReading::readBodyTag() {
    const bool nothingYet =
        cell_ == &body_->cell() && body_->cell().empty() &&
        (!section_ || (section_->objects.empty() && section_->controls.empty() &&
                       std::all_of(section_->text.begin(), section_->text.end(),
                                   [](char16_t c) { return c == u' '; })));
    // An open table is not in the body yet, so the body looks empty; it still reads into the
    // body's cell, which a new body would free under it.
    if (!nothingYet || tableNesting_ > 0 || !stack_.canPushInline()) {
        next();
        return;
    }
    const TAttributeList& list = attributes();
    const TColour palette = document_.styleList().paletteFlag();
    pushElement(Tag::Body);
    PropValue colour;
    if (list.has(Attr::Text) &&
        PropertyValueFromText(Color, list.text(Attr::Text), false, palette, colour)) {
        stack_.setOnTop(Color, colour);
    }
    if (list.has(Attr::BgColor) &&
        PropertyValueFromText(BackgroundColor, list.text(Attr::BgColor), false, palette, colour)) {
        stack_.setOnTop(BackgroundColor, colour);
    }
    if (list.has(Attr::Background)) {
        stack_.setOnTop(BackgroundImage, "url(" + std::string(list.text(Attr::Background)) + ")");
    }
    const std::pair<Attr, std::string_view> linkColours[] = {
        {Attr::Link, "link"}, {Attr::VLink, "visited"}, {Attr::OLink, "hover"}};
    for (const auto& [attribute, state] : linkColours) {
        TColour value = 0;
        if (!list.has(attribute) || !ColorFromString(list.text(attribute), false, value) ||
            value == kNoColour) {
            continue;
        }
        if ((value & kSystemColourBase) == 0)
            value |= palette;
        document_.styleList().setLinkColour(state, value);
        if (attribute == Attr::OLink)
            document_.hasHoverColours = true;
    }
    const auto margin = [&](Attr first, Attr second) -> std::optional<int> {
        std::optional<int> value = list.number(first);
        if (!value)
            value = list.number(second);
        if (value)
            value = std::clamp(*value, 0, kMaxBodyMargin);
        return value;
    };
    const std::optional<int> marginWidth = margin(Attr::MarginWidth, Attr::LeftMargin);
    const std::optional<int> marginHeight = margin(Attr::MarginHeight, Attr::TopMargin);
    if (ascii::EqualsIgnoringCase(ascii::TrimWhitespace(list.text(Attr::BgProperties)), "fixed"))
        document_.backgroundFixed = true;
    section_.reset();
    body_ = &document_.createBody(top(), marginWidth, marginHeight);
    cell_ = &body_->cell();
    openSection();
    next();
}

void HtmlReading::readBase() {
    if (attributes().has(Attr::Href))
        base_ = std::string(attributes().text(Attr::Href));
    if (attributes().has(Attr::Target))
        baseTarget_ = std::string(attributes().text(Attr::Target));
    next();
}

void HtmlReading::applyCharsetCode(int code) {
    if (code == kCharsetEucJpSpecial) {
        if (!eucJpConverted_) {
            chars_.convertRest([](std::string_view rest) { return EucJpToShiftJis(rest); });
            eucJpConverted_ = true;
        }
        code = 128;
    }
    stack_.setCharsetOnTop(code);
}

void HtmlReading::readMeta() {
    const std::string httpEquiv(attributes().text(Attr::HttpEquiv));
    const std::string name(attributes().text(Attr::Name));
    const std::string content(attributes().text(Attr::Content));
    if (!input_.byteOrderMark && hooks_.forDisplay &&
        ascii::EqualsIgnoringCase(ascii::TrimWhitespace(httpEquiv), "content-type")) {
        if (const std::optional<int> charset = CharsetFromName(content))
            applyCharsetCode(*charset);
        else if (ascii::ContainsIgnoringCase(content, "utf-8"))
            stack_.setUtf8OnTop();
        codePage_ = top().codePage();
    }
    if (hooks_.meta)
        hooks_.meta(httpEquiv, name, content);
    next();
}

// Rule 17.
void HtmlReading::readLinkTag() {
    const std::string href(attributes().text(Attr::Href));
    const std::string rel(attributes().text(Attr::Rel));
    const std::string rev(attributes().text(Attr::Rev));
    if (ascii::EqualsIgnoringCase(ascii::TrimWhitespace(rel), "stylesheet") && !href.empty())
        loadLinkedSheet(href);
    if (hooks_.link)
        hooks_.link(rel, rev, href);
    next();
}

void HtmlReading::loadLinkedSheet(const std::string& href) {
    const auto expandFile = [&](const std::string& name) {
        return hooks_.expandFileName ? hooks_.expandFileName(name) : name;
    };
    const auto readFile = [&](const std::string& path) -> std::optional<std::string> {
        if (hooks_.files == nullptr)
            return std::nullopt;
        platform::ReadResult read = hooks_.files->readFile(path, kMaxLinkedSheetBytes);
        if (read.status != platform::ReadStatus::Ok)
            return std::nullopt;
        return std::move(read.bytes);
    };
    try {
        std::optional<std::string> text;
        std::string path;
        if (hooks_.streamRequest) {
            path = hooks_.expandName ? hooks_.expandName(href) : href;
            text = hooks_.streamRequest(path);
            if (!text && !hooks_.expandName) {
                path = expandFile(href);
                text = readFile(path);
            }
        } else {
            path = expandFile(href);
            text = readFile(path);
        }
        if (!text || text->size() > kMaxLinkedSheetBytes)
            return;
        StyleSheetText source(WithCrLf(*text));
        ParseStyleSheet(source, document_.styleList(), StyleSheetKind::linked, FolderOf(path));
    } catch (const std::exception&) {
        // A sheet that cannot be had is passed over.
    }
}

void HtmlReading::readStyle() {
    // The tag's ">" is the current character: the content is read without the comment test,
    // as the sheet parser passes over "<!--" and "-->" around the rules itself.
    chars_.raw = true;
    chars_.advance();
    ElementSheetSource source(chars_);
    ParseStyleSheet(source, document_.styleList(), StyleSheetKind::element);
    chars_.raw = false;
    next();
}

void HtmlReading::readBgSound() {
    if (hooks_.sound && attributes().has(Attr::Src)) {
        hooks_.sound(std::string(attributes().text(Attr::Src)),
                     attributes().number(Attr::Loop).value_or(1), false);
    }
    next();
}

void HtmlReading::readScript() {
    const std::string name(attributes().text(Attr::Name));
    const std::string language(attributes().text(Attr::Language));
    const bool keep = static_cast<bool>(hooks_.script);
    // Script text is never markup: it is read without the comment test up to its end tag.
    chars_.raw = true;
    chars_.advance();
    std::string script;
    while (chars_.ch() != 0 && !(chars_.ch() == '<' && chars_.followedBy("/SCRIPT"))) {
        if (keep) {
            if (chars_.ch() == '\r')
                script += "\r\n";
            else
                script += static_cast<char>(chars_.ch());
        }
        chars_.advance();
    }
    while (chars_.ch() != '>' && chars_.ch() != 0)
        chars_.advance();
    chars_.raw = false;
    if (chars_.ch() == '>')
        chars_.advance();
    if (keep)
        hooks_.script(name, script, language);
    next();
}

}  // namespace kelvor::engine
