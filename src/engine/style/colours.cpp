#include "engine/style/colours.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include "engine/text/text_utils.h"
#include "platform/ascii.h"

namespace kelvor::engine {

namespace {

struct NamedColour {
    std::string_view name;
    TColour value;  // 0xRRGGBB for ordinary names; engine values for the others
};

constexpr TColour System(int n) {
    return kSystemColourBase + static_cast<TColour>(n);
}

// Windows system colour numbers.
constexpr int kScrollBar = 0, kBackground = 1, kActiveCaption = 2, kInactiveCaption = 3, kMenu = 4,
              kWindow = 5, kWindowFrame = 6, kMenuText = 7, kWindowText = 8, kCaptionText = 9,
              kActiveBorder = 10, kInactiveBorder = 11, kAppWorkspace = 12, kHighlight = 13,
              kHighlightText = 14, kButtonFace = 15, kButtonShadow = 16, kGrayText = 17,
              kButtonText = 18, kInactiveCaptionText = 19, kButtonHighlight = 20,
              kDarkShadow3D = 21, kInfoText = 23, kInfoBackground = 24;

// "transparent", the CSS 3 keywords (the HTML 4 names first) and the system colour names.
// The first 148 entries hold 0xRRGGBB; the system entries hold engine values.
constexpr std::size_t kFirstSystemEntry = 148;
constexpr std::array<NamedColour, 176> kColourNames = {{
    {"transparent", kNoColour},
    {"black", 0x000000},
    {"silver", 0xC0C0C0},
    {"gray", 0x808080},
    {"white", 0xFFFFFF},
    {"maroon", 0x800000},
    {"red", 0xFF0000},
    {"purple", 0x800080},
    {"fuchsia", 0xFF00FF},
    {"green", 0x008000},
    {"lime", 0x00FF00},
    {"olive", 0x808000},
    {"yellow", 0xFFFF00},
    {"navy", 0x000080},
    {"blue", 0x0000FF},
    {"teal", 0x008080},
    {"aqua", 0x00FFFF},
    {"aliceblue", 0xF0F8FF},
    {"antiquewhite", 0xFAEBD7},
    {"aquamarine", 0x7FFFD4},
    {"azure", 0xF0FFFF},
    {"beige", 0xF5F5DC},
    {"bisque", 0xFFE4C4},
    {"blanchedalmond", 0xFFEBCD},
    {"blueviolet", 0x8A2BE2},
    {"brown", 0xA52A2A},
    {"burlywood", 0xDEB887},
    {"cadetblue", 0x5F9EA0},
    {"chartreuse", 0x7FFF00},
    {"chocolate", 0xD2691E},
    {"coral", 0xFF7F50},
    {"cornflowerblue", 0x6495ED},
    {"cornsilk", 0xFFF8DC},
    {"crimson", 0xDC143C},
    {"cyan", 0x00FFFF},
    {"darkblue", 0x00008B},
    {"darkcyan", 0x008B8B},
    {"darkgoldenrod", 0xB8860B},
    {"darkgray", 0xA9A9A9},
    {"darkgreen", 0x006400},
    {"darkgrey", 0xA9A9A9},
    {"darkkhaki", 0xBDB76B},
    {"darkmagenta", 0x8B008B},
    {"darkolivegreen", 0x556B2F},
    {"darkorange", 0xFF8C00},
    {"darkorchid", 0x9932CC},
    {"darkred", 0x8B0000},
    {"darksalmon", 0xE9967A},
    {"darkseagreen", 0x8FBC8F},
    {"darkslateblue", 0x483D8B},
    {"darkslategray", 0x2F4F4F},
    {"darkslategrey", 0x2F4F4F},
    {"darkturquoise", 0x00CED1},
    {"darkviolet", 0x9400D3},
    {"deeppink", 0xFF1493},
    {"deepskyblue", 0x00BFFF},
    {"dimgray", 0x696969},
    {"dimgrey", 0x696969},
    {"dodgerblue", 0x1E90FF},
    {"firebrick", 0xB22222},
    {"floralwhite", 0xFFFAF0},
    {"forestgreen", 0x228B22},
    {"gainsboro", 0xDCDCDC},
    {"ghostwhite", 0xF8F8FF},
    {"gold", 0xFFD700},
    {"goldenrod", 0xDAA520},
    {"greenyellow", 0xADFF2F},
    {"grey", 0x808080},
    {"honeydew", 0xF0FFF0},
    {"hotpink", 0xFF69B4},
    {"indianred", 0xCD5C5C},
    {"indigo", 0x4B0082},
    {"ivory", 0xFFFFF0},
    {"khaki", 0xF0E68C},
    {"lavender", 0xE6E6FA},
    {"lavenderblush", 0xFFF0F5},
    {"lawngreen", 0x7CFC00},
    {"lemonchiffon", 0xFFFACD},
    {"lightblue", 0xADD8E6},
    {"lightcoral", 0xF08080},
    {"lightcyan", 0xE0FFFF},
    {"lightgoldenrodyellow", 0xFAFAD2},
    {"lightgray", 0xD3D3D3},
    {"lightgreen", 0x90EE90},
    {"lightgrey", 0xD3D3D3},
    {"lightpink", 0xFFB6C1},
    {"lightsalmon", 0xFFA07A},
    {"lightseagreen", 0x20B2AA},
    {"lightskyblue", 0x87CEFA},
    {"lightslategray", 0x778899},
    {"lightslategrey", 0x778899},
    {"lightsteelblue", 0xB0C4DE},
    {"lightyellow", 0xFFFFE0},
    {"limegreen", 0x32CD32},
    {"linen", 0xFAF0E6},
    {"magenta", 0xFF00FF},
    {"mediumaquamarine", 0x66CDAA},
    {"mediumblue", 0x0000CD},
    {"mediumorchid", 0xBA55D3},
    {"mediumpurple", 0x9370DB},
    {"mediumseagreen", 0x3CB371},
    {"mediumslateblue", 0x7B68EE},
    {"mediumspringgreen", 0x00FA9A},
    {"mediumturquoise", 0x48D1CC},
    {"mediumvioletred", 0xC71585},
    {"midnightblue", 0x191970},
    {"mintcream", 0xF5FFFA},
    {"mistyrose", 0xFFE4E1},
    {"moccasin", 0xFFE4B5},
    {"navajowhite", 0xFFDEAD},
    {"oldlace", 0xFDF5E6},
    {"olivedrab", 0x6B8E23},
    {"orange", 0xFFA500},
    {"orangered", 0xFF4500},
    {"orchid", 0xDA70D6},
    {"palegoldenrod", 0xEEE8AA},
    {"palegreen", 0x98FB98},
    {"paleturquoise", 0xAFEEEE},
    {"palevioletred", 0xDB7093},
    {"papayawhip", 0xFFEFD5},
    {"peachpuff", 0xFFDAB9},
    {"peru", 0xCD853F},
    {"pink", 0xFFC0CB},
    {"plum", 0xDDA0DD},
    {"powderblue", 0xB0E0E6},
    {"rosybrown", 0xBC8F8F},
    {"royalblue", 0x4169E1},
    {"saddlebrown", 0x8B4513},
    {"salmon", 0xFA8072},
    {"sandybrown", 0xF4A460},
    {"seagreen", 0x2E8B57},
    {"seashell", 0xFFF5EE},
    {"sienna", 0xA0522D},
    {"skyblue", 0x87CEEB},
    {"slateblue", 0x6A5ACD},
    {"slategray", 0x708090},
    {"slategrey", 0x708090},
    {"snow", 0xFFFAFA},
    {"springgreen", 0x00FF7F},
    {"steelblue", 0x4682B4},
    {"tan", 0xD2B48C},
    {"thistle", 0xD8BFD8},
    {"tomato", 0xFF6347},
    {"turquoise", 0x40E0D0},
    {"violet", 0xEE82EE},
    {"wheat", 0xF5DEB3},
    {"whitesmoke", 0xF5F5F5},
    {"yellowgreen", 0x9ACD32},
    {"background", System(kBackground)},
    {"activecaption", System(kActiveCaption)},
    {"inactivecaption", System(kInactiveCaption)},
    {"menu", System(kMenu)},
    {"window", System(kWindow)},
    {"windowframe", System(kWindowFrame)},
    {"menutext", System(kMenuText)},
    {"windowtext", System(kWindowText)},
    {"captiontext", System(kCaptionText)},
    {"activeborder", System(kActiveBorder)},
    {"inactiveborder", System(kInactiveBorder)},
    {"appworkspace", System(kAppWorkspace)},
    {"highlight", System(kHighlight)},
    {"highlighttext", System(kHighlightText)},
    {"buttonface", System(kButtonFace)},
    {"buttonshadow", System(kButtonShadow)},
    {"graytext", System(kGrayText)},
    {"buttontext", System(kButtonText)},
    {"inactivecaptiontext", System(kInactiveCaptionText)},
    {"buttonhighlight", System(kButtonHighlight)},
    {"threeddarkshadow", System(kDarkShadow3D)},
    {"threedlightshadow", System(kButtonHighlight)},
    {"infotext", System(kInfoText)},
    {"infobackground", System(kInfoBackground)},
    {"scrollbar", System(kScrollBar)},
    {"threedface", System(kButtonFace)},
    {"threedhighlight", System(kButtonHighlight)},
    {"threedshadow", System(kButtonShadow)},
}};

static_assert(kColourNames.back().name == "threedshadow", "every name present");
static_assert(kColourNames[kFirstSystemEntry].name == "background", "system names start");

constexpr TColour RgbToBgr(TColour rgb) {
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

bool LookUpName(std::string_view name, TColour& colour) {
    for (std::size_t i = 0; i < kColourNames.size(); ++i) {
        if (kColourNames[i].name == name) {
            const TColour value = kColourNames[i].value;
            colour = (i == 0 || i >= kFirstSystemEntry) ? value : RgbToBgr(value);
            return true;
        }
    }
    return false;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool ReadHex(std::string_view text, bool strict, TColour& colour) {
    if (strict && text.find('#') == std::string_view::npos) {
        return false;
    }
    std::string digits;
    for (char c : text) {
        if (c != '#')
            digits += c;
    }
    if (digits.empty()) {
        return false;
    }
    if (digits.size() > 6) {
        digits.resize(6);  // a trailing alpha part is no colour of ours
    }
    if (digits.size() <= 3) {
        std::string doubled;
        for (char c : digits) {
            doubled += c;
            doubled += c;
        }
        digits = doubled;
    }
    TColour rgb = 0;
    for (char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0)
            return false;
        rgb = (rgb << 4) | static_cast<TColour>(digit);
    }
    colour = RgbToBgr(rgb & 0xFFFFFF);
    return true;
}

// One component: a number, or a percentage of 255; out-of-range values are clamped.
bool ReadComponent(std::string_view text, int& value) {
    text = ascii::TrimWhitespace(text);
    bool percent = false;
    if (!text.empty() && text.back() == '%') {
        percent = true;
        text.remove_suffix(1);
    }
    double number = 0;
    if (!ParseNumber(ascii::TrimWhitespace(text), number)) {
        return false;
    }
    if (percent)
        number = number * 255.0 / 100.0;
    value = static_cast<int>(std::clamp(number + 0.5, 0.0, 255.0));
    return true;
}

bool ReadRgb(std::string_view text, TColour& colour) {
    const std::size_t open = text.find("rgb(");
    std::string_view inner = text.substr(open + 4);
    const std::size_t close = inner.find(')');
    if (close != std::string_view::npos)
        inner = inner.substr(0, close);
    int parts[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        const std::size_t comma = inner.find(',');
        if ((i < 2) == (comma == std::string_view::npos))
            return false;
        if (!ReadComponent(inner.substr(0, comma), parts[i]))
            return false;
        inner = comma == std::string_view::npos ? std::string_view() : inner.substr(comma + 1);
    }
    colour = static_cast<TColour>(parts[0]) | (static_cast<TColour>(parts[1]) << 8) |
             (static_cast<TColour>(parts[2]) << 16);
    return true;
}

bool Convert(std::string_view text, bool strict, TColour& colour) {
    if (text.find("rgb(") != std::string_view::npos) {
        return ReadRgb(text, colour);
    }
    if (!text.empty() && text.front() != '#' && LookUpName(text, colour)) {
        return true;
    }
    return ReadHex(text, strict, colour);
}

struct LastConversion {
    std::string text;
    bool strict = false;
    bool ok = false;
    TColour colour = 0;
    bool valid = false;
};

}  // namespace

bool ColorFromString(std::string_view raw, bool strict, TColour& colour) {
    // The remembered result is keyed on the mode too: a bare "ff0000" accepted from an attribute
    // must still be refused in a style sheet.
    static LastConversion last;
    const std::string text = ascii::LowerCased(ascii::TrimWhitespace(raw));
    if (!(last.valid && last.text == text && last.strict == strict)) {
        last.text = text;
        last.strict = strict;
        last.ok = Convert(text, strict, last.colour);
        last.valid = true;
    }
    if (last.ok)
        colour = last.colour;
    return last.ok;
}

TColour PaletteFlag(const platform::FontServices& device) {
    return device.bitsPerPixel() <= 8 ? kPaletteFlag : 0;
}

std::optional<platform::RgbColour> ResolveColour(TColour colour,
                                                 const platform::FontServices& device) {
    if (colour == kNoColour)
        return std::nullopt;
    if (colour & kSystemColourBase) {
        return device.systemColour(static_cast<int>(colour & 0xFF));
    }
    return colour & 0xFFFFFF;
}

int ColourNameCount() {
    return static_cast<int>(kColourNames.size());
}

}  // namespace kelvor::engine
