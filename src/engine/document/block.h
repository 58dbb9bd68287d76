#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/document/flow_cell.h"
#include "engine/document/flow_item.h"
#include "engine/document/pictures.h"
#include "engine/document/section.h"
#include "engine/style/properties.h"

namespace kelvor::engine {

// A block box with its own cell. The style values it needs are converted when it is made; the
// vertical margins are fixed then too, against the block before it (TFlowCell::addBlock).
class TBlock : public TFlowItem {
  public:
    TBlock(TDocument& document, const TProperties& properties);
    ~TBlock() override;

    TBlockCell& cell() { return cell_; }
    const TBlockCell& cell() const { return cell_; }

    // Margins, paddings, borders, sizes and offsets with percentages taken of the given width
    // (and height for heights). The vertical margins are those of marginTop/marginBottom.
    virtual BoxValues boxFor(int availableWidth, int availableHeight) const;
    // The margin-moving step of divisions and lists: when the last visible block inside this
    // one (looking into list items) has an automatic bottom margin, that margin becomes 0 and
    // this block's bottom margin becomes the automatic 14 pixels.
    void moveInnerBottomMargin();
    void setMarginBottom(int pixels, bool automatic);

    bool isFloating() const { return floating != FloatSide::none; }
    bool isAbsolute() const { return positioning == Positioning::absolute; }
    // Tables (a later kind) answer true when they float.
    virtual bool isFloatingTable() const { return false; }
    virtual bool isBody() const { return false; }

    int layout(LayoutContext& context, int x, int availableWidth, int availableHeight,
               TIndentMap& map, int y, int& neededWidth) override;
    WidthRange widthRange(LayoutContext& context) override;
    void paint(PaintContext& context) const override;
    bool hitTest(HitTester& tester, int x, int y) const override;

    // Vertical margins, fixed when the block was added to its cell.
    int marginTop = 0;
    int marginBottom = 0;
    bool topAuto = false;
    bool bottomAuto = false;

    Positioning positioning = Positioning::statical;
    FloatSide floating = FloatSide::none;
    ClearSide clear = ClearSide::none;
    int zIndex = 0;
    bool displayNone = false;
    bool hidden = false;  // visibility: hidden
    bool pageBreakBefore = false;
    bool pageBreakAfter = false;
    std::string backgroundImage;
    std::string tagClass;  // tag name and class joined by "."
    std::string tag;

    // After layout: the content box and the order in which the children paint.
    int contentLeft = 0;
    int contentWidth = 0;
    int borderLeft = 0;  // outer edges of the border box
    int borderTop = 0;
    int borderRight = 0;
    int borderBottom = 0;
    BoxValues laidOutBox;
    std::vector<TFlowItem*> drawOrder;
    bool drawOrderMade = false;
    std::shared_ptr<const TPicture> backgroundPicture;
    bool backgroundFailed = false;

    std::optional<WidthRange> widths;

  protected:
    // Lays out what is inside the content box; returns the content's bottom and sets the width
    // it needs. The plain block lays out its cell.
    virtual int layoutContent(LayoutContext& context, int x, int width, int availableHeight,
                              TIndentMap& map, int y, int& neededWidth);
    virtual WidthRange contentWidthRange(LayoutContext& context);
    // Paints what is inside the border: the children in draw order.
    virtual void paintContent(PaintContext& context) const;

    // A left margin that replaces an unset or zero one (an LI outside any list).
    int defaultLeftMargin_ = 0;
    // Horizontal margins that replace the style's (the body's page margins).
    std::optional<int> fixedLeftMargin_;
    std::optional<int> fixedRightMargin_;

  private:
    friend class TFlowCell;
    TBlockCell cell_;
    BoxValues box_;
    // Kept only when some length is a percentage and must be converted for each width.
    std::unique_ptr<const TProperties> percentStyle_;
};

// The document's body. Never positioned or floated; its margins are the page margins.
class TBodyBlock : public TBlock {
  public:
    bool isBody() const override { return true; }
    // Margins: the BODY attributes when given, else the style's, else the viewer's page
    // margins (width for left and right, height for top and bottom).
    TBodyBlock(TDocument& document, const TProperties& properties,
               std::optional<int> marginWidth = std::nullopt,
               std::optional<int> marginHeight = std::nullopt);
    std::string title;  // the hint wherever nothing else gives one (UTF-8)
};

// What the reader reads from an HR tag.
struct HorizontalRuleAttributes {
    std::optional<int> size;
    LengthAttribute width;
    std::string align;
    bool noShade = false;
    std::string colour;  // COLOR as written, empty when none
};

// A horizontal rule: SIZE pixels high (2 when not given), the whole width unless WIDTH, placed
// by ALIGN (centred by default), drawn as a sunken line unless NOSHADE or COLOR.
struct THorizontalRule {
    explicit THorizontalRule(const HorizontalRuleAttributes& attributes);
    int size = 2;
    LengthAttribute width;
    TextAlignment align = TextAlignment::center;
    bool noShade = false;
    std::optional<TColour> colour;
};

class TRuleBlock : public TBlock {
  public:
    TRuleBlock(TDocument& document, const TProperties& properties,
               const HorizontalRuleAttributes& attributes);
    bool hitTest(HitTester&, int, int) const override { return false; }

  protected:
    int layoutContent(LayoutContext& context, int x, int width, int availableHeight,
                      TIndentMap& map, int y, int& neededWidth) override;
    WidthRange contentWidthRange(LayoutContext& context) override;
    void paintContent(PaintContext& context) const override;

  public:
    THorizontalRule rule;
    TColour textColour = 0;
    // After layout: the rule's rectangle.
    int ruleX = 0;
    int ruleWidth = 0;
};

// A forced page break (PAGE, page-break rules): printing ends a page at its Y.
class TPage : public TFlowItem {
  public:
    using TFlowItem::TFlowItem;
    bool isEmpty() const override { return true; }
    int layout(LayoutContext& context, int x, int availableWidth, int availableHeight,
               TIndentMap& map, int y, int& neededWidth) override;
    WidthRange widthRange(LayoutContext&) override { return {}; }
    // Ends the printed page at its Y.
    void paint(PaintContext& context) const override;
    bool hitTest(HitTester&, int, int) const override { return false; }
};

}  // namespace kelvor::engine
