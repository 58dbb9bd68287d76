#pragma once

#include <deque>
#include <string>

namespace kelvor::engine {

// Which columns the cells of a table take, row by row, for tables with COL settings: one
// text per row, "o" for a free column and "x" for a taken one. A cell takes the first free
// column of its row and marks its columns in the rows it spans. Rows above the current one are
// never asked again and are dropped, so the map stays small however long the table.
class TColumnMap {
  public:
    // Rows below the current one that a row span marks are kept within this many.
    static constexpr int kMaxRowsAhead = 1000;

    // The number of columns the COL settings give; 0 (no settings) turns the map
    // off.
    void setWidth(int width) { width_ = width; }
    int width() const { return width_; }

    // The column of a cell that starts in `row` (rows are asked in order); a span larger than
    // the free columns left is cut to them. -1 when the map is off or the row has no room.
    int place(int row, int& colSpan, int rowSpan);

  private:
    std::string& line(int row);

    int width_ = 0;
    int firstRow_ = 0;
    std::deque<std::string> rows_;
};

}  // namespace kelvor::engine
