#include <array>
#include <string>

#include "engine/style/colours.h"
#include "engine/style/lengths.h"
#include "engine/style/property_values.h"
#include "engine/text/text_utils.h"

namespace kelvor::engine {

namespace {

constexpr std::array<std::string_view, 9> kBorderStyles = {
    "none", "solid", "dashed", "dotted", "double", "groove", "inset", "outset", "ridge"};

constexpr std::array<std::string_view, 9> kFontSizeKeywords = {
    "xx-small", "x-small", "small", "medium", "large", "x-large", "xx-large", "larger", "smaller"};

template <std::size_t N>
bool IsOneOf(std::string_view word, const std::array<std::string_view, N>& words) {
    for (std::string_view known : words) {
        if (word == known)
            return true;
    }
    return false;
}

bool StartsLikeNumber(std::string_view word) {
    NumberAndUnit value;
    return SplitNumberAndUnit(word, value);
}

std::string JoinWords(const std::vector<std::string>& words) {
    std::string joined;
    for (const std::string& word : words) {
        if (!joined.empty())
            joined += ' ';
        joined += word;
    }
    return joined;
}

// One to four values for top, right, bottom, left.
void FourSides(std::string_view value, int top, std::vector<Declaration>& out) {
    const std::vector<std::string> words = SplitWords(value);
    if (words.empty() || words.size() > 4)
        return;
    const std::size_t n = words.size();
    const std::string& t = words[0];
    const std::string& r = n >= 2 ? words[1] : t;
    const std::string& b = n >= 3 ? words[2] : t;
    const std::string& l = n == 4 ? words[3] : r;
    out.push_back({top, t});
    out.push_back({top + 1, r});
    out.push_back({top + 2, b});
    out.push_back({top + 3, l});
}

// "border" and "border-<side>": widths, styles and colours of the sides named. `sides` lists
// side numbers 0 top .. 3 left.
void BorderSides(std::string_view value, std::initializer_list<int> sides,
                 std::vector<Declaration>& out) {
    for (const std::string& word : SplitWords(value)) {
        int first = -1;
        if (word == "thin" || word == "medium" || word == "thick" || StartsLikeNumber(word)) {
            first = BorderTopWidth;
        } else if (IsOneOf(word, kBorderStyles)) {
            first = BorderTopStyle;
        } else {
            first = BorderTopColor;
        }
        for (int side : sides)
            out.push_back({first + side, word});
    }
}

void Font(std::string_view value, std::vector<Declaration>& out) {
    const std::vector<std::string> words = SplitWords(value);
    std::size_t i = 0;
    bool styleSet = false;
    for (; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "italic" || word == "oblique") {
            out.push_back({FontStyle, word});
            styleSet = true;
        } else if (word == "normal") {
            out.push_back({styleSet ? FontWeight : FontStyle, word});
            styleSet = true;
        } else if (word == "bold" || word == "bolder" || word == "lighter" ||
                   (word.size() == 3 && word[1] == '0' && word[2] == '0' && word[0] >= '1' &&
                    word[0] <= '9')) {
            out.push_back({FontWeight, word});
        } else if (word == "small-caps") {
            out.push_back({FontVariant, word});
        } else {
            break;
        }
    }
    if (i < words.size()) {
        const std::string& word = words[i];
        const std::size_t slash = word.find('/');
        const std::string size = word.substr(0, slash);
        if (IsOneOf(std::string_view(size), kFontSizeKeywords) || StartsLikeNumber(size)) {
            out.push_back({FontSize, size});
            if (slash != std::string::npos && slash + 1 < word.size()) {
                out.push_back({LineHeight, word.substr(slash + 1)});
            }
            ++i;
            if (i < words.size() && words[i].size() > 1 && words[i].front() == '/') {
                out.push_back({LineHeight, words[i].substr(1)});
                ++i;
            } else if (i + 1 < words.size() && words[i] == "/") {
                out.push_back({LineHeight, words[i + 1]});
                i += 2;
            }
        }
    }
    const std::vector<std::string> rest(words.begin() + static_cast<std::ptrdiff_t>(i),
                                        words.end());
    if (!rest.empty())
        out.push_back({FontFamily, JoinWords(rest)});
}

void Background(std::string_view value, std::vector<Declaration>& out) {
    std::vector<std::string> position;
    for (const std::string& word : SplitWords(value)) {
        TColour colour = 0;
        if (word.rfind("url(", 0) == 0 || word == "none") {
            out.push_back({BackgroundImage, word});
        } else if (word == "repeat" || word == "no-repeat" || word == "repeat-x" ||
                   word == "repeat-y") {
            out.push_back({BackgroundRepeat, word});
        } else if (word == "fixed" || word == "scroll") {
            out.push_back({BackgroundAttachment, word});
        } else if (word == "transparent" || word.front() == '#' ||
                   word.find("rgb(") != std::string::npos ||
                   (!StartsLikeNumber(word) && word != "top" && word != "bottom" &&
                    word != "left" && word != "right" && word != "center" &&
                    ColorFromString(word, true, colour))) {
            out.push_back({BackgroundColor, word});
        } else {
            position.push_back(word);
        }
    }
    if (!position.empty())
        out.push_back({BackgroundPosition, JoinWords(position)});
}

void ListStyle(std::string_view value, std::vector<Declaration>& out) {
    for (const std::string& word : SplitWords(value)) {
        if (word.rfind("url(", 0) == 0) {
            out.push_back({ListStyleImage, word});
        } else if (word != "inside" && word != "outside") {
            out.push_back({ListStyleType, word});
        }
    }
}

}  // namespace

std::vector<Declaration> ExpandDeclaration(std::string_view name, std::string_view value) {
    std::vector<Declaration> out;
    if (name == "margin") {
        FourSides(value, MarginTop, out);
    } else if (name == "padding") {
        FourSides(value, PaddingTop, out);
    } else if (name == "border-width") {
        FourSides(value, BorderTopWidth, out);
    } else if (name == "border") {
        BorderSides(value, {0, 1, 2, 3}, out);
    } else if (name == "border-top") {
        BorderSides(value, {0}, out);
    } else if (name == "border-right") {
        BorderSides(value, {1}, out);
    } else if (name == "border-bottom") {
        BorderSides(value, {2}, out);
    } else if (name == "border-left") {
        BorderSides(value, {3}, out);
    } else if (name == "font") {
        Font(value, out);
    } else if (name == "background") {
        Background(value, out);
    } else if (name == "list-style") {
        ListStyle(value, out);
    } else if (name == "border-color") {
        // The element-wide property takes the first value too, for inline boxes.
        out.push_back({BorderColor, SplitWords(value).empty() ? "" : SplitWords(value)[0]});
        FourSides(value, BorderTopColor, out);
    } else if (name == "border-style") {
        out.push_back({BorderStyle, SplitWords(value).empty() ? "" : SplitWords(value)[0]});
        FourSides(value, BorderTopStyle, out);
    } else if (const std::optional<int> index = PropertyIndex(name)) {
        out.push_back({*index, std::string(value)});
    }
    return out;
}

}  // namespace kelvor::engine
