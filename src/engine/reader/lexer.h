#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/reader/attribute_list.h"
#include "engine/reader/char_reader.h"
#include "engine/reader/symbols.h"

namespace kelvor::engine {

// One token: a tag (start or end, with its attributes in the lexer's list), a text, a line end
// (preformatted text only) or the end of the input.
struct Token {
    Tag tag = Tag::End;
    bool end = false;
    int level = 0;     // the digit of a heading tag
    int position = 0;  // source position of the "<" or of the text's first character
    // A text token: 16-bit characters with one source position each.
    std::u16string text;
    std::vector<int> positions;

    Sym sym() const { return Sym{tag, end}; }
    bool is(Tag t) const { return tag == t && !end; }
    bool isEnd(Tag t) const { return tag == t && end; }
    bool isText() const { return tag == Tag::Text || tag == Tag::LineEnd; }
    bool isSingleSpace() const { return tag == Tag::Text && text.size() == 1 && text[0] == u' '; }
};

// How text is read.
enum class TextMode {
    collapse,      // runs of blanks and line ends become one blank
    preformatted,  // every character kept; a line end is a token of its own
};

// What the lexer asks of the reading it serves.
struct LexerContext {
    // The code page of text and of entities in VALUE attributes (the top of the property stack).
    std::function<int()> codePage;
    // An ID attribute with a value was read.
    std::function<void(const std::string& id, int position)> registerId;
    // Entities in VALUE attributes take the code page in force instead of the system default.
    bool valueEntitiesInCodePage = false;
};

// The tokenizer: tags with their attributes, texts with entities, over a character reader.
class Lexer {
  public:
    static constexpr std::size_t kMaxNameLength = 255;

    Lexer(CharReader& chars, LexerContext context);

    // Reads the next token into `token`.
    void next(Token& token, TextMode mode);
    const TAttributeList& attributes() const { return attributes_; }
    CharReader& chars() { return chars_; }

    // Set for the link-counting pass: texts are not converted and IDs not registered.
    bool linkSearch = false;

    // After "&" (the current character): the character of an entity, or the text that stays
    // when there is none. `inAttribute` applies the attribute rules.
    struct Entity {
        bool found = false;
        char32_t value = 0;
        bool fromNumber = false;
        std::string text;  // kept as text when not found
    };
    Entity readEntity(bool inAttribute);

  private:
    void readTag(Token& token);
    bool readAttribute();
    void readQuoted(TAttribute& attribute);
    void readNumeric(TAttribute& attribute);
    void readPlain(TAttribute& attribute);
    void appendAttributeEntity(TAttribute& attribute);
    void readText(Token& token, TextMode mode);
    void flushRun(Token& token);
    void skipBlanks();

    CharReader& chars_;
    LexerContext context_;
    TAttributeList attributes_;
    // The bytes of the text being read, with their positions, before conversion.
    std::string run_;
    std::vector<int> runPositions_;
    std::string name_;
};

// The whole text as a decimal number (sign, digits, fraction), rounded and held within the
// range of an int; 0 when it is no number.
int RoundedNumber(std::string_view text);

}  // namespace kelvor::engine
