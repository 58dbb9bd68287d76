#include "engine/document/block.h"

#include <algorithm>

#include "engine/document/document.h"
#include "engine/document/limits.h"
#include "engine/document/list_item.h"
#include "engine/document/utf8_text.h"
#include "engine/document/vertical_margins.h"
#include "platform/ascii.h"

namespace kelvor::engine {

namespace {

// A converted vertical margin: the automatic paragraph margin becomes its 14 pixels, "auto"
// nothing.
int VerticalMargin(int converted, bool& automatic) {
    automatic = converted == kAutoParagraph;
    if (automatic)
        return kAutoParagraphMargin;
    if (converted == kAuto || converted == kNotSet)
        return 0;
    return converted;
}

}  // namespace

TBlock::TBlock(TDocument& document, const TProperties& properties)
    : TFlowItem(document), cell_(this) {
    box_ = properties.boxValues(0, 0);
    // A length in percent converts differently for each width; only then is the style kept.
    if (!(box_ == properties.boxValues(1000, 1000)))
        percentStyle_ = std::make_unique<TProperties>(properties);
    marginTop = VerticalMargin(box_.margin[0], topAuto);
    marginBottom = VerticalMargin(box_.margin[2], bottomAuto);
    positioning = properties.position();
    floating = properties.floatSide();
    clear = ClearSideFromText(properties.clearValue());
    zIndex = properties.zIndex();
    if (positioning != Positioning::statical)
        zIndex *= 10;
    if ((positioning == Positioning::absolute || floating != FloatSide::none) && zIndex == 0)
        zIndex = 1;
    displayNone = properties.displayNone();
    hidden = properties.visibility() == kVisibilityHidden;
    pageBreakBefore = properties.pageBreakBefore();
    pageBreakAfter = properties.pageBreakAfter();
    backgroundImage = properties.backgroundImage();
    tag = properties.propTag;
    tagClass = tag + "." + properties.propClass;
    cell_.tagName = tag;
}

TBlock::~TBlock() = default;

BoxValues TBlock::boxFor(int availableWidth, int availableHeight) const {
    BoxValues box =
        percentStyle_ ? percentStyle_->boxValues(availableWidth, availableHeight) : box_;
    if (box.margin[3] == 0 || box.margin[3] == kNotSet)
        box.margin[3] = defaultLeftMargin_;
    if (fixedLeftMargin_)
        box.margin[3] = *fixedLeftMargin_;
    if (fixedRightMargin_)
        box.margin[1] = *fixedRightMargin_;
    box.margin[0] = marginTop;
    box.margin[2] = marginBottom;
    return box;
}

void TBlock::setMarginBottom(int pixels, bool automatic) {
    marginBottom = pixels;
    bottomAuto = automatic;
}

void TBlock::moveInnerBottomMargin() {
    TBlock* last = LastVisibleBlock(cell_);
    // The margin of a list's last item lies with the item's own last block.
    while (last != nullptr && dynamic_cast<TListItemBlock*>(last) != nullptr) {
        TBlock* inner = LastVisibleBlock(last->cell());
        if (inner == nullptr)
            break;
        last = inner;
    }
    if (last == nullptr || !last->bottomAuto)
        return;
    last->setMarginBottom(0, false);
    // A margin of the division's own that is larger stays.
    setMarginBottom(std::max(marginBottom, kAutoParagraphMargin), true);
}

TBodyBlock::TBodyBlock(TDocument& document, const TProperties& properties,
                       std::optional<int> marginWidth, std::optional<int> marginHeight)
    : TBlock(document, properties) {
    positioning = Positioning::statical;
    floating = FloatSide::none;
    zIndex = 0;
    title = Utf8FromCodePage(properties.propTitle, properties.codePage());
    const StyleDefaults& page = document.defaults().style;
    const auto styled = [&](int index) {
        return !IsNotSet(properties.props[static_cast<std::size_t>(index)]);
    };
    if (marginHeight) {
        marginTop = marginBottom = *marginHeight;
    } else {
        if (!styled(MarginTop))
            marginTop = page.marginHeight;
        if (!styled(MarginBottom))
            marginBottom = page.marginHeight;
    }
    topAuto = bottomAuto = false;
    if (marginWidth) {
        fixedLeftMargin_ = fixedRightMargin_ = *marginWidth;
    } else {
        if (!styled(MarginLeft))
            fixedLeftMargin_ = page.marginWidth;
        if (!styled(MarginRight))
            fixedRightMargin_ = page.marginWidth;
    }
}

THorizontalRule::THorizontalRule(const HorizontalRuleAttributes& attributes) {
    if (attributes.size)
        size = std::clamp(*attributes.size, 1, 1000);
    width = attributes.width;
    if (width.given && width.value <= 0)
        width.given = false;
    if (width.given)
        width.value = std::min(width.value, width.percent ? 100 : 32000);
    const std::string align = ascii::UpperCased(ascii::TrimWhitespace(attributes.align));
    if (align == "LEFT")
        this->align = TextAlignment::left;
    else if (align == "RIGHT")
        this->align = TextAlignment::right;
    noShade = attributes.noShade;
    TColour parsed = 0;
    if (!attributes.colour.empty() && ColorFromString(attributes.colour, false, parsed) &&
        parsed != kNoColour) {
        colour = parsed;
    }
}

TRuleBlock::TRuleBlock(TDocument& document, const TProperties& properties,
                       const HorizontalRuleAttributes& attributes)
    : TBlock(document, properties), rule(attributes), textColour(properties.colour()) {}

}  // namespace kelvor::engine
