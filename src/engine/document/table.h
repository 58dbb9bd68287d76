#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/document/block.h"
#include "engine/document/floating_objects.h"
#include "engine/document/flow_cell.h"
#include "engine/document/flow_item.h"
#include "engine/style/colours.h"

namespace kelvor::engine {

class TTableGrid;

// What the reader reads from a TABLE tag (raw values; the model limits them).
struct TableAttributes {
    LengthAttribute width;
    LengthAttribute height;
    std::string align;
    bool hasHspace = false;
    int hspace = 0;
    bool hasVspace = false;
    int vspace = 0;
    bool hasBorder = false;
    int border = 0;  // a bare BORDER reads as 1
    bool hasCellPadding = false;
    int cellPadding = 0;
    bool hasCellSpacing = false;
    int cellSpacing = 0;
    std::string bgColour;
    std::string background;
    std::string borderColour;
    std::string borderColourLight;
    std::string borderColourDark;
};

struct RowAttributes {
    std::string bgColour;
    std::string background;
    LengthAttribute height;
};

struct CellAttributes {
    int colSpan = 1;
    int rowSpan = 1;
    LengthAttribute width;
    LengthAttribute height;
    std::string bgColour;
    std::string background;
    std::string href;
    std::string target;
    std::string title;
    bool noWrap = false;
    std::string valign;
};

enum class CellAlign { top, middle, bottom };
enum class RowKind { body, head, foot };

// A width or height as the table model keeps it: pixels, or per mille with the mark set.
struct TableLength {
    int value = 0;
    bool percent = false;
    bool set() const { return value > 0; }
};

// The content of a table cell: a cell of the document with the cell's link, title and colour.
class TTableCellContent : public TDocCell {
  public:
    TTableCellContent(TBlock* owner, int depth);
    std::string href;
    std::string target;
    std::string title;
    TColour ownBackground = kNoColour;  // BGCOLOR or style; row and table colours come later
};

// One cell of a row. `owner` is the table block; the content stands at `depth`.
class TTableCell {
  public:
    TTableCell(TBlock* owner, int depth, const CellAttributes& attributes,
               const TProperties& properties);

    int colSpan = 1;
    int rowSpan = 1;
    TableLength width;   // per mille when percent
    TableLength height;  // percent (0..100) when percent
    CellAlign valign = CellAlign::middle;
    bool noWrap = false;
    std::array<int, 4> padding{-1, -1, -1, -1};  // top right bottom left; -1: the table's
    BoxValues styleBox;                          // the cell's own style borders
    bool styleBorders = false;                   // some side has a style border
    std::array<int, 4> border{};                 // border widths in use
    int hExtra = 0;
    int vExtra = 0;
    std::string backgroundImage;
    std::shared_ptr<const TPicture> backgroundPicture;
    bool backgroundFailed = false;
    bool pageBreakBefore = false;
    bool pageBreakAfter = false;
    bool keepTogether = false;
    std::unique_ptr<TTableCellContent> content;

    // Layout results.
    int cellWidth = 0;
    int cellHeight = 0;
    int contentHeight = 0;
    int verticalOffset = 0;
    int x = 0;  // left of the slot (spacing included), from the grid's left
    int y = 0;  // top of the row it starts in

    // Set up once by the grid's initialisation (paddings, borders, extra spaces).
    void initialise(const TTableGrid& grid);
    // Does the content show anything?
    bool hasContent() const;
};

// One slot of a row: a cell, or a placeholder (no cell: column span 0) that the span of
// another cell covers. Placeholders are what hostile spans multiply, so they cost no more.
struct TableSlot {
    std::unique_ptr<TTableCell> cell;
    int rowSpan = 1;
    bool isPlaceholder() const { return cell == nullptr; }
};

class TTableRow {
  public:
    TTableRow() = default;
    TTableRow(const RowAttributes& attributes, const TProperties& properties, RowKind kind);

    // Appends a cell, applying the row's height and page-break flags to it.
    void add(std::unique_ptr<TTableCell> cell);

    std::vector<TableSlot> cells;
    TColour background = kNoColour;
    std::string backgroundImage;
    TableLength height;  // pixels, or percent 0..100
    bool breakBefore = false;
    bool breakAfter = false;
    bool keepTogether = false;
    RowKind kind = RowKind::body;

    // After layout.
    int rowHeight = 0;
    int y = 0;
    int tallestStartingCell = 0;
};

// The settings of one COL/COLGROUP column, used once by the initialisation.
struct ColumnSpec {
    TableLength width;
    std::string align;
    CellAlign valign = CellAlign::top;
    bool hasValign = false;
};

// The grid of rows and cells, the one item in a table block's cell.
class TTableGrid : public TFlowItem {
  public:
    TTableGrid(TDocument& document, const TableAttributes& attributes,
               const TProperties& properties);

    // The grid fix-up (spans, placeholders, columns); once, later calls do nothing.
    void initialise();

    int layout(LayoutContext& context, int x, int availableWidth, int availableHeight,
               TIndentMap& map, int y, int& neededWidth) override;
    WidthRange widthRange(LayoutContext& context) override;
    void paint(PaintContext& context) const override;
    bool hitTest(HitTester& tester, int x, int y) const override;

    std::vector<std::unique_ptr<TTableRow>> rows;
    int columns = 0;
    int border = 0;
    int cellPadding = 1;
    int cellSpacing = 2;
    TColour light;
    TColour dark;
    bool lightSet = false;
    bool darkSet = false;
    int specifiedWidth = 0;
    bool pixelCells = false;
    bool inheritBackground = false;
    TColour inheritedBackground = kNoColour;
    std::vector<int> widths;
    std::vector<int> maxWidths;
    std::vector<int> minWidths;
    std::vector<int> percents;
    std::vector<int> rowHeights;
    std::vector<ColumnSpec> columnSpecs;
    bool initialised = false;
    int tableWidth = 0;
    int tableHeight = 0;
    // How many tables enclose this one (0 for an outer table).
    int nesting = 0;
    // The grid's slots are kept within this many (spans are cut to it).
    static constexpr long long kMaxSlots = 1 << 18;
    static constexpr int kMaxSpan = 1000;
    // Head and foot rows and their heights (for printing).
    int headRows = 0;
    int footRows = 0;
    int headHeight = 0;
    int footHeight = 0;

    // The row heights are kept for the layout pass, width and offered height they were found
    // for; another pass (content or sizes may have changed) finds them again.
    std::uint64_t heightsPass = 0;
    int heightsWidth = -1;
    int heightsOffered = -1;

    // The table's own minimum and maximum (spacing included), without the table block's extras.
    WidthRange measure(LayoutContext& context);
    int gridLeft = 0;  // left edge of the grid after layout
    int gridTop = 0;
    int percentSum = 0;  // after the last column measurement
    // The height the table block offers its rows (HEIGHT or a style height; 0: none).
    int offeredHeight = 0;

  private:
    struct MeasuredRange {
        int specified;
        WidthRange range;
    };
    std::vector<MeasuredRange> measured_;
};

// A TABLE: its block box holds the grid in its cell.
class TTableBlock : public TBlock {
  public:
    TTableBlock(TDocument& document, const TProperties& properties,
                const TableAttributes& attributes);

    TTableGrid& grid() { return *grid_; }
    const TTableGrid& grid() const { return *grid_; }

    bool isFloatingTable() const override { return isFloating(); }

    int layout(LayoutContext& context, int x, int availableWidth, int availableHeight,
               TIndentMap& map, int y, int& neededWidth) override;
    WidthRange widthRange(LayoutContext& context) override;
    void paint(PaintContext& context) const override;
    BoxValues boxFor(int availableWidth, int availableHeight) const override;

    TableLength width;         // pixels, or per mille
    bool widthMarked = false;  // a percentage was written, even out of range
    bool centred = false;
    bool rightPlaced = false;
    int hspace = 0;
    int vspace = 0;
    TColour background = kNoColour;
    int heightAttribute = 0;
    bool drawsFrame = false;     // the raised outer frame of BORDER
    bool centredInPair = false;  // inside a captioned pair

    // The width found for an available width (step 8), with the margins it sets.
    struct Placement {
        int contentWidth = 0;
        int marginLeft = 0;
        int marginRight = 0;
        int specified = 0;
    };
    Placement place(LayoutContext& context, int availableWidth);
    // A centred or right alignment from the properties (the reader's "table" entry).
    void setTextAlignment(TextAlignment alignment);

  private:
    TTableGrid* grid_ = nullptr;
    BoxValues ownBox_;
    bool marginLeftSet_ = false;
    bool marginRightSet_ = false;
    bool marginTopSet_ = false;
    bool marginBottomSet_ = false;
    // Set by layout for boxFor.
    Placement placement_;
    bool placing_ = false;
    friend class TCaptionedTableBlock;
};

// A table with a CAPTION: the caption's block above or below the table block.
class TCaptionedTableBlock : public TBlock {
  public:
    TCaptionedTableBlock(TDocument& document, const TProperties& properties);

    // Takes over the table's alignment, ID and vertical margins; call once both are in its cell.
    void adopt(TTableBlock& table, TBlock& caption, bool captionBelow);

    bool isFloatingTable() const override { return isFloating(); }
    int layout(LayoutContext& context, int x, int availableWidth, int availableHeight,
               TIndentMap& map, int y, int& neededWidth) override;
    WidthRange widthRange(LayoutContext& context) override;
    BoxValues boxFor(int availableWidth, int availableHeight) const override;

    TTableBlock* table = nullptr;
    TBlock* caption = nullptr;
    bool captionBelow = false;
    bool centred = false;
    bool rightPlaced = false;

  private:
    int layoutWidth_ = 0;
    int layoutMarginLeft_ = 0;
    bool placing_ = false;
};

// The per-mille product a·b/c with a 64-bit intermediate, rounded half away from zero; 0 when c
// is 0.
int MulDiv(long long a, long long b, long long c);

}  // namespace kelvor::engine
