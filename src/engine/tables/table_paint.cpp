// Painting tables: the table block's background and raised frame, then each cell's background,
// content (clipped to the cell) and sunken frame; and hit testing inside cells.

#include <algorithm>
#include <optional>

#include "engine/document/document.h"
#include "engine/document/limits.h"
#include "engine/document/table.h"
#include "engine/paint/borders.h"
#include "engine/paint/hit_test.h"
#include "engine/paint/paint_context.h"
#include "engine/tables/grid_cells.h"
#include "engine/tables/table_print.h"

namespace kelvor::engine {

namespace {

using platform::Rect;
using platform::RgbColour;

constexpr RgbColour kSilver = 0xC0C0C0;
constexpr RgbColour kWhite = 0xFFFFFF;
// Lines are kept within this vertical range of the canvas, which every device can draw.
constexpr int kLineTop = -200;
constexpr int kLineBottom = 5000;

// The clip of the cell being painted; a nested table's cells clip within it.
thread_local std::optional<Rect> tCellClip;

class CellClip {
  public:
    CellClip(PaintContext& context, const Rect& cell) : context_(context), outer_(tCellClip) {
        Rect clip = cell;
        if (outer_) {
            clip.left = std::max(clip.left, outer_->left);
            clip.top = std::max(clip.top, outer_->top);
            clip.right = std::max(clip.left, std::min(clip.right, outer_->right));
            clip.bottom = std::max(clip.top, std::min(clip.bottom, outer_->bottom));
        }
        tCellClip = clip;
        context_.canvas.setClip(clip);
    }
    ~CellClip() {
        tCellClip = outer_;
        context_.canvas.setClip(outer_);
    }
    CellClip(const CellClip&) = delete;
    CellClip& operator=(const CellClip&) = delete;

  private:
    PaintContext& context_;
    std::optional<Rect> outer_;
};

struct FrameColours {
    RgbColour light;
    RgbColour dark;
};

// The light and dark colours of 3-D frames: those the table sets, else the platform's button
// highlight and shadow, with silver for highlight on paper and on a white page.
FrameColours ColoursOf(const PaintContext& context, const TTableGrid& grid) {
    FrameColours colours{context.colourOr(grid.light, kWhite), context.colourOr(grid.dark, 0)};
    const TDocument& document = context.document;
    if (!grid.lightSet) {
        const std::optional<RgbColour> page = context.colour(document.background);
        if (context.printing || (page && *page == kWhite))
            colours.light = kSilver;
    }
    if (context.printing && document.printMonochromeBlack &&
        const_cast<TDocument&>(document).fonts().services().bitsPerPixel() <= 1) {
        colours.light = colours.dark = 0;
    }
    return colours;
}

// A line in canvas coordinates, its ends kept within the drawable range.
void Line(PaintContext& context, int x1, int y1, int x2, int y2, RgbColour colour) {
    const auto clampY = [](int y) { return std::clamp(y, kLineTop, kLineBottom); };
    context.canvas.drawLine(x1, clampY(y1), x2, clampY(y2), colour, 1, platform::PenStyle::solid);
}

// Rings of one-pixel lines from the outer edge inwards: top and left in `upper`, bottom and
// right in `lower` (ends exclusive, as a pen draws them).
void Bevel(PaintContext& context, const Rect& outer, int width, RgbColour upper, RgbColour lower) {
    for (int i = 0; i < width; ++i) {
        const int l = outer.left + i;
        const int t = outer.top + i;
        const int r = outer.right - 1 - i;
        const int b = outer.bottom - 1 - i;
        if (r < l || b < t)
            break;
        Line(context, l, t, r + 1, t, upper);
        Line(context, l, t, l, b + 1, upper);
        Line(context, l, b, r + 1, b, lower);
        Line(context, r, t, r, b + 1, lower);
    }
}

void PaintTiled(PaintContext& context, const TPicture& picture, const Rect& box) {
    const int w = picture.width();
    const int h = picture.height();
    if (w <= 0 || h <= 0)
        return;
    // Enough tiles for the visible part of the box, never an endless number.
    const int top = std::max(box.top, box.top + (context.cy(context.area.top) - box.top) / h * h);
    const int bottom = std::min(box.bottom, context.cy(context.area.bottom));
    int tiles = 0;
    for (int ty = top; ty < bottom && tiles < 100000; ty += h) {
        for (int tx = box.left; tx < box.right && tiles < 100000; tx += w, ++tiles)
            picture.paint(context.canvas, Rect{tx, ty, tx + w, ty + h});
    }
}

void PaintCell(PaintContext& context, const TTableGrid& grid, const TTableCell& cell,
               const FrameColours& colours) {
    const long long left = static_cast<long long>(grid.gridLeft) + grid.cellSpacing + cell.x;
    const long long top = static_cast<long long>(cell.y) + grid.cellSpacing;
    const int right = Saturated(left + cell.cellWidth - grid.cellSpacing);
    const int bottom = Saturated(top + cell.cellHeight - grid.cellSpacing);
    const int l = Saturated(left);
    const int t = Saturated(top);
    const platform::Rect area = context.area;
    const int contentBottom = std::max(bottom, cell.content->drawBottom);
    if (t >= area.bottom || contentBottom <= area.top || l >= area.right || right <= area.left)
        return;
    const Rect box = context.rect(l, t, right, bottom);
    const bool backgrounds = !context.printing || context.document.printTableBackground;
    if (backgrounds && right > l && bottom > t) {
        if (const std::optional<RgbColour> colour = context.colour(cell.content->backgroundColour))
            context.canvas.fillRect(box, *colour);
        if (cell.backgroundPicture) {
            CellClip clip(context, box);
            PaintTiled(context, *cell.backgroundPicture, box);
        }
    }
    {
        CellClip clip(context, box);
        cell.content->paint(context, {});
    }
    if (cell.styleBorders) {
        const BoxValues& b = cell.styleBox;
        const bool plain =
            std::all_of(b.borderWidth.begin(), b.borderWidth.end(), [](int w) { return w == 1; }) &&
            std::all_of(b.borderStyles.begin(), b.borderStyles.end(),
                        [](BorderKind k) { return k == BorderKind::solid; }) &&
            std::all_of(b.borderColours.begin(), b.borderColours.end(),
                        [&](TColour c) { return c == b.borderColours[0]; });
        if (plain)
            context.canvas.frameRect(box, context.colourOr(b.borderColours[0], 0), 1);
        else
            PaintBorders(context, b, l, t, right, bottom);
    } else if (grid.border > 0 && cell.hasContent()) {
        // Sunken: the shadow above and left, the light below and right.
        Bevel(context, box, 1, colours.dark, colours.light);
    }
}

}  // namespace

void TTableGrid::paint(PaintContext& context) const {
    if (!initialised || !context.intersects(drawTop, drawBottom))
        return;
    if (context.page != nullptr)
        BreakPrintedTable(context, *this);
    const FrameColours colours = ColoursOf(context, *this);
    ForEachCell(
        *this, [&](const PlacedCell& placed) { PaintCell(context, *this, *placed.cell, colours); });
}

void TTableBlock::paint(PaintContext& context) const {
    if (displayNone || cell().depth() > kMaxBlockDepth)
        return;
    if (!context.intersects(std::min(drawTop, borderTop), std::max(drawBottom, borderBottom)))
        return;
    if (!hidden) {
        if (!context.printing || document().printTableBackground)
            PaintBoxBackground(context, laidOutBox, borderLeft, borderTop, borderRight,
                               borderBottom);
        if (drawsFrame) {
            const FrameColours colours = ColoursOf(context, grid());
            Bevel(context, context.rect(borderLeft, borderTop, borderRight, borderBottom),
                  grid().border, colours.light, colours.dark);
        } else {
            PaintBorders(context, laidOutBox, borderLeft, borderTop, borderRight, borderBottom);
        }
    }
    paintContent(context);
}

bool TTableGrid::hitTest(HitTester& tester, int x, int yPos) const {
    if (!initialised || yPos < y || yPos >= y + tableHeight || x < gridLeft ||
        x >= gridLeft + tableWidth) {
        return false;
    }
    bool hit = false;
    bool found = false;
    ForEachCell(*this, [&](const PlacedCell& placed) {
        if (found)
            return;
        const TTableCell& cell = *placed.cell;
        const long long left = static_cast<long long>(gridLeft) + cell.x;
        const long long top = cell.y;
        if (x < left || x >= left + cell.cellWidth || yPos < top || yPos >= top + cell.cellHeight) {
            return;
        }
        found = true;
        hit = cell.content->hitTest(tester, x, yPos);
        if (hit)
            return;
        // The cell's own link and title answer where its content does not.
        const TTableCellContent& content = *cell.content;
        if (!content.href.empty()) {
            tester.result.flags |= kHitLink;
            tester.result.url = content.href;
            tester.result.target = content.target;
            hit = true;
        }
        if (!content.title.empty()) {
            tester.result.hint = content.title;
            tester.result.flags |= kHitTitle;
            hit = true;
        }
    });
    return hit;
}

}  // namespace kelvor::engine
