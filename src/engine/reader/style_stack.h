#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/style/properties.h"

namespace kelvor::engine {

class TDocument;
class TAttributeList;

// What an element pushes: its tag name (lower case) and the parts of it the style rules see.
struct StackElement {
    std::string tag;
    std::string classKey;
    std::string id;
    std::string pseudo;
    std::string title;
    std::shared_ptr<const TProperties> style;  // from a STYLE attribute

    // The identity of an element from its tag's attributes.
    static StackElement Of(std::string_view tag, const TAttributeList& attributes, FontCache& fonts,
                           std::string_view pseudo = {});
};

// The reader's stack of style properties. Entry 0 is the document's root properties; each
// element with style pushes an entry that inherits from the one below and takes the style rules
// for it. Values an element sets itself from its attributes (FONT SIZE, ALIGN, BODY TEXT, ...)
// are kept with the entry, so that they survive when the entry is worked out again.
class TStyleStack {
  public:
    // Inline elements (B, FONT, SPAN, ...) push only while the stack is smaller than this; the
    // elements that open a nesting level are bounded by the reader's nesting limit instead.
    static constexpr std::size_t kMaxInlineDepth = 512;

    explicit TStyleStack(TDocument& document);

    // Clears the stack and pushes entry 0, a copy of `root`.
    void reset(const TProperties& root);
    std::size_t size() const { return entries_.size(); }
    const TProperties& top() const { return *entries_.back().properties; }
    TProperties& root() { return *entries_.front().properties; }
    bool canPushInline() const { return entries_.size() < kMaxInlineDepth; }

    void push(StackElement identity);
    // Values set on the top entry after its push.
    void setOnTop(int index, PropValue value);
    void setCharsetOnTop(int charset);
    void setUtf8OnTop();
    // The inline border the top entry started (Part of the document's inline boxes).
    void setBorderOnTop(int id) { entries_.back().borderId = id; }

    // Removes the most recent entry of that tag (never entry 0) and works out again every entry
    // that lay above it; an open inline border of the entry ends. False when there is none.
    bool popByName(std::string_view tag);
    // Removes the top entry (never entry 0).
    void popTop();

    // How many entries of "pre" are on the stack: FONT sizes differ inside preformatted text.
    int preEntries() const { return preEntries_; }

  private:
    struct Entry {
        std::unique_ptr<TProperties> properties;
        StackElement identity;
        std::vector<std::pair<int, PropValue>> values;
        std::optional<int> charset;
        bool utf8 = false;
        int borderId = 0;
    };

    // Works out entry `index` from the entry below it.
    void build(std::size_t index);
    void removed(const Entry& entry);

    TDocument& document_;
    std::vector<Entry> entries_;
    // The properties of the entries, bottom first, as the style rules see the ancestors.
    std::vector<const TProperties*> chain_;
    int preEntries_ = 0;
};

}  // namespace kelvor::engine
