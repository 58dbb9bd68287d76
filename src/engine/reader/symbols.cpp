#include "engine/reader/symbols.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace kelvor::engine {

namespace {

// Upper-case names in the order of the Tag enumeration.
constexpr std::array<std::string_view, kTagNameCount> kTagNames = {
    "HTML",   "TITLE",    "BODY",     "HEAD",     "B",     "I",       "H",       "EM",
    "STRONG", "U",        "CITE",     "VAR",      "TT",    "CODE",    "KBD",     "SAMP",
    "OL",     "UL",       "DIR",      "MENU",     "DL",    "A",       "ADDRESS", "BLOCKQUOTE",
    "PRE",    "CENTER",   "TABLE",    "TD",       "TH",    "CAPTION", "FORM",    "TEXTAREA",
    "SELECT", "OPTION",   "FONT",     "SUB",      "SUP",   "BIG",     "SMALL",   "P",
    "MAP",    "FRAMESET", "NOFRAMES", "SCRIPT",   "DIV",   "S",       "STRIKE",  "TR",
    "NOBR",   "STYLE",    "SPAN",     "COLGROUP", "LABEL", "THEAD",   "TBODY",   "TFOOT",
    "OBJECT", "LI",       "BR",       "HR",       "DD",    "DT",      "IMG",     "BASE",
    "BUTTON", "INPUT",    "SELECTED", "BASEFONT", "AREA",  "FRAME",   "PAGE",    "BGSOUND",
    "WRAP",   "META",     "PANEL",    "WBR",      "LINK",  "COL",     "PARAM",   "READONLY",
};

// The attribute table: 84 names, VALUE twice with the same symbol.
constexpr std::pair<std::string_view, Attr> kAttrNames[] = {
    {"HREF", Attr::Href},
    {"NAME", Attr::Name},
    {"SRC", Attr::Src},
    {"ALT", Attr::Alt},
    {"ALIGN", Attr::Align},
    {"TEXT", Attr::Text},
    {"BGCOLOR", Attr::BgColor},
    {"LINK", Attr::Link},
    {"BACKGROUND", Attr::Background},
    {"COLSPAN", Attr::Colspan},
    {"ROWSPAN", Attr::Rowspan},
    {"BORDER", Attr::Border},
    {"CELLPADDING", Attr::CellPadding},
    {"CELLSPACING", Attr::CellSpacing},
    {"VALIGN", Attr::VAlign},
    {"WIDTH", Attr::Width},
    {"START", Attr::Start},
    {"VALUE", Attr::Value},
    {"TYPE", Attr::Type},
    {"CHECKBOX", Attr::Checkbox},
    {"RADIO", Attr::Radio},
    {"METHOD", Attr::Method},
    {"ACTION", Attr::Action},
    {"CHECKED", Attr::Checked},
    {"SIZE", Attr::Size},
    {"MAXLENGTH", Attr::MaxLength},
    {"COLS", Attr::Cols},
    {"ROWS", Attr::Rows},
    {"MULTIPLE", Attr::Multiple},
    {"VALUE", Attr::Value},
    {"SELECTED", Attr::Selected},
    {"FACE", Attr::Face},
    {"COLOR", Attr::Color},
    {"TRANSP", Attr::Transp},
    {"CLEAR", Attr::Clear},
    {"ISMAP", Attr::Ismap},
    {"BORDERCOLOR", Attr::BorderColor},
    {"USEMAP", Attr::Usemap},
    {"SHAPE", Attr::Shape},
    {"COORDS", Attr::Coords},
    {"NOHREF", Attr::NoHref},
    {"HEIGHT", Attr::Height},
    {"PLAIN", Attr::Plain},
    {"TARGET", Attr::Target},
    {"NORESIZE", Attr::NoResize},
    {"SCROLLING", Attr::Scrolling},
    {"HSPACE", Attr::HSpace},
    {"LANGUAGE", Attr::Language},
    {"FRAMEBORDER", Attr::FrameBorder},
    {"MARGINWIDTH", Attr::MarginWidth},
    {"MARGINHEIGHT", Attr::MarginHeight},
    {"LOOP", Attr::Loop},
    {"ONCLICK", Attr::OnClick},
    {"WRAP", Attr::Wrap},
    {"NOSHADE", Attr::NoShade},
    {"HTTP-EQUIV", Attr::HttpEquiv},
    {"CONTENT", Attr::Content},
    {"ENCTYPE", Attr::EncType},
    {"VLINK", Attr::VLink},
    {"OLINK", Attr::OLink},
    {"ACTIVE", Attr::Active},
    {"VSPACE", Attr::VSpace},
    {"CLASS", Attr::Class},
    {"ID", Attr::Id},
    {"STYLE", Attr::Style},
    {"REL", Attr::Rel},
    {"REV", Attr::Rev},
    {"NOWRAP", Attr::NoWrap},
    {"BORDERCOLORLIGHT", Attr::BorderColorLight},
    {"BORDERCOLORDARK", Attr::BorderColorDark},
    {"CHARSET", Attr::Charset},
    {"RATIO", Attr::Ratio},
    {"TITLE", Attr::Title},
    {"ONFOCUS", Attr::OnFocus},
    {"ONBLUR", Attr::OnBlur},
    {"ONCHANGE", Attr::OnChange},
    {"SPAN", Attr::Span},
    {"TABINDEX", Attr::TabIndex},
    {"BGPROPERTIES", Attr::BgProperties},
    {"DISABLED", Attr::Disabled},
    {"TOPMARGIN", Attr::TopMargin},
    {"LEFTMARGIN", Attr::LeftMargin},
    {"LABEL", Attr::Label},
    {"READONLY", Attr::Readonly},
};

template <typename Value>
using SortedNames = std::vector<std::pair<std::string_view, Value>>;

template <typename Value, typename Range>
SortedNames<Value> Sorted(const Range& names) {
    SortedNames<Value> sorted(std::begin(names), std::end(names));
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    return sorted;
}

template <typename Value>
Value Find(const SortedNames<Value>& sorted, std::string_view name, Value other) {
    const auto found = std::lower_bound(sorted.begin(), sorted.end(), name,
                                        [](const std::pair<std::string_view, Value>& entry,
                                           std::string_view key) { return entry.first < key; });
    return found != sorted.end() && found->first == name ? found->second : other;
}

const SortedNames<Tag>& TagTable() {
    static const SortedNames<Tag> table = [] {
        std::vector<std::pair<std::string_view, Tag>> names;
        for (std::size_t i = 0; i < kTagNames.size(); ++i)
            names.emplace_back(kTagNames[i], static_cast<Tag>(i));
        return Sorted<Tag>(names);
    }();
    return table;
}

const SortedNames<Attr>& AttrTable() {
    static const SortedNames<Attr> table = Sorted<Attr>(kAttrNames);
    return table;
}

// Lower-case names, worked out once.
const std::array<std::string, kTagNameCount>& LowerNames() {
    static const std::array<std::string, kTagNameCount> names = [] {
        std::array<std::string, kTagNameCount> lower;
        for (std::size_t i = 0; i < kTagNames.size(); ++i) {
            for (char c : kTagNames[i])
                lower[i] += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        }
        return lower;
    }();
    return names;
}

}  // namespace

Tag LookupTag(std::string_view upperName) {
    return Find(TagTable(), upperName, Tag::Unknown);
}

std::string_view TagName(Tag tag) {
    const auto index = static_cast<std::size_t>(tag);
    return index < kTagNames.size() ? std::string_view(LowerNames()[index]) : std::string_view();
}

Attr LookupAttr(std::string_view upperName) {
    return Find(AttrTable(), upperName, Attr::Other);
}

int AttrNameCount() {
    return static_cast<int>(std::size(kAttrNames));
}

}  // namespace kelvor::engine
