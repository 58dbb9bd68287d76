#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "../layout/layout_fixture.h"
#include "engine/document/table.h"
#include "engine/paint/hit_test.h"
#include "engine/reader/html_reader.h"

namespace kelvor::engine::testing {

// Documents read by the HTML reader, laid out on the fixed metrics (12 pt Times New Roman: em
// 16, cell 19, ascent 15, characters 8 wide; body margins 10 at the sides, 5 above and below)
// and painted into the layout dump's lines.
class TableTest : public LayoutFixture {
  protected:
    void read(std::string_view html) { ReadHtmlDocument(html, doc); }

    // The tables of the document in reading order (nested ones after their parents' cells).
    std::vector<TTableBlock*> tables() {
        std::vector<TTableBlock*> found;
        Collect(doc.body()->cell(), found);
        return found;
    }
    TTableBlock& table(std::size_t index = 0) { return *tables().at(index); }
    TTableGrid& grid(std::size_t index = 0) { return table(index).grid(); }
    // The cell at a slot; nullptr for a placeholder.
    TTableCell* slot(std::size_t row, std::size_t column, std::size_t index = 0) {
        return grid(index).rows.at(row)->cells.at(column).cell.get();
    }
    // How many slots each row has, as "2 3 1".
    std::string rowLengths(std::size_t index = 0);
    // The text of a cell's first section.
    static std::string CellText(const TTableCell& cell);
    // The paint lines that are not clips.
    std::vector<std::string> drawn();

  private:
    static void Collect(TFlowCell& cell, std::vector<TTableBlock*>& found);
};

}  // namespace kelvor::engine::testing
