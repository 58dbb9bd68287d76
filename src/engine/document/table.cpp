// Building tables: the values the reader hands over, limited and defaulted as a table keeps
// them.

#include "engine/document/table.h"

#include <algorithm>
#include <cstdlib>

#include "engine/document/document.h"
#include "engine/document/limits.h"
#include "engine/document/section.h"
#include "engine/style/lengths.h"
#include "platform/ascii.h"

namespace kelvor::engine {

namespace {

// Windows system colour numbers of the 3-D frame.
constexpr int kButtonShadow = 16;
constexpr int kButtonHighlight = 20;

bool ReadColour(const std::string& text, TColour& colour) {
    TColour parsed = kNoColour;
    if (text.empty() || !ColorFromString(text, false, parsed) || parsed == kNoColour)
        return false;
    colour = parsed;
    return true;
}

bool Styled(const TProperties& properties, int index) {
    return !IsNotSet(properties.props[static_cast<std::size_t>(index)]);
}

// A style width as text ("50%", "120px"); empty when none is set.
std::string StyleText(const TProperties& properties, int index) {
    const std::string* text = AsText(properties.props[static_cast<std::size_t>(index)]);
    return text ? std::string(ascii::TrimWhitespace(*text)) : std::string();
}

bool IsPercentText(const std::string& text) {
    return !text.empty() && text.back() == '%';
}

CellAlign ValignOf(const std::string& text, CellAlign fallback, bool& known) {
    const std::string value = ascii::LowerCased(ascii::TrimWhitespace(text));
    known = true;
    if (value == "top" || value == "baseline")
        return CellAlign::top;
    if (value == "middle" || value == "center")
        return CellAlign::middle;
    if (value == "bottom")
        return CellAlign::bottom;
    known = false;
    return fallback;
}

}  // namespace

int MulDiv(long long a, long long b, long long c) {
    if (c == 0)
        return 0;
    long long product = a * b;
    const bool negative = (product < 0) != (c < 0);
    product = std::llabs(product);
    const long long divisor = std::llabs(c);
    long long result = (product + divisor / 2) / divisor;
    if (negative)
        result = -result;
    return Saturated(result);
}

TTableCellContent::TTableCellContent(TBlock* owner, int depth) : TDocCell(owner) {
    setDepth(depth);
    tagName = "td";
}

TTableCell::TTableCell(TBlock* owner, int depth, const CellAttributes& attributes,
                       const TProperties& properties)
    : colSpan(std::clamp(attributes.colSpan, 1, TTableGrid::kMaxSpan)),
      rowSpan(std::clamp(attributes.rowSpan, 1, 65534)) {
    if (attributes.width.given) {
        if (attributes.width.percent) {
            if (attributes.width.value >= 1 && attributes.width.value <= 100)
                width = {attributes.width.value * 10, true};
        } else if (attributes.width.value > 0) {
            width = {std::min(attributes.width.value, kMaxLengthPixels), false};
        }
    }
    const std::string styleWidth = StyleText(properties, Width);
    if (!styleWidth.empty() && styleWidth != "auto") {
        if (IsPercentText(styleWidth)) {
            NumberAndUnit parsed;
            if (SplitNumberAndUnit(styleWidth, parsed) && parsed.number > 0 &&
                parsed.number < 100) {
                width = {static_cast<int>(parsed.number * 10 + 0.5), true};
            }
        } else {
            const BoxValues box = properties.boxValues(0, 0);
            if (box.width != kNotSet && box.width != kAuto && box.width > 0)
                width = {box.width, false};
        }
    }
    if (attributes.height.given) {
        if (attributes.height.percent)
            height = {std::clamp(attributes.height.value, 0, 100), true};
        else
            height = {std::clamp(attributes.height.value, 0, kMaxLengthPixels), false};
    }
    styleBox = properties.boxValues(0, 0);
    if (Styled(properties, Height) && styleBox.height != kNotSet && styleBox.height != kAuto &&
        styleBox.height > 0) {
        height = {styleBox.height, false};
    }
    bool known = false;
    valign = ValignOf(attributes.valign, CellAlign::middle, known);
    const CellAlign styled = ValignOf(StyleText(properties, VerticalAlign), valign, known);
    if (known)
        valign = styled;
    noWrap = attributes.noWrap;
    for (int side = 0; side < 4; ++side) {
        const auto s = static_cast<std::size_t>(side);
        if (Styled(properties, PaddingTop + side))
            padding[s] = std::max(0, styleBox.padding[s]);
        if (styleBox.borderStyles[s] != BorderKind::none && styleBox.borderWidth[s] > 0)
            styleBorders = true;
    }
    backgroundImage = properties.backgroundImage();
    if (backgroundImage.empty())
        backgroundImage = std::string(ascii::TrimWhitespace(attributes.background));
    pageBreakBefore = properties.pageBreakBefore();
    pageBreakAfter = properties.pageBreakAfter();
    content = std::make_unique<TTableCellContent>(owner, depth);
    content->href = attributes.href;
    content->target = attributes.target;
    content->title = attributes.title;
    TColour colour = kNoColour;
    if (properties.backgroundColour() != kNoColour)
        content->ownBackground = properties.backgroundColour();
    else if (ReadColour(attributes.bgColour, colour))
        content->ownBackground = colour;
    content->backgroundColour = content->ownBackground;
}

bool TTableCell::hasContent() const {
    if (!content)
        return false;
    for (const auto& item : content->items) {
        if (!item->isEmpty())
            return true;
    }
    return false;
}

void TTableCell::initialise(const TTableGrid& grid) {
    for (int side = 0; side < 4; ++side) {
        const auto s = static_cast<std::size_t>(side);
        if (padding[s] < 0)
            padding[s] = grid.cellPadding;
        border[s] = styleBorders ? styleBox.borderWidth[s] : 0;
        if (grid.border > 0 && !styleBorders)
            border[s] = std::max(border[s], 1);
    }
    hExtra = padding[3] + border[3] + border[1] + padding[1];
    vExtra = padding[0] + border[0] + border[2] + padding[2];
}

TTableRow::TTableRow(const RowAttributes& attributes, const TProperties& properties,
                     RowKind rowKind)
    : kind(rowKind) {
    TColour colour = kNoColour;
    if (properties.backgroundColour() != kNoColour)
        background = properties.backgroundColour();
    else if (ReadColour(attributes.bgColour, colour))
        background = colour;
    backgroundImage = properties.backgroundImage();
    if (backgroundImage.empty())
        backgroundImage = std::string(ascii::TrimWhitespace(attributes.background));
    if (attributes.height.given) {
        if (attributes.height.percent)
            height = {std::clamp(attributes.height.value, 0, 100), true};
        else
            height = {std::clamp(attributes.height.value, 0, kMaxLengthPixels), false};
    }
    breakBefore = properties.pageBreakBefore();
    breakAfter = properties.pageBreakAfter();
}

void TTableRow::add(std::unique_ptr<TTableCell> cell) {
    if (height.set()) {
        if (!height.percent) {
            if (cell->height.percent || cell->height.value < height.value)
                cell->height = {
                    std::max(cell->height.percent ? 0 : cell->height.value, height.value), false};
        } else if (cell->height.percent || !cell->height.set()) {
            cell->height = {std::max(cell->height.value, height.value), true};
        }
    }
    breakBefore = breakBefore || cell->pageBreakBefore;
    breakAfter = breakAfter || cell->pageBreakAfter;
    keepTogether = keepTogether || cell->keepTogether;
    const int span = cell->rowSpan;
    cells.push_back(TableSlot{std::move(cell), span});
}

TTableGrid::TTableGrid(TDocument& document, const TableAttributes& attributes,
                       const TProperties& properties)
    : TFlowItem(document),
      light(kSystemColourBase + kButtonHighlight),
      dark(kSystemColourBase + kButtonShadow) {
    if (attributes.hasBorder)
        border = std::clamp(attributes.border, 0, 100);
    if (attributes.hasCellPadding && attributes.cellPadding >= 0)
        cellPadding = std::min(attributes.cellPadding, 50);
    if (attributes.hasCellSpacing && attributes.cellSpacing >= -1)
        cellSpacing = std::min(attributes.cellSpacing, 40);
    if (ascii::LowerCased(StyleText(properties, BorderCollapse)) == "collapse")
        cellSpacing = -1;
    TColour colour = kNoColour;
    if (ReadColour(attributes.borderColour, colour)) {
        light = dark = colour;
        lightSet = darkSet = true;
    }
    if (ReadColour(attributes.borderColourLight, colour)) {
        light = colour;
        lightSet = true;
    }
    if (ReadColour(attributes.borderColourDark, colour)) {
        dark = colour;
        darkSet = true;
    }
}

TTableBlock::TTableBlock(TDocument& document, const TProperties& properties,
                         const TableAttributes& attributes)
    : TBlock(document, properties) {
    ownBox_ = properties.boxValues(0, 0);
    auto grid = std::make_unique<TTableGrid>(document, attributes, properties);
    grid_ = grid.get();
    cell().addItem(std::move(grid));

    if (attributes.width.given) {
        if (attributes.width.percent) {
            widthMarked = true;
            if (attributes.width.value >= 1 && attributes.width.value <= 100)
                width = {attributes.width.value * 10, true};
        } else if (attributes.width.value > 0) {
            width = {std::min(attributes.width.value, kMaxLengthPixels), false};
        }
    }
    const std::string styleWidth = StyleText(properties, Width);
    if (!styleWidth.empty() && styleWidth != "auto") {
        if (IsPercentText(styleWidth)) {
            NumberAndUnit parsed;
            if (SplitNumberAndUnit(styleWidth, parsed) && parsed.number > 0) {
                width = {std::min(1000, static_cast<int>(parsed.number * 10 + 0.5)), true};
                widthMarked = true;
            }
        } else if (ownBox_.width != kNotSet && ownBox_.width != kAuto && ownBox_.width > 0) {
            width = {ownBox_.width, false};
        }
    }
    const std::string align = ascii::UpperCased(ascii::TrimWhitespace(attributes.align));
    if (align == "CENTER") {
        centred = true;
    } else if ((align == "LEFT" || align == "RIGHT") && floating == FloatSide::none &&
               !Styled(properties, Float)) {
        floating = align == "LEFT" ? FloatSide::left : FloatSide::right;
        if (zIndex == 0)
            zIndex = 1;
    }
    if (attributes.hasHspace)
        hspace = std::min(std::abs(attributes.hspace), 40);
    if (attributes.hasVspace)
        vspace = std::min(std::abs(attributes.vspace), 200);
    marginLeftSet_ = Styled(properties, MarginLeft);
    marginRightSet_ = Styled(properties, MarginRight);
    marginTopSet_ = Styled(properties, MarginTop);
    marginBottomSet_ = Styled(properties, MarginBottom);
    if (isFloating()) {
        if (!marginTopSet_) {
            marginTop = vspace;
            topAuto = false;
        }
        if (!marginBottomSet_) {
            marginBottom = vspace;
            bottomAuto = false;
        }
    }
    TColour colour = kNoColour;
    background = properties.backgroundColour();
    if (background == kNoColour && ReadColour(attributes.bgColour, colour))
        background = colour;
    if (backgroundImage.empty())
        backgroundImage = std::string(ascii::TrimWhitespace(attributes.background));
    if (attributes.height.given && !attributes.height.percent && attributes.height.value > 0)
        heightAttribute = std::min(attributes.height.value, kMaxLengthPixels);
    if (Styled(properties, Height) && ownBox_.height != kNotSet && ownBox_.height != kAuto &&
        ownBox_.height > 0) {
        heightAttribute = ownBox_.height;
    }
    bool styleBorder = false;
    for (const BorderKind kind : ownBox_.borderStyles)
        styleBorder = styleBorder || kind != BorderKind::none;
    drawsFrame = grid_->border >= 1 && !styleBorder;
    if (background != kNoColour && backgroundImage.empty()) {
        grid_->inheritBackground = true;
        grid_->inheritedBackground = background;
    }
}

void TTableBlock::setTextAlignment(TextAlignment alignment) {
    if (alignment == TextAlignment::center)
        centred = true;
    else if (alignment == TextAlignment::right && !isFloating())
        rightPlaced = true;
}

TCaptionedTableBlock::TCaptionedTableBlock(TDocument& document, const TProperties& properties)
    : TBlock(document, properties) {}

void TCaptionedTableBlock::adopt(TTableBlock& tableBlock, TBlock& captionBlock, bool below) {
    table = &tableBlock;
    caption = &captionBlock;
    captionBelow = below;
    centred = tableBlock.centred;
    rightPlaced = tableBlock.rightPlaced;
    floating = tableBlock.floating;
    zIndex = tableBlock.zIndex;
    marginTop = tableBlock.marginTop;
    marginBottom = tableBlock.marginBottom;
    topAuto = tableBlock.topAuto;
    bottomAuto = tableBlock.bottomAuto;
    tableBlock.floating = FloatSide::none;
    tableBlock.centred = true;
    tableBlock.rightPlaced = false;
    tableBlock.centredInPair = true;
    tableBlock.marginTop = tableBlock.marginBottom = 0;
    tagClass = "TableAndCaption.";
}

}  // namespace kelvor::engine
