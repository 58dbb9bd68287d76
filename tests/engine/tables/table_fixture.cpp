#include "table_fixture.h"

#include "engine/document/section.h"

namespace kelvor::engine::testing {

void TableTest::Collect(TFlowCell& cell, std::vector<TTableBlock*>& found) {
    for (auto& item : cell.items) {
        auto* block = dynamic_cast<TBlock*>(item.get());
        if (block == nullptr)
            continue;
        if (auto* table = dynamic_cast<TTableBlock*>(block)) {
            found.push_back(table);
            for (auto& row : table->grid().rows) {
                for (auto& slot : row->cells) {
                    if (slot.cell)
                        Collect(*slot.cell->content, found);
                }
            }
            continue;
        }
        Collect(block->cell(), found);
    }
}

std::string TableTest::rowLengths(std::size_t index) {
    std::string out;
    for (const auto& row : grid(index).rows) {
        if (!out.empty())
            out += ' ';
        out += std::to_string(row->cells.size());
    }
    return out;
}

std::string TableTest::CellText(const TTableCell& cell) {
    for (const auto& item : cell.content->items) {
        if (const auto* section = dynamic_cast<const TSection*>(item.get()))
            return Narrow(section->text);
    }
    return {};
}

std::vector<std::string> TableTest::drawn() {
    std::vector<std::string> lines;
    for (std::string& line : paintItems()) {
        if (line.rfind("clip", 0) != 0)
            lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace kelvor::engine::testing
