#include "engine/reader/lexer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "engine/reader/entities.h"
#include "engine/reader/text_conversion.h"
#include "platform/ascii.h"

namespace kelvor::engine {

namespace {

constexpr int kCr = '\r';
constexpr char32_t kBeyondUnicode = 0x110000;
constexpr std::size_t kMaxEntityBytes = 11;

bool IsLetter(int c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsDigit(int c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(int c) {
    return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

int HexValue(int c) {
    if (IsDigit(c))
        return c - '0';
    return (c | 0x20) - 'a' + 10;
}

// Characters of a tag name: "/" to "9", letters and "_".
bool IsTagNameChar(int c) {
    return (c >= '/' && c <= '9') || IsLetter(c) || c == '_';
}

// How a decoded entity value enters text: TAB as a blank, other control characters as "?",
// values beyond Unicode (or lone surrogate halves) as "?".
char32_t Printable(char32_t value) {
    if (value == '\t')
        return ' ';
    if (value < 32 || value >= kBeyondUnicode || (value >= 0xD800 && value <= 0xDFFF))
        return '?';
    return value;
}

bool IsByteReference(const Lexer::Entity& entity) {
    return entity.fromNumber && entity.value >= 127 && entity.value <= 159;
}

}  // namespace

int RoundedNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0 || i != text.size())
        return 0;
    const bool negative = text.front() == '-';
    std::string_view number = text;
    if (number.front() == '+' || number.front() == '-')
        number.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = std::numeric_limits<double>::max();
    else if (result.ec != std::errc())
        return 0;
    if (negative)
        value = -value;
    constexpr double kMax = std::numeric_limits<int>::max();
    constexpr double kMin = std::numeric_limits<int>::min();
    return static_cast<int>(std::lround(std::clamp(value, kMin, kMax)));
}

Lexer::Lexer(CharReader& chars, LexerContext context)
    : chars_(chars), context_(std::move(context)) {}

void Lexer::skipBlanks() {
    while (chars_.ch() == ' ' || chars_.ch() == kCr)
        chars_.advance();
}

void Lexer::next(Token& token, TextMode mode) {
    token.end = false;
    token.level = 0;
    token.text.clear();
    token.positions.clear();
    const int c = chars_.ch();
    if (c == 0) {
        token.tag = Tag::End;
        token.position = chars_.position();
        return;
    }
    if (c == '<') {
        readTag(token);
        return;
    }
    if (c == kCr && mode == TextMode::preformatted) {
        token.tag = Tag::LineEnd;
        token.position = chars_.position();
        chars_.advance();
        return;
    }
    readText(token, mode);
}

void Lexer::readTag(Token& token) {
    token.position = chars_.position();
    chars_.advance();
    int c = chars_.ch();
    if (!(c == '/' || c == '?' || IsLetter(c))) {
        token.tag = Tag::Text;
        token.text.assign(1, u'<');
        token.positions.assign(1, token.position);
        return;
    }
    if (c == '/') {
        token.end = true;
        chars_.advance();
    }
    name_.clear();
    while (IsTagNameChar(c = chars_.ch())) {
        if (c == '/' && !name_.empty())
            break;
        if (name_ == "H" && c >= '1' && c <= '6')
            break;
        if (name_.size() < kMaxNameLength)
            name_ += ascii::ToUpper(static_cast<char>(c));
        chars_.advance();
    }
    token.tag = LookupTag(name_);
    if (token.end && !HasEndTag(token.tag))
        token.tag = Tag::Unknown;
    skipBlanks();
    if (token.tag == Tag::H && chars_.ch() >= '1' && chars_.ch() <= '6') {
        token.level = chars_.ch() - '0';
        chars_.advance();
    }
    attributes_.clear();
    while (readAttribute()) {
    }
    while (chars_.ch() != '>' && chars_.ch() != 0)
        chars_.advance();
    // SCRIPT and STYLE read their content from the ">" on, without the comment test.
    const bool rawContent = !token.end && (token.tag == Tag::Script || token.tag == Tag::Style);
    if (chars_.ch() == '>' && !rawContent)
        chars_.advance();
}

bool Lexer::readAttribute() {
    skipBlanks();
    int c = chars_.ch();
    if (!IsLetter(c))
        return false;
    TAttribute attribute;
    name_.clear();
    while (IsLetter(c = chars_.ch()) || IsDigit(c) || c == '-') {
        if (name_.size() < kMaxNameLength) {
            name_ += ascii::ToUpper(static_cast<char>(c));
            attribute.nameText += static_cast<char>(c);
        }
        chars_.advance();
    }
    skipBlanks();
    attribute.symbol = LookupAttr(name_);
    attribute.codePage = context_.codePage ? context_.codePage() : 0;
    if (chars_.ch() != '=') {
        attribute.numericValue = attribute.symbol == Attr::Border ? 1 : 0;
    } else {
        chars_.advance();
        skipBlanks();
        c = chars_.ch();
        if (c == '"' || c == '\'')
            readQuoted(attribute);
        else if (c == '+' || c == '-' || IsDigit(c))
            readNumeric(attribute);
        else
            readPlain(attribute);
    }
    if (attribute.symbol == Attr::Id && !attribute.valueText.empty() && !linkSearch &&
        context_.registerId) {
        context_.registerId(attribute.valueText, chars_.position());
    }
    attributes_.add(std::move(attribute));
    return true;
}

void Lexer::readQuoted(TAttribute& attribute) {
    const int quote = chars_.ch();
    chars_.advance();
    const bool keepLineEnds = attribute.symbol == Attr::Alt || attribute.symbol == Attr::Title;
    std::string& value = attribute.valueText;
    while (chars_.ch() != quote && chars_.ch() != 0) {
        const int c = chars_.ch();
        if (c == kCr) {
            if (keepLineEnds)
                value += "\r\n";
            chars_.advance();
        } else if (c == '&') {
            appendAttributeEntity(attribute);
        } else {
            value += static_cast<char>(c);
            chars_.advance();
        }
    }
    if (chars_.ch() == quote)
        chars_.advance();
    std::string_view number = ascii::TrimWhitespace(value);
    if (!number.empty() && number.back() == '%')
        number.remove_suffix(1);
    if (!number.empty() && (number.front() == '+' || number.front() == '-' ||
                            number.front() == '.' || IsDigit(number.front()))) {
        attribute.numericValue = RoundedNumber(number);
    }
}

void Lexer::readNumeric(TAttribute& attribute) {
    std::string& value = attribute.valueText;
    int c = chars_.ch();
    while (c != ' ' && c != kCr && c != '%' && c != '>' && c != 0) {
        value += static_cast<char>(c);
        chars_.advance();
        c = chars_.ch();
    }
    skipBlanks();
    attribute.numericValue = RoundedNumber(value);
    if (chars_.ch() == '%') {
        value += '%';
        chars_.advance();
    }
}

void Lexer::readPlain(TAttribute& attribute) {
    int c = chars_.ch();
    while (c != ' ' && c != kCr && c != '>' && c != 0) {
        if (c == '&') {
            appendAttributeEntity(attribute);
        } else {
            attribute.valueText += static_cast<char>(c);
            chars_.advance();
        }
        c = chars_.ch();
    }
}

void Lexer::appendAttributeEntity(TAttribute& attribute) {
    const Entity entity = readEntity(true);
    if (!entity.found) {
        attribute.valueText += entity.text;
        return;
    }
    if (IsByteReference(entity)) {
        attribute.valueText += static_cast<char>(entity.value);
        return;
    }
    const bool inForce =
        attribute.symbol == Attr::Value && context_.valueEntitiesInCodePage && context_.codePage;
    const int codePage = inForce ? context_.codePage() : 0;
    attribute.valueText += CharToCodePage(Printable(entity.value), codePage, kMaxEntityBytes);
}

Lexer::Entity Lexer::readEntity(bool inAttribute) {
    Entity entity;
    chars_.advance();  // "&"
    int c = chars_.ch();
    if (c == '#') {
        entity.text = "&#";
        chars_.advance();
        c = chars_.ch();
        bool hex = false;
        if (c == 'x' || c == 'X') {
            entity.text += static_cast<char>(c);
            chars_.advance();
            if (!IsHexDigit(chars_.ch()))
                return entity;
            hex = true;
        } else if (!IsDigit(c)) {
            return entity;
        }
        char32_t value = 0;
        while (hex ? IsHexDigit(c = chars_.ch()) : IsDigit(c = chars_.ch())) {
            const char32_t digit = static_cast<char32_t>(hex ? HexValue(c) : c - '0');
            value = std::min<char32_t>(value * (hex ? 16 : 10) + digit, kBeyondUnicode);
            chars_.advance();
        }
        if (chars_.ch() == ';')
            chars_.advance();
        entity.found = true;
        entity.fromNumber = true;
        entity.value = value;
        entity.text.clear();
        return entity;
    }
    std::string name;
    while (name.size() < kMaxEntityName && (IsLetter(c = chars_.ch()) || IsDigit(c))) {
        name += static_cast<char>(c);
        chars_.advance();
    }
    entity.text.assign(1, '&');
    entity.text += name;
    const std::optional<char32_t> value = LookupEntity(name);
    if (!value)
        return entity;
    // In attribute values a name above 255 needs its ";" (so "&euro" stays as it is).
    if (inAttribute && *value > 255 && chars_.ch() != ';')
        return entity;
    if (chars_.ch() == ';')
        chars_.advance();
    entity.found = true;
    entity.value = *value;
    entity.text.clear();
    return entity;
}

void Lexer::flushRun(Token& token) {
    if (run_.empty())
        return;
    if (!linkSearch) {
        AppendConverted(run_, runPositions_, context_.codePage ? context_.codePage() : 0,
                        token.text, token.positions);
    }
    run_.clear();
    runPositions_.clear();
}

void Lexer::readText(Token& token, TextMode mode) {
    token.tag = Tag::Text;
    token.position = chars_.position();
    run_.clear();
    runPositions_.clear();
    const auto add = [&](int c, int position) {
        run_ += static_cast<char>(c);
        runPositions_.push_back(position);
    };
    int c = chars_.ch();
    if (c >= 1 && c <= 8) {
        add('?', chars_.position());
        chars_.advance();
    }
    while (true) {
        c = chars_.ch();
        if (c == 0 || c == '<' || (c >= 1 && c <= 8))
            break;
        if (c == kCr && mode == TextMode::preformatted)
            break;
        if ((c == ' ' || c == kCr) && mode == TextMode::collapse) {
            add(' ', chars_.position());
            chars_.advance();
            while (chars_.ch() == ' ' || chars_.ch() == kCr)
                chars_.advance();
            continue;
        }
        if (c == '&') {
            const int position = chars_.position();
            const Entity entity = readEntity(false);
            if (!entity.found) {
                for (std::size_t i = 0; i < entity.text.size(); ++i)
                    add(entity.text[i], position + static_cast<int>(i));
            } else if (IsByteReference(entity)) {
                add(static_cast<int>(entity.value), position);
            } else {
                flushRun(token);
                const std::size_t before = token.text.size();
                AppendUtf16(Printable(entity.value), token.text);
                token.positions.insert(token.positions.end(), token.text.size() - before, position);
            }
            continue;
        }
        add(c, chars_.position());
        chars_.advance();
    }
    flushRun(token);
}

}  // namespace kelvor::engine
