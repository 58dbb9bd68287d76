#include "engine/document/list_item.h"

#include <array>
#include <string_view>

namespace kelvor::engine {

namespace {

constexpr std::array<std::string_view, 20> kRoman = {
    "i",  "ii",  "iii",  "iv",  "v",  "vi",  "vii",  "viii",  "ix",  "x",
    "xi", "xii", "xiii", "xiv", "xv", "xvi", "xvii", "xviii", "xix", "xx",
};

std::optional<MarkerKind> MarkerFromStyle(const std::string& type) {
    static constexpr std::pair<std::string_view, MarkerKind> kTypes[] = {
        {"circle", MarkerKind::circle},
        {"decimal", MarkerKind::decimal},
        {"disc", MarkerKind::disc},
        {"lower-alpha", MarkerKind::lowerAlpha},
        {"lower-roman", MarkerKind::lowerRoman},
        {"none", MarkerKind::none},
        {"square", MarkerKind::square},
        {"upper-alpha", MarkerKind::upperAlpha},
        {"upper-roman", MarkerKind::upperRoman},
    };
    for (const auto& [name, kind] : kTypes) {
        if (type == name)
            return kind;
    }
    return std::nullopt;  // "blank", empty or unknown: the list's own kind
}

std::u16string Ascii(std::string_view text) {
    return std::u16string(text.begin(), text.end());
}

}  // namespace

MarkerKind TListItemBlock::ListMarker(const ListItemSpec& shape) {
    switch (shape.kind) {
        case ListKind::ordered:
            switch (shape.numbering) {
                case 'A':
                    return MarkerKind::upperAlpha;
                case 'a':
                    return MarkerKind::lowerAlpha;
                case 'I':
                    return MarkerKind::upperRoman;
                case 'i':
                    return MarkerKind::lowerRoman;
                default:
                    return MarkerKind::decimal;
            }
        case ListKind::unordered: {
            if (shape.plain)
                return MarkerKind::none;
            // Levels 1, 4, 7, ... disc; 2, 5, ... circle; 3, 6, ... square.
            const int level = shape.level < 1 ? 1 : shape.level;
            constexpr MarkerKind kBullets[3] = {MarkerKind::disc, MarkerKind::circle,
                                                MarkerKind::square};
            return kBullets[(level - 1) % 3];
        }
        case ListKind::definition:
            return MarkerKind::none;
        case ListKind::alone:
            return MarkerKind::disc;
    }
    return MarkerKind::none;
}

std::u16string TListItemBlock::MarkerText(MarkerKind kind, int number) {
    // Letters and roman numerals exist for 1 and up; other numbers show as decimals.
    const bool positive = number >= 1;
    switch (kind) {
        case MarkerKind::lowerAlpha:
        case MarkerKind::upperAlpha:
            if (positive) {
                const char16_t first = kind == MarkerKind::lowerAlpha ? u'a' : u'A';
                const int offset = number > 26 ? 25 : number - 1;
                return std::u16string(1, static_cast<char16_t>(first + offset)) + u".";
            }
            break;
        case MarkerKind::lowerRoman:
        case MarkerKind::upperRoman:
            if (positive) {
                std::u16string roman = Ascii(kRoman[number > 20 ? 19 : number - 1]);
                if (kind == MarkerKind::upperRoman) {
                    for (char16_t& c : roman)
                        c = static_cast<char16_t>(c - u'a' + u'A');
                }
                return roman + u".";
            }
            break;
        default:
            break;
    }
    return Ascii(std::to_string(number)) + u".";
}

TListItemBlock::TListItemBlock(TDocument& document, const TProperties& properties,
                               const ListItemSpec& shape)
    : TBlock(document, properties), number(shape.number), markerFont(properties.font()) {
    marker = ListMarker(shape);
    if (const std::optional<MarkerKind> styled = MarkerFromStyle(properties.listStyleType()))
        marker = *styled;
    if (shape.kind == ListKind::alone)
        defaultLeftMargin_ = 16;
    markerImage = properties.listStyleImage();
    if (!markerImage.empty() && marker != MarkerKind::none) {
        imageFallback = marker;
        marker = MarkerKind::image;
    }
}

}  // namespace kelvor::engine
