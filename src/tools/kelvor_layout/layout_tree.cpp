#include "tools/kelvor_layout/layout_tree.h"

#include <string>
#include <vector>

#include "engine/document/document.h"
#include "engine/document/table.h"
#include "tools/kelvor_layout/dump_canvas.h"

namespace kelvor::tools {

namespace {

using namespace kelvor::engine;

void WriteSection(std::ostream& out, const TSection& section, const std::string& indent) {
    out << indent << (section.isPreformatted() ? "pre" : "section") << " y=" << section.y
        << " h=" << section.height << " x=" << section.sectionX << " w=" << section.sectionWidth
        << '\n';
    for (const LineRec& line : section.lines) {
        const std::u16string text = section.text.substr(static_cast<std::size_t>(line.start),
                                                        static_cast<std::size_t>(line.count));
        out << indent << "  line y=" << line.y << " h=" << line.height()
            << " base=" << line.baseline() << " x=" << section.sectionX + line.indent
            << " w=" << line.drawWidth << ' ' << DumpCanvas::Quoted(text) << '\n';
    }
}

}  // namespace

void WriteLayoutTree(std::ostream& out, const TDocument& document) {
    // Walked with a stack of its own: documents nest deep.
    struct Place {
        const TFlowCell* cell;
        std::size_t next;
        std::string header;  // written when the walk enters the cell (a table cell's line)
        std::size_t level;   // how deep its items are indented
    };
    std::vector<Place> stack{{&document, 0, {}, 0}};
    while (!stack.empty()) {
        Place& place = stack.back();
        if (!place.header.empty()) {
            out << std::string(2 * (place.level - 1), ' ') << place.header << '\n';
            place.header.clear();
        }
        if (place.next >= place.cell->items.size()) {
            stack.pop_back();
            continue;
        }
        const TFlowItem* item = place.cell->items[place.next++].get();
        const std::size_t level = place.level;
        const std::string indent(2 * level, ' ');
        if (const auto* section = dynamic_cast<const TSection*>(item)) {
            WriteSection(out, *section, indent);
        } else if (const auto* block = dynamic_cast<const TBlock*>(item)) {
            out << indent << "block " << (block->tag.empty() ? "?" : block->tag)
                << " y=" << block->y << " h=" << block->height << " box=" << block->borderLeft
                << ',' << block->borderTop << '-' << block->borderRight << ','
                << block->borderBottom << " content=" << block->contentLeft << '+'
                << block->contentWidth << '\n';
            stack.push_back(Place{&block->cell(), 0, {}, level + 1});
        } else if (const auto* grid = dynamic_cast<const TTableGrid*>(item)) {
            out << indent << "table y=" << grid->y << " h=" << grid->tableHeight
                << " x=" << grid->gridLeft << " w=" << grid->tableWidth << " columns=";
            for (std::size_t c = 0; c < grid->widths.size(); ++c)
                out << (c == 0 ? "" : ",") << grid->widths[c];
            out << '\n';
            // Cells in reading order: pushed last first.
            std::vector<Place> cells;
            for (std::size_t r = 0; r < grid->rows.size(); ++r) {
                const auto& slots = grid->rows[r]->cells;
                for (std::size_t c = 0; c < slots.size(); ++c) {
                    const TTableCell* cell = slots[c].cell.get();
                    if (cell == nullptr)
                        continue;
                    const std::string header =
                        "cell " + std::to_string(r) + "," + std::to_string(c) +
                        " x=" + std::to_string(grid->gridLeft + grid->cellSpacing + cell->x) +
                        " y=" + std::to_string(cell->y + grid->cellSpacing) +
                        " w=" + std::to_string(cell->cellWidth - grid->cellSpacing) +
                        " h=" + std::to_string(cell->cellHeight - grid->cellSpacing);
                    cells.push_back(Place{cell->content.get(), 0, header, level + 2});
                }
            }
            for (auto cell = cells.rbegin(); cell != cells.rend(); ++cell)
                stack.push_back(std::move(*cell));
        } else {
            out << indent << "page y=" << item->y << '\n';
        }
    }
}

}  // namespace kelvor::tools
