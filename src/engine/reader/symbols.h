#pragma once

#include <bitset>
#include <cstdint>
#include <string_view>

namespace kelvor::engine {

// The tags the reader knows. The first 57 have end tags, the next 23 have none (their end tags
// read as unknown tags); then the symbols that are no tag names.
enum class Tag : std::uint8_t {
    // With end tags, in table order.
    Html,
    Title,
    Body,
    Head,
    B,
    I,
    H,
    Em,
    Strong,
    U,
    Cite,
    Var,
    Tt,
    Code,
    Kbd,
    Samp,
    Ol,
    Ul,
    Dir,
    Menu,
    Dl,
    A,
    Address,
    Blockquote,
    Pre,
    Center,
    Table,
    Td,
    Th,
    Caption,
    Form,
    Textarea,
    Select,
    Option,
    Font,
    Sub,
    Sup,
    Big,
    Small,
    P,
    Map,
    Frameset,
    Noframes,
    Script,
    Div,
    S,
    Strike,
    Tr,
    Nobr,
    Style,
    Span,
    Colgroup,
    Label,
    Thead,
    Tbody,
    Tfoot,
    Object,
    // Without end tags.
    Li,
    Br,
    Hr,
    Dd,
    Dt,
    Img,
    Base,
    Button,
    Input,
    Selected,
    Basefont,
    Area,
    Frame,
    Page,
    Bgsound,
    Wrap,
    Meta,
    Panel,
    Wbr,
    Link,
    Col,
    Param,
    Readonly,
    // Not tag names.
    Unknown,  // a tag of any other name
    Text,     // a text token
    LineEnd,  // a line end inside preformatted text
    End,      // the end of the input
};

inline constexpr int kTagsWithEndTag = 57;
inline constexpr int kTagNameCount = 80;
inline constexpr int kSymbolCount = static_cast<int>(Tag::End) + 1;

// The tag of an upper-case name; Tag::Unknown for any other name.
Tag LookupTag(std::string_view upperName);
// The lower-case name of a tag, as the property stack and the style rules know it.
std::string_view TagName(Tag tag);
inline bool HasEndTag(Tag tag) {
    return static_cast<int>(tag) < kTagsWithEndTag;
}

// The attribute names the reader knows; every other name is Attr::Other.
enum class Attr : std::uint8_t {
    Href,
    Name,
    Src,
    Alt,
    Align,
    Text,
    BgColor,
    Link,
    Background,
    Colspan,
    Rowspan,
    Border,
    CellPadding,
    CellSpacing,
    VAlign,
    Width,
    Start,
    Value,
    Type,
    Checkbox,
    Radio,
    Method,
    Action,
    Checked,
    Size,
    MaxLength,
    Cols,
    Rows,
    Multiple,
    Selected,
    Face,
    Color,
    Transp,
    Clear,
    Ismap,
    BorderColor,
    Usemap,
    Shape,
    Coords,
    NoHref,
    Height,
    Plain,
    Target,
    NoResize,
    Scrolling,
    HSpace,
    Language,
    FrameBorder,
    MarginWidth,
    MarginHeight,
    Loop,
    OnClick,
    Wrap,
    NoShade,
    HttpEquiv,
    Content,
    EncType,
    VLink,
    OLink,
    Active,
    VSpace,
    Class,
    Id,
    Style,
    Rel,
    Rev,
    NoWrap,
    BorderColorLight,
    BorderColorDark,
    Charset,
    Ratio,
    Title,
    OnFocus,
    OnBlur,
    OnChange,
    Span,
    TabIndex,
    BgProperties,
    Disabled,
    TopMargin,
    LeftMargin,
    Label,
    Readonly,
    Other,
};

// The attribute of an upper-case name.
Attr LookupAttr(std::string_view upperName);
// How many names the attribute table holds (VALUE is there twice).
int AttrNameCount();

// One symbol as the reading rules see it: a tag, start or end.
struct Sym {
    Tag tag = Tag::End;
    bool end = false;
};

// A set of symbols: the symbols that end a nested reading.
class SymbolSet {
  public:
    SymbolSet& add(Tag tag, bool end = false) {
        bits_.set(Index(tag, end));
        return *this;
    }
    SymbolSet& addEnd(Tag tag) { return add(tag, true); }
    bool contains(Sym sym) const { return bits_.test(Index(sym.tag, sym.end)); }
    SymbolSet with(Tag tag, bool end) const {
        SymbolSet copy = *this;
        copy.add(tag, end);
        return copy;
    }

  private:
    static std::size_t Index(Tag tag, bool end) {
        return static_cast<std::size_t>(tag) * 2 + (end ? 1 : 0);
    }
    std::bitset<kSymbolCount * 2> bits_;
};

}  // namespace kelvor::engine
