#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/document/block.h"
#include "engine/document/document.h"
#include "engine/document/section.h"
#include "engine/reader/html_reader.h"
#include "engine/reader/input_preparation.h"
#include "engine/reader/lexer.h"
#include "engine/reader/style_stack.h"

namespace kelvor::engine {

// One reading of a document: the state the reading rules share and the rules themselves, split
// by tag family over several files (block_tags.cpp, inline_tags.cpp, list_tags.cpp,
// form_tags.cpp, head_tags.cpp, table_tags.cpp). Each rule starts at its tag as the current
// token and returns with the first token it does not handle as the current one.
class HtmlReading {
  public:
    // Elements that open a nesting level (lists, items, divisions, paragraphs, headings) nest at
    // most this deep; deeper ones are read as if their tags were absent. The reading rules
    // recurse once per level, so this bounds the stack, and the blocks stay within the depth
    // the model lays out (kMaxBlockDepth).
    static constexpr int kMaxNesting = 200;

    HtmlReading(TDocument& document, const HtmlReaderHooks& hooks);

    HtmlReadResult readHtml(std::string_view text);
    HtmlReadResult readText(std::string_view text);

  private:
    // --- Set-up (html_reader.cpp) ---
    void prepare(std::string_view text);
    void countLinks();
    HtmlReadResult finish();

    // --- Tokens ---
    void next();
    bool is(Tag tag) const { return token_.is(tag); }
    bool isEnd(Tag tag) const { return token_.isEnd(tag); }
    const TAttributeList& attributes() const { return lexer_.attributes(); }
    void skipSingleSpaces();
    // Passes over a tag that means nothing where it stands; STYLE and SCRIPT are still read as
    // such, since their content is no markup.
    void skipTag();

    // --- Building helpers ---
    const TProperties& top() const { return stack_.top(); }
    void openSection();
    void ensureSection();
    void closeSection();
    // Closes the open section, dropping it when it holds nothing.
    void closeSectionDroppingEmpty();
    void changeFont();
    void pushElement(Tag tag, std::string_view pseudo = {});
    bool canNest() const;
    TBlock* addBlock(std::unique_ptr<TBlock> block);
    // A tag read as if it were absent (past the nesting or property limit): its end tag, when it
    // has one, is skipped as well when it comes.
    void skipAsAbsent(Tag tag);
    void applyAlign(std::string_view align);
    void addPageBreakIfStyled();

    // --- Rule 8: the body loop and what it dispatches (html_reader.cpp) ---
    void readBody(const SymbolSet& term);
    void dispatchBody(const SymbolSet& term);

    // --- head_tags.cpp ---
    void readTitle();
    void readBodyTag();
    void readBase();
    void readMeta();
    void readLinkTag();
    void loadLinkedSheet(const std::string& href);
    void readStyle();
    void readBgSound();
    void readScript();
    void applyCharsetCode(int code);

    // --- block_tags.cpp ---
    void readParagraph(const SymbolSet& term);
    void readHeading(const SymbolSet& term);
    void readBreak();
    void readRule();
    void readPre(const SymbolSet& term);
    void readPreformattedContent(const SymbolSet& term);
    void readCenter(const SymbolSet& term);
    void readDiv(const SymbolSet& term);
    void readForm(const SymbolSet& term);

    // --- inline_tags.cpp (rule 14) ---
    void readInline(const SymbolSet& term);
    void addText();
    void readInlineStyle();
    void readAnchor();
    void readImage();
    void readPanel();
    void readFont();
    void readMap();
    void readObject();

    // --- form_tags.cpp ---
    void readInput();
    void readSelect();
    void readTextArea();
    void placeControl(FormControlRequest& request);

    // --- list_tags.cpp (rule 15) ---
    struct ListContext;
    enum class ListContent { list, item, aloneItem };
    void readList(const SymbolSet& term);
    void readListContent(const SymbolSet& term, ListContext* list, ListContent mode);
    void readListItem(const SymbolSet& term, ListContext* list);

    // --- table_tags.cpp (rule 19's place) ---
    void readTable(const SymbolSet& term);

    // --- text_document.cpp (rule 20) ---
    void readPlainText();

    TDocument& document_;
    const HtmlReaderHooks& hooks_;
    PreparedInput input_;
    CharReader chars_;
    TStyleStack stack_;
    Lexer lexer_;
    Token token_;
    std::uint64_t tokenCount_ = 0;
    std::uint64_t sectionCount_ = 0;  // sections opened so far
    TextMode textMode_ = TextMode::collapse;

    TBodyBlock* body_ = nullptr;
    TFlowCell* cell_ = nullptr;
    std::unique_ptr<TSection> section_;
    bool noBreak_ = false;
    int baseFontSize_ = 3;
    int listLevel_ = 0;
    int nesting_ = 0;
    int form_ = -1;
    int formCount_ = 0;
    bool eucJpConverted_ = false;
    // End tags still to skip, per tag, of start tags read as if absent.
    std::array<int, kSymbolCount> absentEnds_{};

    std::string title_;
    std::string base_;
    std::string baseTarget_;
    int codePage_ = 0;
};

// Which tags each reading rule handles.
bool IsInlineStyleTag(Tag tag);
// The symbols that rule 9 reads as paragraph content.
bool IsParagraphContent(const Token& token);
// Rule 14: paragraph content and TABLE.
bool IsInlineContent(const Token& token);
bool IsListTag(Tag tag);  // OL, UL, DIR, MENU, DL
// Tags that only belong inside a table (rows, cells, captions, column groups).
bool IsTableInnerTag(Tag tag);

}  // namespace kelvor::engine
