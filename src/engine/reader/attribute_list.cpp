#include "engine/reader/attribute_list.h"

#include <algorithm>

#include "engine/style/properties.h"
#include "engine/style/style_sheet_parser.h"
#include "platform/ascii.h"

namespace kelvor::engine {

void TAttributeList::clear() {
    items_.clear();
    id_.reset();
}

void TAttributeList::add(TAttribute attribute) {
    if (items_.size() < kMaxAttributes)
        items_.push_back(std::move(attribute));
}

const TAttribute* TAttributeList::find(Attr symbol) const {
    for (const TAttribute& attribute : items_) {
        if (attribute.symbol == symbol)
            return &attribute;
    }
    return nullptr;
}

std::string_view TAttributeList::text(Attr symbol) const {
    const TAttribute* attribute = find(symbol);
    return attribute ? std::string_view(attribute->valueText) : std::string_view();
}

LengthAttribute TAttributeList::length(Attr symbol) const {
    LengthAttribute length;
    if (const TAttribute* attribute = find(symbol)) {
        length.given = true;
        length.value = attribute->numericValue;
        length.percent = attribute->valueText.find('%') != std::string::npos;
    }
    return length;
}

std::optional<int> TAttributeList::number(Attr symbol) const {
    const TAttribute* attribute = find(symbol);
    if (attribute == nullptr)
        return std::nullopt;
    return attribute->numericValue;
}

std::string TAttributeList::classKey() const {
    const std::string value = ascii::LowerCased(ascii::TrimWhitespace(text(Attr::Class)));
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < value.size()) {
        const std::size_t blank = value.find_first_of(" \t\r\n", start);
        const std::size_t end = blank == std::string::npos ? value.size() : blank;
        if (end > start)
            names.push_back(value.substr(start, end - start));
        start = end + 1;
    }
    std::sort(names.begin(), names.end());
    std::string key;
    for (const std::string& name : names) {
        if (!key.empty())
            key += '.';
        key += name;
    }
    return key;
}

const std::string& TAttributeList::id() const {
    if (!id_)
        id_ = ascii::LowerCased(text(Attr::Id));
    return *id_;
}

std::string TAttributeList::title() const {
    return std::string(text(Attr::Title));
}

std::shared_ptr<const TProperties> TAttributeList::style(FontCache& fonts) const {
    const TAttribute* attribute = find(Attr::Style);
    if (attribute == nullptr)
        return nullptr;
    return ParseStyleAttribute(attribute->valueText, fonts);
}

std::vector<std::string> TAttributeList::lines() const {
    std::vector<std::string> lines;
    lines.reserve(items_.size());
    for (const TAttribute& attribute : items_)
        lines.push_back(attribute.nameText + "=" + attribute.valueText);
    return lines;
}

ImageAttributes ReadImageAttributes(const TAttributeList& list) {
    ImageAttributes image;
    image.src = std::string(list.text(Attr::Src));
    if (list.has(Attr::Alt))
        image.alt = std::string(list.text(Attr::Alt));
    if (list.has(Attr::Title))
        image.title = list.title();
    image.align = std::string(list.text(Attr::Align));
    image.border = list.number(Attr::Border);
    image.width = list.length(Attr::Width);
    image.height = list.length(Attr::Height);
    image.hspace = list.number(Attr::HSpace);
    image.vspace = list.number(Attr::VSpace);
    image.name = std::string(list.text(Attr::Name));
    image.id = std::string(list.text(Attr::Id));
    return image;
}

}  // namespace kelvor::engine
