#include "engine/document/section.h"

#include <algorithm>

#include "engine/document/document.h"
#include "engine/document/link_target.h"
#include "engine/document/text_case.h"
#include "engine/document/utf8_text.h"
#include "engine/style/lengths.h"
#include "platform/ascii.h"

namespace kelvor::engine {

namespace {

FirstLineIndent IndentOf(const TProperties& properties) {
    FirstLineIndent indent;
    const std::string text = properties.text(TextIndent);
    if (text.empty())
        return indent;
    if (text.find('%') != std::string::npos) {
        NumberAndUnit value;
        if (SplitNumberAndUnit(text, value)) {
            indent.percent = true;
            indent.value = static_cast<int>(std::clamp(value.number, -100.0, 100.0));
        }
        return indent;
    }
    indent.value = std::clamp(LengthToPixels(text, 0, properties.emSize(), properties.exSize(), 0,
                                             properties.fontCache().services().pixelsPerInch()),
                              -kMaxLengthPixels, kMaxLengthPixels);
    return indent;
}

// Elements whose background is painted as a box: text inside them keeps a clear ground. Only
// inline elements lend their background to their text.
bool IsBlockTag(std::string_view tag) {
    static constexpr std::string_view kBlocks[] = {
        "address", "blockquote", "body", "caption", "center", "dd",    "default", "dir",
        "div",     "dl",         "dt",   "form",    "h1",     "h2",    "h3",      "h4",
        "h5",      "h6",         "hr",   "li",      "menu",   "ol",    "p",       "pre",
        "table",   "td",         "th",   "tr",      "ul",     "tbody", "thead",   "tfoot",
    };
    const std::string lower = ascii::LowerCased(tag);
    for (std::string_view block : kBlocks) {
        if (lower == block)
            return true;
    }
    return false;
}

bool SameLook(const TFontRun& a, const TFontRun& b) {
    return a.font.fontId == b.font.fontId &&
           a.font.description.colour == b.font.description.colour && a.link == b.link &&
           a.background == b.background && a.verticalAlign == b.verticalAlign &&
           a.title == b.title && a.font.lineHeight == b.font.lineHeight;
}

}  // namespace

ClearSide ClearSideFromText(std::string_view text) {
    const std::string side = ascii::UpperCased(ascii::TrimWhitespace(text));
    if (side == "LEFT")
        return ClearSide::left;
    if (side == "RIGHT")
        return ClearSide::right;
    if (side == "ALL" || side == "BOTH")
        return ClearSide::both;
    return ClearSide::none;
}

TSection::TSection(TDocument& document, const TProperties& properties) : TFlowItem(document) {
    align = properties.textAlign();
    if (align == TextAlignment::none)
        align = TextAlignment::left;
    firstIndent = IndentOf(properties);
    lineHeight = properties.font().lineHeight;
    hidden = properties.visibility() == kVisibilityHidden;
    changeFont(properties);
    document.setBuildingSection(this);
    for (const TDocument::OpenInlineBorder& border : document.openInlineBorders())
        beginInlineBox(border.id, border.box);
}

TSection::~TSection() {
    // A section dropped while it was being built leaves the document; closed ones already did.
    if (!closed_ && document().buildingSection() == this)
        document().setBuildingSection(nullptr);
}

void TSection::changeFont(const TProperties& properties) {
    TFontRun run;
    run.start = static_cast<int>(text.size());
    run.font = properties.font();
    TLinkTarget* link = document().openLink();
    if (properties.inLink() && link != nullptr) {
        run.link = link;
        if (!link->fonts && properties.linkFonts())
            link->fonts = *properties.linkFonts();
    }
    if (!properties.propTitle.empty())
        run.title = Utf8FromCodePage(properties.propTitle, properties.codePage());
    if (!IsBlockTag(properties.propTag))
        run.background = properties.backgroundColour();
    run.verticalAlign = VerticalAlignNumber(properties.text(VerticalAlign));
    if (!runs.empty() && runs.back().start == run.start) {
        runs.pop_back();
    }
    if (!runs.empty() && SameLook(runs.back(), run))
        return;
    runs.push_back(std::move(run));
}

int TSection::nextPosition() const {
    return positions.empty() ? (startPosition >= 0 ? startPosition : 0) : positions.back() + 1;
}

void TSection::append(char16_t c, int position, char breakClass) {
    if (text.empty())
        startPosition = position;
    text.push_back(c);
    positions.push_back(position);
    breaks.push_back(breakClass);
    endPosition = position;
}

void TSection::addText(std::u16string_view chars, std::span<const int> sourcePositions,
                       const TProperties& properties, bool noBreak) {
    if (chars.empty() || closed_)
        return;
    const bool smallCaps = properties.text(FontVariant) == "small-caps";
    if (!smallCaps) {
        addTransformed(chars, sourcePositions, properties, noBreak);
        return;
    }
    // Small capitals: everything upper-cased, and what was lower case set in the "small" style.
    TProperties small(properties.fontCache());
    small.inherit("small", properties);
    const TProperties* ancestors[] = {&properties};
    small.combine(document().styleList(), "small", "", "", "", "", nullptr, ancestors);
    const char breakClass = noBreak || isPreformatted() ? kBreakNever : kBreakOrdinary;
    bool inSmall = false;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const char16_t c = chars[i];
        const char16_t upper = UpperChar(c);
        const bool wasLower = upper != c;
        if (wasLower != inSmall) {
            changeFont(wasLower ? small : properties);
            inSmall = wasLower;
        }
        const int position = i < sourcePositions.size() ? sourcePositions[i] : nextPosition();
        append(upper, position, breakClass);
    }
    if (inSmall)
        changeFont(properties);
}

void TSection::addTransformed(std::u16string_view chars, std::span<const int> sourcePositions,
                              const TProperties& properties, bool noBreak) {
    const std::string transform = properties.text(TextTransform);
    const bool upper = transform == "uppercase";
    const bool lower = transform == "lowercase";
    const char breakClass = noBreak || isPreformatted() ? kBreakNever : kBreakOrdinary;
    text.reserve(text.size() + chars.size());
    for (std::size_t i = 0; i < chars.size(); ++i) {
        char16_t c = chars[i];
        if (upper)
            c = UpperChar(c);
        else if (lower)
            c = LowerChar(c);
        const int position = i < sourcePositions.size() ? sourcePositions[i] : nextPosition();
        append(c, position, breakClass);
    }
}

void TSection::addChar(char16_t c, int position, const TProperties& properties, bool noBreak) {
    const int positions[] = {position};
    addText(std::u16string_view(&c, 1), positions, properties, noBreak);
}

void TSection::addBreakMark(int position) {
    if (!closed_)
        append(kBreakMark, position, kBreakOrdinary);
}

void TSection::addOptionalBreak() {
    if (!breaks.empty())
        breaks.back() = kBreakAllowed;
}

TFloatingObj& TSection::addObject(std::unique_ptr<TFloatingObj> object, bool noBreak) {
    object->charIndex = static_cast<int>(text.size());
    append(kObjectMark, object->sourcePosition >= 0 ? object->sourcePosition : nextPosition(),
           noBreak ? kBreakNever : kBreakOrdinary);
    objects.push_back(std::move(object));
    return *objects.back();
}

TFormControlObj& TSection::addFormControl(std::unique_ptr<TFormControlObj> control, int position,
                                          bool noBreak) {
    control->charIndex = static_cast<int>(text.size());
    if (control->visible())
        append(kControlMark, position, noBreak ? kBreakNever : kBreakOrdinary);
    controls.push_back(std::move(control));
    return *controls.back();
}

void TSection::beginInlineBox(int id, const BoxValues& box) {
    TInlineBox inlineBox;
    inlineBox.id = id;
    inlineBox.start = static_cast<int>(text.size());
    inlineBox.box = box;
    inlineBoxes.push_back(inlineBox);
}

void TSection::endInlineBox(int id) {
    for (auto it = inlineBoxes.begin(); it != inlineBoxes.end(); ++it) {
        if (it->id == id && it->end < 0) {
            it->end = static_cast<int>(text.size());
            if (it->end == it->start)
                inlineBoxes.erase(it);
            return;
        }
    }
}

void TSection::removeCharacters(const std::vector<char>& remove) {
    const std::size_t size = text.size();
    std::vector<int> newIndex(size + 1);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < size; ++i) {
        newIndex[i] = static_cast<int>(kept);
        if (remove[i])
            continue;
        text[kept] = text[i];
        positions[kept] = positions[i];
        breaks[kept] = breaks[i];
        ++kept;
    }
    newIndex[size] = static_cast<int>(kept);
    text.resize(kept);
    positions.resize(kept);
    breaks.resize(kept);
    const auto moved = [&](int index) {
        return newIndex[static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(size)))];
    };
    for (TFontRun& run : runs)
        run.start = moved(run.start);
    // Runs that now start at the same place: the last one holds from there.
    std::vector<TFontRun> merged;
    merged.reserve(runs.size());
    for (TFontRun& run : runs) {
        if (!merged.empty() && merged.back().start == run.start)
            merged.back() = std::move(run);
        else
            merged.push_back(std::move(run));
    }
    runs = std::move(merged);
    for (auto& object : objects)
        object->charIndex = moved(object->charIndex);
    for (auto& control : controls)
        control->charIndex = moved(control->charIndex);
    for (TInlineBox& box : inlineBoxes) {
        box.start = moved(box.start);
        if (box.end >= 0)
            box.end = moved(box.end);
    }
    std::erase_if(inlineBoxes, [](const TInlineBox& box) { return box.end == box.start; });
}

void TSection::appendFinalSpace() {
    if (!text.empty())
        append(kSpace, nextPosition(), kBreakOrdinary);
}

void TSection::close() {
    if (closed_)
        return;
    closed_ = true;
    if (document().buildingSection() == this)
        document().setBuildingSection(nullptr);
    for (TInlineBox& box : inlineBoxes) {
        if (box.end < 0)
            box.end = static_cast<int>(text.size());
    }

    // Each rule marks what it removes; the text is compacted only after a rule that found
    // something.
    std::vector<char> remove(text.size(), 0);
    bool found = false;
    const auto mark = [&](std::size_t i) {
        remove[i] = 1;
        found = true;
    };
    const auto apply = [&]() {
        if (found) {
            removeCharacters(remove);
            remove.assign(text.size(), 0);
            found = false;
        }
    };

    // Leading spaces.
    for (std::size_t i = 0; i < text.size() && text[i] == kSpace; ++i)
        mark(i);
    apply();

    // Soft hyphens leave a break point of class "s" on the character before them.
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != kSoftHyphen)
            continue;
        mark(i);
        std::size_t before = i;
        while (before > 0 && text[before - 1] == kSoftHyphen)
            --before;
        if (before > 0 && breaks[before - 1] != kBreakNever)
            breaks[before - 1] = kBreakSoftHyphen;
    }
    apply();

    // One space of each run of spaces.
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] == kSpace && text[i - 1] == kSpace)
            mark(i);
    }
    apply();

    // A space right after a floating object's mark.
    for (const auto& object : objects) {
        const std::size_t after = static_cast<std::size_t>(object->charIndex) + 1;
        if (object->isFloating() && after < text.size() && text[after] == kSpace)
            mark(after);
    }
    apply();

    // Spaces next to BR marks.
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != kSpace)
            continue;
        if ((i > 0 && text[i - 1] == kBreakMark) ||
            (i + 1 < text.size() && text[i + 1] == kBreakMark)) {
            mark(i);
        }
    }
    apply();

    // A BR mark that ends the text (unless it is all there is), then a trailing space.
    if (text.size() > 1 && text.back() == kBreakMark) {
        mark(text.size() - 1);
        apply();
    }
    if (!text.empty() && text.back() == kSpace) {
        mark(text.size() - 1);
        apply();
    }

    appendFinalSpace();
}

TPreformatted::TPreformatted(TDocument& document, const TProperties& properties)
    : TSection(document, properties) {
    wrap = false;
}

void TPreformatted::close() {
    if (closed_)
        return;
    closed_ = true;
    if (document().buildingSection() == this)
        document().setBuildingSection(nullptr);
    for (TInlineBox& box : inlineBoxes) {
        if (box.end < 0)
            box.end = static_cast<int>(text.size());
    }
    appendFinalSpace();
}

}  // namespace kelvor::engine
