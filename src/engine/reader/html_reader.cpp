#include "engine/reader/html_reader.h"

#include <exception>

#include "engine/document/limits.h"
#include "engine/reader/reading.h"
#include "platform/ascii.h"

namespace kelvor::engine {

HtmlReadResult ReadHtmlDocument(std::string_view text, TDocument& document,
                                const HtmlReaderHooks& hooks) {
    HtmlReading reading(document, hooks);
    return reading.readHtml(text);
}

HtmlReadResult ReadTextDocument(std::string_view text, TDocument& document,
                                const HtmlReaderHooks& hooks) {
    HtmlReading reading(document, hooks);
    return reading.readText(text);
}

HtmlReading::HtmlReading(TDocument& document, const HtmlReaderHooks& hooks)
    : document_(document),
      hooks_(hooks),
      stack_(document),
      lexer_(chars_, LexerContext{
                         [this] { return stack_.top().codePage(); },
                         [this](const std::string& id, int position) {
                             document_.anchors().add(id, position);
                         },
                         hooks.entitiesInCodePage,
                     }) {}

// Rule 1, for both entry points.
void HtmlReading::prepare(std::string_view text) {
    input_ = PrepareInput(text);
    stack_.reset(document_.styleList().defaults());
    if (input_.byteOrderMark)
        stack_.root().setUtf8();
    else if (input_.shiftJis)
        stack_.root().setCharset(128);
    codePage_ = stack_.root().codePage();
    body_ = &document_.createBody(stack_.root());
    cell_ = &body_->cell();
    section_.reset();
    openSection();
    baseFontSize_ = 3;
    listLevel_ = 0;
    title_.clear();
    base_.clear();
    baseTarget_.clear();
}

HtmlReadResult HtmlReading::readHtml(std::string_view text) {
    prepare(text);
    countLinks();
    chars_.reset(input_.text, input_.byteOrderMark ? 2 : -1);
    chars_.setIncludeHandler(hooks_.include ? &hooks_.include : nullptr);
    chars_.setProgress(hooks_.progress ? &hooks_.progress : nullptr);
    try {
        chars_.advance();
        next();
        readBody(SymbolSet());
    } catch (const std::exception&) {
        // An open comment at the end, or any other failure: what was built stays.
    }
    return finish();
}

// Rule 21: the links are counted first, so that a document with very many of them gets no
// keyboard focus objects.
void HtmlReading::countLinks() {
    chars_.reset(input_.text, -1);
    lexer_.linkSearch = true;
    int count = 0;
    try {
        chars_.advance();
        Token token;
        lexer_.next(token, TextMode::collapse);
        while (token.tag != Tag::End && count <= kManyLinks) {
            if (token.is(Tag::A) && lexer_.attributes().has(Attr::Href))
                ++count;
            lexer_.next(token, TextMode::collapse);
        }
    } catch (const std::exception&) {
        // The count ends here.
    }
    lexer_.linkSearch = false;
    document_.manyLinks = count > kManyLinks;
}

HtmlReadResult HtmlReading::finish() {
    textMode_ = TextMode::collapse;
    closeSection();
    document_.finishBuilding();
    HtmlReadResult result;
    result.title = std::move(title_);
    result.base = std::move(base_);
    result.baseTarget = std::move(baseTarget_);
    result.codePage = codePage_;
    result.manyLinks = document_.manyLinks;
    return result;
}

void HtmlReading::next() {
    while (true) {
        lexer_.next(token_, textMode_);
        ++tokenCount_;
        const auto index = static_cast<std::size_t>(token_.tag);
        if (token_.end && absentEnds_[index] > 0) {
            --absentEnds_[index];
            continue;
        }
        return;
    }
}

void HtmlReading::skipSingleSpaces() {
    while (token_.isSingleSpace())
        next();
}

void HtmlReading::skipTag() {
    if (is(Tag::Style))
        readStyle();
    else if (is(Tag::Script))
        readScript();
    else
        next();
}

void HtmlReading::openSection() {
    closeSection();
    ++sectionCount_;
    if (textMode_ == TextMode::preformatted)
        section_ = std::make_unique<TPreformatted>(document_, top());
    else
        section_ = std::make_unique<TSection>(document_, top());
}

void HtmlReading::ensureSection() {
    if (!section_)
        openSection();
}

void HtmlReading::closeSection() {
    if (section_)
        cell_->addSection(std::move(section_));
}

void HtmlReading::closeSectionDroppingEmpty() {
    if (section_ && section_->text.empty() && section_->objects.empty() &&
        section_->controls.empty()) {
        section_.reset();
        return;
    }
    closeSection();
}

void HtmlReading::changeFont() {
    if (section_)
        section_->changeFont(top());
}

void HtmlReading::pushElement(Tag tag, std::string_view pseudo) {
    stack_.push(StackElement::Of(TagName(tag), attributes(), document_.fonts(), pseudo));
}

bool HtmlReading::canNest() const {
    return nesting_ < kMaxNesting && cell_->depth() < kMaxBlockDepth;
}

TBlock* HtmlReading::addBlock(std::unique_ptr<TBlock> block) {
    closeSection();
    return &cell_->addBlock(std::move(block));
}

void HtmlReading::skipAsAbsent(Tag tag) {
    if (HasEndTag(tag))
        ++absentEnds_[static_cast<std::size_t>(tag)];
    next();
}

void HtmlReading::applyAlign(std::string_view align) {
    const std::string value = ascii::LowerCased(ascii::TrimWhitespace(align));
    if (value == "left" || value == "center" || value == "right" || value == "justify")
        stack_.setOnTop(TextAlign, value);
    else if (value == "middle")
        stack_.setOnTop(TextAlign, std::string("center"));
}

// Rule 8: the body content, until the end of the input or a symbol of `term`.
void HtmlReading::readBody(const SymbolSet& term) {
    while (token_.tag != Tag::End && !term.contains(token_.sym())) {
        const std::uint64_t before = tokenCount_;
        dispatchBody(term);
        if (tokenCount_ == before)
            next();  // every turn moves on, whatever a rule left
    }
}

void HtmlReading::dispatchBody(const SymbolSet& term) {
    if (token_.end) {
        switch (token_.tag) {
            case Tag::Form:
                form_ = -1;
                next();
                return;
            case Tag::Pre:
                // The end of a PRE read as an ordinary block, or of one whose preformatted
                // mode a table ended.
                closeSection();
                stack_.popByName("pre");
                next();
                return;
            default:
                if (IsInlineContent(token_))
                    readInline(term);
                else
                    next();  // HTML, HEAD, BODY, stray and unknown end tags
                return;
        }
    }
    switch (token_.tag) {
        case Tag::Title:
            readTitle();
            return;
        case Tag::Body:
            readBodyTag();
            return;
        case Tag::P:
            readParagraph(term);
            return;
        case Tag::H:
            readHeading(term);
            return;
        case Tag::Hr:
            readRule();
            return;
        case Tag::Pre:
            readPre(term);
            return;
        case Tag::Ol:
        case Tag::Ul:
        case Tag::Dir:
        case Tag::Menu:
        case Tag::Dl:
        case Tag::Address:
        case Tag::Blockquote:
            readList(term);
            return;
        case Tag::Li:
        case Tag::Dd:
        case Tag::Dt:
            readListItem(term, nullptr);
            return;
        case Tag::Center:
            readCenter(term);
            return;
        case Tag::Form:
            readForm(term);
            return;
        case Tag::Div:
            readDiv(term);
            return;
        case Tag::Base:
            readBase();
            return;
        case Tag::Meta:
            readMeta();
            return;
        case Tag::Link:
            readLinkTag();
            return;
        case Tag::Style:
            readStyle();
            return;
        case Tag::Bgsound:
            readBgSound();
            return;
        default:
            if (IsInlineContent(token_))
                readInline(term);
            else
                next();  // HTML, HEAD, FRAMESET, unknown tags and the like
            return;
    }
}

}  // namespace kelvor::engine
