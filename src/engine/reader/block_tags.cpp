// Rules 9 to 13 and 16: paragraphs, headings, line breaks, rules, preformatted text and the
// divisions CENTER, DIV and FORM.

#include "engine/document/block.h"
#include "engine/reader/reading.h"
#include "platform/ascii.h"

namespace kelvor::engine {

namespace {

// What a P or heading tag gives its element; kept because the attribute list changes with
// every tag read after it.
struct ElementAttributes {
    StackElement identity;
    std::string align;
};

ElementAttributes Capture(std::string_view tag, const TAttributeList& attributes,
                          FontCache& fonts) {
    return ElementAttributes{StackElement::Of(tag, attributes, fonts),
                             std::string(attributes.text(Attr::Align))};
}

// A heading's content: rule 14, paragraphs and divisions.
bool IsHeadingContent(const Token& token) {
    return IsInlineContent(token) || token.is(Tag::P) || token.is(Tag::Div);
}

}  // namespace

// Rule 9.
void HtmlReading::readParagraph(const SymbolSet& term) {
    closeSection();
    ElementAttributes paragraph = Capture("p", attributes(), document_.fonts());
    next();
    while (true) {
        skipSingleSpaces();
        if (is(Tag::P)) {
            paragraph = Capture("p", attributes(), document_.fonts());
            next();
        } else if (isEnd(Tag::P)) {
            next();
        } else {
            break;
        }
    }
    if (!canNest())
        return;  // read as if the tag were absent
    stack_.push(std::move(paragraph.identity));
    applyAlign(paragraph.align);
    TBlock* block = addBlock(std::make_unique<TBlock>(document_, top()));
    cell_ = &block->cell();
    ++nesting_;
    while (IsParagraphContent(token_))
        readInline(term);
    if (is(Tag::Table))
        block->setMarginBottom(0, false);
    closeSection();
    stack_.popByName("p");
    cell_ = block->ownerCell();
    --nesting_;
    if (isEnd(Tag::P))
        next();
}

// Rule 10.
void HtmlReading::readHeading(const SymbolSet& term) {
    const int level = token_.level;
    if (level < 1 || level > 6) {
        next();
        return;
    }
    if (!canNest()) {
        skipAsAbsent(Tag::H);
        return;
    }
    closeSection();
    const std::string name = "h" + std::to_string(level);
    ElementAttributes heading = Capture(name, attributes(), document_.fonts());
    stack_.push(std::move(heading.identity));
    applyAlign(heading.align);
    next();
    skipSingleSpaces();
    if (is(Tag::Center)) {
        stack_.setOnTop(TextAlign, std::string("center"));
        next();
    }
    TBlock* block = addBlock(std::make_unique<TBlock>(document_, top()));
    cell_ = &block->cell();
    openSection();
    ++nesting_;
    const SymbolSet inner = term.with(Tag::H, true);
    while (IsHeadingContent(token_)) {
        if (is(Tag::P))
            readParagraph(inner);
        else if (is(Tag::Div))
            readDiv(inner);
        else
            readInline(inner);
    }
    closeSection();
    stack_.popByName(name);
    cell_ = block->ownerCell();
    --nesting_;
    if (isEnd(Tag::H))
        next();
}

void HtmlReading::addPageBreakIfStyled() {
    pushElement(Tag::Br);
    const bool pageBreak = top().pageBreakBefore() || top().pageBreakAfter();
    stack_.popTop();
    if (pageBreak) {
        closeSection();
        cell_->addItem(std::make_unique<TPage>(document_));
    }
}

// Rule 11; inside preformatted text a BR only starts a new line.
void HtmlReading::readBreak() {
    const int position = token_.position;
    if (textMode_ == TextMode::preformatted) {
        closeSection();
        addPageBreakIfStyled();
        openSection();
        next();
        return;
    }
    if (const TAttribute* clear = attributes().find(Attr::Clear)) {
        const ClearSide side = ClearSideFromText(clear->valueText);
        closeSection();
        addPageBreakIfStyled();
        openSection();
        section_->setClear(side);
    } else {
        ensureSection();
        section_->addBreakMark(position);
        closeSection();
        addPageBreakIfStyled();
    }
    next();
}

// Rule 12.
void HtmlReading::readRule() {
    closeSection();
    pushElement(Tag::Hr);
    const TAttributeList& list = attributes();
    HorizontalRuleAttributes rule;
    rule.size = list.number(Attr::Size);
    rule.width = list.length(Attr::Width);
    rule.align = std::string(list.text(Attr::Align));
    rule.noShade = list.has(Attr::NoShade);
    rule.colour = std::string(list.text(Attr::Color));
    if (canNest())
        addBlock(std::make_unique<TRuleBlock>(document_, top(), rule));
    stack_.popTop();
    openSection();
    next();
}

// Rule 13.
void HtmlReading::readPre(const SymbolSet& term) {
    // "pre" may stay on the stack past the element (a table ends the preformatted mode).
    if (!stack_.canPushInline()) {
        skipAsAbsent(Tag::Pre);
        return;
    }
    closeSection();
    if (attributes().has(Attr::Wrap)) {
        // An ordinary block of text in the preformatted font; end PRE pops it.
        pushElement(Tag::Pre);
        next();
        return;
    }
    pushElement(Tag::Pre);
    TFlowCell* outer = cell_;
    if (canNest())
        cell_ = &addBlock(std::make_unique<TBlock>(document_, top()))->cell();
    const int savedNesting = nesting_;
    ++nesting_;
    textMode_ = TextMode::preformatted;
    openSection();
    next();
    readPreformattedContent(term);
    textMode_ = TextMode::collapse;
    // A line end just before the end tag leaves an empty last line that shows nothing.
    closeSectionDroppingEmpty();
    cell_ = outer;
    nesting_ = savedNesting;
    if (isEnd(Tag::Pre)) {
        stack_.popByName("pre");
        next();
    }
}

void HtmlReading::readPreformattedContent(const SymbolSet& term) {
    TFlowCell* preCell = cell_;
    TBlock* paragraph = nullptr;  // a P inside the PRE
    const auto endParagraph = [&] {
        if (paragraph == nullptr)
            return;
        closeSectionDroppingEmpty();
        cell_ = preCell;
        stack_.popByName("p");
        paragraph = nullptr;
    };
    while (token_.tag != Tag::End && !term.contains(token_.sym())) {
        const Tag tag = token_.tag;
        if (isEnd(Tag::Pre) || is(Tag::Table) || isEnd(Tag::Td) || isEnd(Tag::Th))
            break;
        if (tag == Tag::Text) {
            ensureSection();
            section_->addText(token_.text, token_.positions, top(), noBreak_);
            next();
        } else if (tag == Tag::LineEnd) {
            openSection();
            next();
        } else if (is(Tag::P)) {
            closeSectionDroppingEmpty();
            endParagraph();
            pushElement(Tag::P);
            if (canNest()) {
                paragraph = addBlock(std::make_unique<TBlock>(document_, top()));
                cell_ = &paragraph->cell();
            } else {
                stack_.popByName("p");
            }
            openSection();
            next();
            if (token_.tag == Tag::LineEnd)
                next();
        } else if (isEnd(Tag::P)) {
            if (paragraph != nullptr) {
                endParagraph();
                openSection();
            }
            next();
        } else if (IsInlineStyleTag(tag) || is(Tag::Br) || is(Tag::Img) || is(Tag::Panel) ||
                   tag == Tag::A || is(Tag::Input) || is(Tag::Select) || is(Tag::Textarea) ||
                   tag == Tag::Font || is(Tag::Basefont) || is(Tag::Script) || is(Tag::Map) ||
                   tag == Tag::Object) {
            readInline(term);
        } else {
            skipTag();  // other tags mean nothing inside preformatted text
        }
    }
    endParagraph();
}

// Rule 16: CENTER.
void HtmlReading::readCenter(const SymbolSet& term) {
    if (nesting_ >= kMaxNesting) {
        skipAsAbsent(Tag::Center);
        return;
    }
    closeSection();
    pushElement(Tag::Center);
    next();
    ++nesting_;
    readBody(term.with(Tag::Center, true));
    closeSection();
    stack_.popByName("center");
    --nesting_;
    if (isEnd(Tag::Center))
        next();
}

// Rule 16: DIV.
void HtmlReading::readDiv(const SymbolSet& term) {
    if (!canNest()) {
        skipAsAbsent(Tag::Div);
        return;
    }
    closeSection();
    pushElement(Tag::Div);
    applyAlign(attributes().text(Attr::Align));
    TBlock* block = addBlock(std::make_unique<TBlock>(document_, top()));
    cell_ = &block->cell();
    openSection();
    next();
    ++nesting_;
    readBody(term.with(Tag::Div, true));
    closeSection();
    block->moveInnerBottomMargin();
    cell_ = block->ownerCell();
    stack_.popByName("div");
    --nesting_;
    if (isEnd(Tag::Div))
        next();
}

// Rule 16: FORM; consecutive FORM tags each start a form of their own.
void HtmlReading::readForm(const SymbolSet& term) {
    const SymbolSet inner = term.with(Tag::Form, false).with(Tag::Form, true);
    while (is(Tag::Form)) {
        if (!canNest()) {
            skipAsAbsent(Tag::Form);
            continue;
        }
        form_ = formCount_++;
        if (hooks_.formStart)
            hooks_.formStart(form_, attributes());
        closeSection();
        pushElement(Tag::Form);
        TBlock* block = addBlock(std::make_unique<TBlock>(document_, top()));
        cell_ = &block->cell();
        next();
        ++nesting_;
        readBody(inner);
        closeSection();
        block->moveInnerBottomMargin();
        cell_ = block->ownerCell();
        stack_.popByName("form");
        --nesting_;
    }
    if (isEnd(Tag::Form)) {
        form_ = -1;
        next();
    }
}

}  // namespace kelvor::engine
