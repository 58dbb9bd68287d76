#pragma once

#include <string>

#include "engine/document/block.h"

namespace kelvor::engine {

// The kind of list an item belongs to.
enum class ListKind {
    ordered,     // OL
    unordered,   // UL, DIR, MENU
    definition,  // DL (DD, DT)
    alone,       // an LI outside any list
};

enum class MarkerKind {
    none,
    disc,
    circle,
    square,
    decimal,
    lowerAlpha,
    upperAlpha,
    lowerRoman,
    upperRoman,
    image,
};

// What the reader knows when it starts a list item.
struct ListItemSpec {
    ListKind kind = ListKind::unordered;
    int level = 1;         // ListLevel: 1 for an item of an outermost list
    int number = 1;        // the item's number in an ordered list
    char numbering = '1';  // first character of the OL's TYPE
    bool plain = false;    // UL PLAIN or TYPE "none"/"plain": no bullets
};

// A list item with its marker.
class TListItemBlock : public TBlock {
  public:
    TListItemBlock(TDocument& document, const TProperties& properties, const ListItemSpec& shape);

    // The marker that the list gives (before the style's list-style-type is applied).
    static MarkerKind ListMarker(const ListItemSpec& shape);
    // The text of a number marker: the number in the kind's form followed by ".".
    static std::u16string MarkerText(MarkerKind kind, int number);

  protected:
    int layoutContent(LayoutContext& context, int x, int width, int availableHeight,
                      TIndentMap& map, int y, int& neededWidth) override;
    void paintContent(PaintContext& context) const override;

  public:
    MarkerKind marker = MarkerKind::none;
    int number = 1;
    std::string markerImage;                        // list-style-image URL, for MarkerKind::image
    MarkerKind imageFallback = MarkerKind::none;    // drawn while the image is not there
    std::shared_ptr<const TPicture> markerPicture;  // asked for at layout
    TDocFont markerFont;  // the item's font: colour of bullets, font of numbers
};

}  // namespace kelvor::engine
