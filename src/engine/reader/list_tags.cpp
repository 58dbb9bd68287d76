// Rule 15: lists (OL, UL, DIR, MENU, DL, and ADDRESS and BLOCKQUOTE read as lists without
// items) and list items.

#include <limits>

#include "engine/document/list_item.h"
#include "engine/document/text_marks.h"
#include "engine/reader/reading.h"
#include "platform/ascii.h"

namespace kelvor::engine {

struct HtmlReading::ListContext {
    ListKind kind = ListKind::unordered;
    bool isList = false;  // false for ADDRESS and BLOCKQUOTE: their items stand alone
    int number = 1;
    char numbering = '1';
    bool plain = false;
};

namespace {

bool IsListItemTag(Tag tag) {
    return tag == Tag::Li || tag == Tag::Dd || tag == Tag::Dt;
}

bool IsListLikeTag(Tag tag) {
    return IsListTag(tag) || tag == Tag::Address || tag == Tag::Blockquote;
}

}  // namespace

void HtmlReading::readList(const SymbolSet& term) {
    const Tag tag = token_.tag;
    if (!canNest()) {
        skipAsAbsent(tag);
        return;
    }
    closeSection();
    ListContext list;
    const TAttributeList& attributes = this->attributes();
    switch (tag) {
        case Tag::Ol: {
            list.kind = ListKind::ordered;
            const std::optional<int> start = attributes.number(Attr::Start);
            if (start && *start >= 0)
                list.number = *start;
            const std::string_view type = ascii::TrimWhitespace(attributes.text(Attr::Type));
            if (!type.empty())
                list.numbering = type.front();
            break;
        }
        case Tag::Ul: {
            const std::string type =
                ascii::LowerCased(ascii::TrimWhitespace(attributes.text(Attr::Type)));
            list.plain = attributes.has(Attr::Plain) || type == "none" || type == "plain";
            break;
        }
        case Tag::Dl:
            list.kind = ListKind::definition;
            break;
        default:
            break;
    }
    list.isList = IsListTag(tag);
    pushElement(tag);
    TBlock* block = addBlock(std::make_unique<TBlock>(document_, top()));
    cell_ = &block->cell();
    next();
    ++nesting_;
    if (!isEnd(tag)) {
        const int levels = tag == Tag::Dl || !list.isList ? 0 : 1;
        listLevel_ += levels;
        readListContent(term.with(tag, true), &list, ListContent::list);
        listLevel_ -= levels;
    }
    closeSection();
    stack_.popByName(TagName(tag));
    cell_ = block->ownerCell();
    --nesting_;
    if (isEnd(tag))
        next();
}

// The content of a list or of one of its items. An item ends at the next item and at a list's
// end tag; an item that stands alone also ends at a P.
void HtmlReading::readListContent(const SymbolSet& term, ListContext* list, ListContent mode) {
    while (token_.tag != Tag::End) {
        const Tag tag = token_.tag;
        if (!token_.end) {
            if (IsListItemTag(tag)) {
                if (mode != ListContent::list)
                    return;
                readListItem(term, list);
                continue;
            }
            if (tag == Tag::P) {
                if (mode == ListContent::aloneItem)
                    return;
                readParagraph(term);
                continue;
            }
            if (IsListLikeTag(tag)) {
                readList(term);
                if (TBlock* owner = cell_->ownerBlock())
                    owner->moveInnerBottomMargin();
                continue;
            }
            if (tag == Tag::Center) {
                readCenter(term);
                continue;
            }
            if (tag == Tag::Form) {
                readForm(term);
                continue;
            }
            if (tag == Tag::Div) {
                readDiv(term);
                continue;
            }
        }
        if (IsInlineContent(token_)) {
            readInline(term);
            continue;
        }
        if (term.contains(token_.sym()) || (token_.end && IsListTag(tag)))
            return;
        if (!token_.end)
            return;  // any other start tag ends the list
        next();      // an end tag that matches nothing
    }
}

void HtmlReading::readListItem(const SymbolSet& term, ListContext* list) {
    const Tag tag = token_.tag;
    if (!canNest()) {
        next();
        return;
    }
    closeSection();
    ListItemSpec shape;
    if (list != nullptr && list->isList)
        shape.kind = list->kind;
    else
        shape.kind = tag == Tag::Li ? ListKind::alone : ListKind::definition;
    shape.level = listLevel_;
    if (list != nullptr) {
        shape.numbering = list->numbering;
        shape.plain = list->plain;
        const std::optional<int> value = attributes().number(Attr::Value);
        if (list->kind == ListKind::ordered && tag == Tag::Li && value && *value != 0)
            list->number = *value;
        shape.number = list->number;
        if (list->number < std::numeric_limits<int>::max())
            ++list->number;
    }
    const int position = token_.position;
    pushElement(tag);
    TBlock* item = addBlock(std::make_unique<TListItemBlock>(document_, top(), shape));
    cell_ = &item->cell();
    openSection();
    const std::uint64_t firstSection = sectionCount_;
    next();
    ++nesting_;
    SymbolSet inner = term;
    for (Tag end : {Tag::Ol, Tag::Ul, Tag::Dir, Tag::Menu, Tag::Dl})
        inner.addEnd(end);
    inner.add(Tag::Li).add(Tag::Dd).add(Tag::Dt);
    readListContent(inner, list,
                    shape.kind == ListKind::alone ? ListContent::aloneItem : ListContent::item);
    // An empty item still gets a line for its marker.
    if (section_ && sectionCount_ == firstSection && section_->text.empty() &&
        section_->objects.empty() && section_->controls.empty()) {
        section_->addChar(kNoBreakSpace, position, top(), noBreak_);
    }
    closeSection();
    item->moveInnerBottomMargin();
    stack_.popByName(TagName(tag));
    cell_ = item->ownerCell();
    --nesting_;
}

}  // namespace kelvor::engine
