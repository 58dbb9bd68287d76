#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/document/floating_objects.h"
#include "engine/reader/symbols.h"

namespace kelvor::engine {

class FontCache;
class TProperties;

// One attribute of a tag. Texts are the document's 8-bit bytes in the code page that was in
// force when the tag was read (entities in them are in the system default code page).
struct TAttribute {
    Attr symbol = Attr::Other;
    int numericValue = 0;
    std::string valueText;
    std::string nameText;  // as written
    int codePage = 0;
};

// The attributes of the tag just read, in document order. A tag keeps at most kMaxAttributes;
// later ones are read and dropped.
class TAttributeList {
  public:
    static constexpr std::size_t kMaxAttributes = 1000;

    void clear();
    void add(TAttribute attribute);
    const std::vector<TAttribute>& items() const { return items_; }
    bool empty() const { return items_.empty(); }

    // The first attribute with this symbol.
    const TAttribute* find(Attr symbol) const;
    bool has(Attr symbol) const { return find(symbol) != nullptr; }
    // The value text of the first such attribute; empty when there is none.
    std::string_view text(Attr symbol) const;
    // WIDTH, HEIGHT and the like as the model takes them.
    LengthAttribute length(Attr symbol) const;
    std::optional<int> number(Attr symbol) const;

    // The CLASS value trimmed and lower-cased; several names sorted and joined by ".".
    std::string classKey() const;
    // The ID value lower-cased.
    const std::string& id() const;
    // The TITLE value as written.
    std::string title() const;
    // Properties of a STYLE attribute, when there is one.
    std::shared_ptr<const TProperties> style(FontCache& fonts) const;
    // The attributes as lines "name=value", as handlers of OBJECT tags get them.
    std::vector<std::string> lines() const;

  private:
    std::vector<TAttribute> items_;
    mutable std::optional<std::string> id_;
};

// What IMG and an image button of a form share: source, text, alignment, size and spacing,
// NAME and ID.
ImageAttributes ReadImageAttributes(const TAttributeList& list);

}  // namespace kelvor::engine
