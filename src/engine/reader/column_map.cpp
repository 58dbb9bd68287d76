#include "engine/reader/column_map.h"

#include <algorithm>

namespace kelvor::engine {

std::string& TColumnMap::line(int row) {
    while (static_cast<int>(rows_.size()) <= row - firstRow_)
        rows_.emplace_back(static_cast<std::size_t>(width_), 'o');
    return rows_[static_cast<std::size_t>(row - firstRow_)];
}

int TColumnMap::place(int row, int& colSpan, int rowSpan) {
    if (width_ <= 0 || row < firstRow_)
        return -1;
    while (firstRow_ < row) {
        if (!rows_.empty())
            rows_.pop_front();
        ++firstRow_;
    }
    std::string& current = line(row);
    const std::size_t free = current.find('o');
    if (free == std::string::npos)
        return -1;
    const int column = static_cast<int>(free);
    int freeColumns = 0;
    for (int c = column; c < width_; ++c) {
        if (current[static_cast<std::size_t>(c)] == 'o')
            ++freeColumns;
    }
    if (freeColumns < colSpan)
        colSpan = std::max(1, colSpan - (colSpan - freeColumns));
    const int rows = std::min(std::max(1, rowSpan), kMaxRowsAhead);
    for (int r = row; r < row + rows; ++r) {
        std::string& marked = line(r);
        for (int c = column; c < std::min(column + colSpan, width_); ++c)
            marked[static_cast<std::size_t>(c)] = 'x';
    }
    return column;
}

}  // namespace kelvor::engine
