#include "engine/reader/reading.h"

namespace kelvor::engine {

bool IsInlineStyleTag(Tag tag) {
    switch (tag) {
        case Tag::B:
        case Tag::I:
        case Tag::Em:
        case Tag::Strong:
        case Tag::U:
        case Tag::Cite:
        case Tag::Var:
        case Tag::Tt:
        case Tag::Code:
        case Tag::Kbd:
        case Tag::Samp:
        case Tag::S:
        case Tag::Strike:
        case Tag::Sub:
        case Tag::Sup:
        case Tag::Big:
        case Tag::Small:
        case Tag::Span:
        case Tag::Label:
            return true;
        default:
            return false;
    }
}

bool IsListTag(Tag tag) {
    return tag == Tag::Ol || tag == Tag::Ul || tag == Tag::Dir || tag == Tag::Menu ||
           tag == Tag::Dl;
}

bool IsTableInnerTag(Tag tag) {
    switch (tag) {
        case Tag::Tr:
        case Tag::Td:
        case Tag::Th:
        case Tag::Caption:
        case Tag::Thead:
        case Tag::Tbody:
        case Tag::Tfoot:
        case Tag::Col:
        case Tag::Colgroup:
            return true;
        default:
            return false;
    }
}

bool IsParagraphContent(const Token& token) {
    const Tag tag = token.tag;
    if (tag == Tag::Text || tag == Tag::LineEnd || tag == Tag::Unknown)
        return true;
    if (IsInlineStyleTag(tag))
        return true;
    // Until tables are read, their own tags are passed over like unknown ones.
    if (IsTableInnerTag(tag) || token.isEnd(Tag::Table))
        return true;
    if (token.end) {
        switch (tag) {
            case Tag::A:
            case Tag::Textarea:
            case Tag::Font:
            case Tag::Script:
            case Tag::Nobr:
            case Tag::Object:
            // Strays of elements whose readers take their own end tags.
            case Tag::Select:
            case Tag::Option:
            case Tag::Map:
                return true;
            default:
                return false;
        }
    }
    switch (tag) {
        case Tag::Br:
        case Tag::Img:
        case Tag::Panel:
        case Tag::A:
        case Tag::Input:
        case Tag::Textarea:
        case Tag::Select:
        case Tag::Font:
        case Tag::Basefont:
        case Tag::Map:
        case Tag::Page:
        case Tag::Script:
        case Tag::Nobr:
        case Tag::Wbr:
        case Tag::Object:
        // Children of OBJECT, MAP and SELECT met outside them.
        case Tag::Param:
        case Tag::Area:
        case Tag::Option:
            return true;
        default:
            return false;
    }
}

bool IsInlineContent(const Token& token) {
    return IsParagraphContent(token) || token.is(Tag::Table);
}

}  // namespace kelvor::engine
