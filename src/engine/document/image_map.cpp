#include "engine/document/image_map.h"

#include <cstdint>

#include "platform/ascii.h"

namespace kelvor::engine {

namespace {

std::vector<int> ReadCoords(std::string_view text) {
    std::vector<int> coords;
    std::size_t at = 0;
    while (at < text.size() && coords.size() < TMapArea::kMaxCoords) {
        while (at < text.size() && (text[at] == ',' || text[at] == ' ' || text[at] == '\t' ||
                                    text[at] == '\r' || text[at] == '\n')) {
            ++at;
        }
        if (at >= text.size())
            break;
        bool negative = false;
        if (text[at] == '-' || text[at] == '+') {
            negative = text[at] == '-';
            ++at;
        }
        std::int64_t value = 0;
        bool digits = false;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
            if (value < 1000000)
                value = value * 10 + (text[at] - '0');
            digits = true;
            ++at;
        }
        // A fraction is dropped; anything else that is no number is passed over.
        while (at < text.size() && text[at] != ',' && text[at] != ' ' && text[at] != '\t')
            ++at;
        if (digits)
            coords.push_back(static_cast<int>(negative ? -value : value));
    }
    return coords;
}

}  // namespace

TMapArea TMapArea::fromAttributes(std::string_view shape, std::string_view coords, std::string href,
                                  std::string target, std::string title, bool noHref) {
    TMapArea area;
    const std::string kind = ascii::LowerCased(ascii::TrimWhitespace(shape));
    if (kind == "circle" || kind == "circ") {
        area.shape = Shape::circle;
    } else if (kind == "poly" || kind == "polygon") {
        area.shape = Shape::poly;
    } else if (kind == "default") {
        area.shape = Shape::whole;
    }
    area.coords = ReadCoords(coords);
    area.href = std::move(href);
    area.target = std::move(target);
    area.title = std::move(title);
    area.noHref = noHref;
    return area;
}

bool TMapArea::contains(int x, int y) const {
    const auto c = [&](std::size_t i) { return static_cast<std::int64_t>(coords[i]); };
    switch (shape) {
        case Shape::whole:
            return true;
        case Shape::rect:
            return coords.size() >= 4 && x >= c(0) && x < c(2) && y >= c(1) && y < c(3);
        case Shape::circle: {
            if (coords.size() < 3)
                return false;
            const std::int64_t dx = x - c(0);
            const std::int64_t dy = y - c(1);
            return dx * dx + dy * dy <= c(2) * c(2);
        }
        case Shape::poly: {
            // Even-odd rule over the polygon's edges.
            const std::size_t points = coords.size() / 2;
            if (points < 3)
                return false;
            bool inside = false;
            for (std::size_t i = 0, j = points - 1; i < points; j = i++) {
                const std::int64_t xi = c(2 * i), yi = c(2 * i + 1);
                const std::int64_t xj = c(2 * j), yj = c(2 * j + 1);
                if ((yi > y) == (yj > y))
                    continue;
                // Is x left of the edge at height y? Both sides are multiplied by (yj - yi),
                // which turns the comparison round when it is negative.
                const std::int64_t lhs = (x - xi) * (yj - yi);
                const std::int64_t rhs = (xj - xi) * (y - yi);
                if (yj > yi ? lhs < rhs : lhs > rhs)
                    inside = !inside;
            }
            return inside;
        }
    }
    return false;
}

const TMapArea* TMapItem::areaAt(int x, int y) const {
    for (const TMapArea& area : areas) {
        if (area.contains(x, y))
            return &area;
    }
    return nullptr;
}

}  // namespace kelvor::engine
