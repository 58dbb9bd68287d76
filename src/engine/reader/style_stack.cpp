#include "engine/reader/style_stack.h"

#include <span>

#include "engine/document/document.h"
#include "engine/reader/attribute_list.h"

namespace kelvor::engine {

StackElement StackElement::Of(std::string_view tag, const TAttributeList& attributes,
                              FontCache& fonts, std::string_view pseudo) {
    StackElement identity;
    identity.tag = std::string(tag);
    identity.classKey = attributes.classKey();
    identity.id = attributes.id();
    identity.pseudo = std::string(pseudo);
    identity.title = attributes.title();
    identity.style = attributes.style(fonts);
    return identity;
}

TStyleStack::TStyleStack(TDocument& document) : document_(document) {}

void TStyleStack::reset(const TProperties& root) {
    entries_.clear();
    chain_.clear();
    preEntries_ = 0;
    Entry entry;
    entry.properties = std::make_unique<TProperties>(root);
    chain_.push_back(entry.properties.get());
    entries_.push_back(std::move(entry));
}

void TStyleStack::push(StackElement identity) {
    Entry entry;
    entry.properties = std::make_unique<TProperties>(document_.fonts());
    entry.identity = std::move(identity);
    if (entry.identity.tag == "pre")
        ++preEntries_;
    chain_.push_back(entry.properties.get());
    entries_.push_back(std::move(entry));
    build(entries_.size() - 1);
}

void TStyleStack::build(std::size_t index) {
    Entry& entry = entries_[index];
    const TProperties& parent = *entries_[index - 1].properties;
    TProperties& properties = *entry.properties;
    const StackElement& identity = entry.identity;
    properties.inherit(identity.tag, parent);
    properties.combine(document_.styleList(), identity.tag, identity.classKey, identity.id,
                       identity.pseudo, identity.title, identity.style,
                       std::span<const TProperties* const>(chain_.data(), index));
    for (const auto& [property, value] : entry.values)
        properties.setProperty(property, value);
    if (entry.charset)
        properties.setCharset(*entry.charset);
    if (entry.utf8)
        properties.setUtf8();
}

void TStyleStack::setOnTop(int index, PropValue value) {
    Entry& entry = entries_.back();
    entry.properties->setProperty(index, value);
    for (auto& [property, kept] : entry.values) {
        if (property == index) {
            kept = std::move(value);
            return;
        }
    }
    entry.values.emplace_back(index, std::move(value));
}

void TStyleStack::setCharsetOnTop(int charset) {
    Entry& entry = entries_.back();
    entry.properties->setCharset(charset);
    entry.charset = charset;
    entry.utf8 = false;
}

void TStyleStack::setUtf8OnTop() {
    Entry& entry = entries_.back();
    entry.properties->setUtf8();
    entry.utf8 = true;
    entry.charset.reset();
}

void TStyleStack::removed(const Entry& entry) {
    if (entry.identity.tag == "pre")
        --preEntries_;
    if (entry.borderId != 0)
        document_.endInlineBorder(entry.borderId);
}

bool TStyleStack::popByName(std::string_view tag) {
    for (std::size_t index = entries_.size() - 1; index >= 1; --index) {
        if (entries_[index].identity.tag != tag)
            continue;
        removed(entries_[index]);
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
        chain_.erase(chain_.begin() + static_cast<std::ptrdiff_t>(index));
        // The entries above took their values from the removed one.
        for (std::size_t above = index; above < entries_.size(); ++above)
            build(above);
        return true;
    }
    return false;
}

void TStyleStack::popTop() {
    if (entries_.size() <= 1)
        return;
    removed(entries_.back());
    entries_.pop_back();
    chain_.pop_back();
}

}  // namespace kelvor::engine
