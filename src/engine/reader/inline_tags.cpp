// Rule 14: inline content and objects, the content of paragraphs, headings, list items and
// divisions.

#include <algorithm>

#include "engine/document/floating_objects.h"
#include "engine/document/image_map.h"
#include "engine/reader/reading.h"
#include "engine/style/property_values.h"
#include "platform/ascii.h"

namespace kelvor::engine {

namespace {

// HTML font sizes 1 to 7 in points, in ordinary and in preformatted text.
constexpr double kFontConv[7] = {8, 10, 12, 14, 18, 24, 36};
constexpr double kPreFontConv[7] = {7, 8, 10, 12, 15, 20, 30};

constexpr std::size_t kMaxMapAreas = 10000;
constexpr std::size_t kMaxObjectParams = 1000;

}  // namespace

void HtmlReading::readInline(const SymbolSet& term) {
    const Tag tag = token_.tag;
    if (IsInlineStyleTag(tag)) {
        readInlineStyle();
        return;
    }
    if (token_.end) {
        switch (tag) {
            case Tag::A:
                readAnchor();
                return;
            case Tag::Font:
                readFont();
                return;
            case Tag::Nobr:
                noBreak_ = false;
                next();
                return;
            default:
                next();  // end TEXTAREA, SCRIPT, OBJECT, strays and unknown end tags
                return;
        }
    }
    switch (tag) {
        case Tag::Text:
            addText();
            next();
            return;
        case Tag::LineEnd:
            // Preformatted text: each source line is a section of its own.
            openSection();
            next();
            return;
        case Tag::A:
            readAnchor();
            return;
        case Tag::Img:
            readImage();
            return;
        case Tag::Panel:
            readPanel();
            return;
        case Tag::Input:
            readInput();
            return;
        case Tag::Select:
            readSelect();
            return;
        case Tag::Textarea:
            readTextArea();
            return;
        case Tag::Font:
        case Tag::Basefont:
            readFont();
            return;
        case Tag::Map:
            readMap();
            return;
        case Tag::Page:
            closeSection();
            cell_->addItem(std::make_unique<TPage>(document_));
            next();
            return;
        case Tag::Script:
            readScript();
            return;
        case Tag::Nobr:
            noBreak_ = true;
            next();
            return;
        case Tag::Wbr:
            if (section_)
                section_->addOptionalBreak();
            next();
            return;
        case Tag::Object:
            readObject();
            return;
        case Tag::Br:
            readBreak();
            return;
        case Tag::Table:
            readTable(term);
            return;
        default:
            next();  // unknown tags and stray children of other elements
            return;
    }
}

void HtmlReading::addText() {
    if (!section_) {
        // A lone blank between blocks shows nothing.
        if (textMode_ == TextMode::collapse && token_.isSingleSpace())
            return;
        openSection();
    }
    section_->addText(token_.text, token_.positions, top(), noBreak_);
}

void HtmlReading::readInlineStyle() {
    const Tag tag = token_.tag;
    if (token_.end) {
        if (stack_.popByName(TagName(tag)))
            changeFont();
        next();
        return;
    }
    ensureSection();
    if (!stack_.canPushInline()) {
        skipAsAbsent(tag);
        return;
    }
    pushElement(tag);
    if (top().hasBorder())
        stack_.setBorderOnTop(document_.startInlineBorder(top()));
    changeFont();
    next();
}

void HtmlReading::readAnchor() {
    const int position = token_.position;
    if (token_.end) {
        document_.endLink(position);
        if (stack_.popByName("a"))
            changeFont();
        next();
        return;
    }
    if (!stack_.canPushInline()) {
        skipAsAbsent(Tag::A);
        return;
    }
    const TAttribute* href = attributes().find(Attr::Href);
    if (href != nullptr) {
        if (document_.openLink() != nullptr) {
            document_.endLink(position);
            if (stack_.popByName("a"))
                changeFont();
        }
        document_.startLink(href->valueText, std::string(attributes().text(Attr::Target)), position,
                            attributes().number(Attr::TabIndex).value_or(0));
    }
    pushElement(Tag::A, href != nullptr ? "link" : "");
    ensureSection();
    changeFont();
    if (const TAttribute* name = attributes().find(Attr::Name)) {
        std::string target = ascii::UpperCased(name->valueText);
        if (!target.empty() && target.front() == '#')
            target.erase(0, 1);
        if (!target.empty())
            document_.anchors().add(target, position);
        section_->anchor = true;
    }
    next();
}

void HtmlReading::readImage() {
    const int position = token_.position;
    ensureSection();
    pushElement(Tag::Img);
    const TAttributeList& list = attributes();
    ImageAttributes image = ReadImageAttributes(list);
    image.ismap = list.has(Attr::Ismap);
    image.usemap = std::string(list.text(Attr::Usemap));
    image.transp = list.has(Attr::Transp);
    section_->addObject(std::make_unique<TImageObj>(image, top(), document_.openLink(), position),
                        noBreak_);
    stack_.popTop();
    next();
}

void HtmlReading::readPanel() {
    const int position = token_.position;
    ensureSection();
    pushElement(Tag::Panel);
    auto panel = std::make_unique<TPanelObj>(attributes().length(Attr::Width),
                                             attributes().length(Attr::Height),
                                             attributes().text(Attr::Align), position);
    panel->name = std::string(attributes().text(Attr::Name));
    section_->addObject(std::move(panel), noBreak_);
    stack_.popTop();
    next();
}

void HtmlReading::readFont() {
    const Tag tag = token_.tag;
    if (token_.end) {
        if (stack_.popByName("font"))
            changeFont();
        next();
        return;
    }
    const TAttributeList& list = attributes();
    std::optional<int> size;
    if (const TAttribute* attribute = list.find(Attr::Size)) {
        long long value = attribute->numericValue;
        const std::string_view text = ascii::TrimWhitespace(attribute->valueText);
        if (!text.empty() && (text.front() == '+' || text.front() == '-'))
            value += baseFontSize_;
        size = static_cast<int>(std::clamp<long long>(value, 1, 7));
        if (tag == Tag::Basefont)
            baseFontSize_ = *size;
    }
    if (!stack_.canPushInline()) {
        skipAsAbsent(tag);
        return;
    }
    PropValue colour;
    const bool hasColour =
        list.has(Attr::Color) && PropertyValueFromText(Color, list.text(Attr::Color), false,
                                                       document_.styleList().paletteFlag(), colour);
    std::string face;
    if (tag == Tag::Font)
        face = std::string(ascii::TrimWhitespace(list.text(Attr::Face)));
    std::optional<int> charset;
    if (!input_.byteOrderMark && list.has(Attr::Charset))
        charset = CharsetFromName(list.text(Attr::Charset));

    pushElement(Tag::Font);
    if (size) {
        const auto index = static_cast<std::size_t>(*size - 1);
        stack_.setOnTop(FontSize, stack_.preEntries() > 0 ? kPreFontConv[index] : kFontConv[index]);
    }
    if (hasColour)
        stack_.setOnTop(Color, colour);
    if (!face.empty())
        stack_.setOnTop(FontFamily, face);
    if (charset)
        applyCharsetCode(*charset);
    changeFont();
    next();
}

void HtmlReading::readMap() {
    TMapItem map;
    map.name = ascii::UpperCased(attributes().text(Attr::Name));
    next();
    int others = 0;
    while (token_.tag != Tag::End) {
        if (is(Tag::Area)) {
            const TAttributeList& list = attributes();
            if (map.areas.size() < kMaxMapAreas) {
                map.areas.push_back(TMapArea::fromAttributes(
                    list.text(Attr::Shape), list.text(Attr::Coords),
                    std::string(list.text(Attr::Href)), std::string(list.text(Attr::Target)),
                    list.title(), list.has(Attr::NoHref)));
            }
        } else if (isEnd(Tag::Map)) {
            document_.addMap(std::move(map));
            next();
            return;
        } else if (!token_.isText()) {
            if (++others >= 3)
                return;  // not a map after all: dropped, and this tag read as usual
            skipTag();
            continue;
        }
        next();
    }
}

void HtmlReading::readObject() {
    if (!hooks_.objectTag) {
        next();  // the content is read as ordinary content
        return;
    }
    const int position = token_.position;
    ensureSection();
    pushElement(Tag::Object);
    auto panel = std::make_unique<TPanelObj>(attributes().length(Attr::Width),
                                             attributes().length(Attr::Height),
                                             attributes().text(Attr::Align), position);
    panel->name = std::string(attributes().text(Attr::Name));
    const std::vector<std::string> attributeLines = attributes().lines();
    next();
    std::vector<std::string> params;
    while (is(Tag::Param) || token_.isSingleSpace() || token_.tag == Tag::LineEnd) {
        if (is(Tag::Param) && params.size() < kMaxObjectParams) {
            std::string line(attributes().text(Attr::Name));
            if (attributes().has(Attr::Value))
                line += "=" + std::string(attributes().text(Attr::Value));
            params.push_back(std::move(line));
        }
        next();
    }
    bool handled = false;
    hooks_.objectTag(*panel, handled, params, attributeLines);
    stack_.popTop();
    if (!handled)
        return;  // the panel goes; the content is the fallback
    ensureSection();
    section_->addObject(std::move(panel), noBreak_);
    while (token_.tag != Tag::End && !isEnd(Tag::Object))
        skipTag();
    if (isEnd(Tag::Object))
        next();
}

}  // namespace kelvor::engine
