#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvor::engine {

// One AREA of a client-side image map.
struct TMapArea {
    enum class Shape { rect, circle, poly, whole };
    Shape shape = Shape::rect;
    std::vector<int> coords;
    std::string href;
    std::string target;
    std::string title;
    bool noHref = false;

    // Builds an area from its SHAPE and COORDS texts ("rect", "circle"/"circ", "poly"/
    // "polygon", "default"; numbers separated by commas or blanks, at most kMaxCoords kept).
    static TMapArea fromAttributes(std::string_view shape, std::string_view coords,
                                   std::string href, std::string target, std::string title,
                                   bool noHref);
    // Is the point (in picture coordinates) inside the area?
    bool contains(int x, int y) const;

    static constexpr std::size_t kMaxCoords = 2000;
};

// A MAP element: its upper-cased NAME and its areas in document order.
struct TMapItem {
    std::string name;
    std::vector<TMapArea> areas;

    // The first area that holds the point, or nullptr.
    const TMapArea* areaAt(int x, int y) const;
};

}  // namespace kelvor::engine
