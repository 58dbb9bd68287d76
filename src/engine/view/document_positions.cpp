#include "engine/view/document_positions.h"

#include <algorithm>
#include <limits>
#include <string_view>

#include "engine/document/block.h"
#include "engine/document/document.h"
#include "engine/document/limits.h"
#include "engine/document/section.h"
#include "engine/document/table.h"
#include "engine/paint/line_geometry.h"

namespace kelvor::engine {

void DocumentPositions::clear() {
    sections_.clear();
    lines_.clear();
    tallestLine_ = 0;
    characters_ = 0;
}

void DocumentPositions::index(const TDocument& document) {
    clear();
    addCell(document);
}

void DocumentPositions::addCell(const TFlowCell& cell) {
    for (const auto& item : cell.items) {
        if (const auto* section = dynamic_cast<const TSection*>(item.get())) {
            // A section without text holds no position and shows no line.
            if (section->text.empty()) {
                continue;
            }
            const long long next = static_cast<long long>(characters_) + section->text.size();
            if (next > std::numeric_limits<int>::max()) {
                return;  // no real page gets here; positions must stay within an int
            }
            sections_.push_back({section, characters_});
            characters_ = static_cast<int>(next);
        } else if (const auto* block = dynamic_cast<const TBlock*>(item.get())) {
            // Blocks that layout passes over show nothing; the depth limit also bounds the
            // recursion.
            if (block->displayNone || block->cell().depth() > kMaxBlockDepth) {
                continue;
            }
            addCell(block->cell());
        } else if (const auto* grid = dynamic_cast<const TTableGrid*>(item.get())) {
            // Cells count row by row, left to right, as they are read; tables nest at most
            // ten deep, which bounds this recursion too.
            for (const auto& row : grid->rows) {
                for (const TableSlot& slot : row->cells) {
                    if (slot.cell && slot.cell->content) {
                        addCell(*slot.cell->content);
                    }
                }
            }
        }
    }
}

void DocumentPositions::indexLines() {
    lines_.clear();
    tallestLine_ = 0;
    for (std::size_t s = 0; s < sections_.size(); ++s) {
        const TSection& section = *sections_[s].section;
        for (std::size_t l = 0; l < section.lines.size(); ++l) {
            const LineRec& line = section.lines[l];
            if (line.count <= 0) {
                continue;  // an empty line before a float or a CLEAR holds no character
            }
            LineEntry entry;
            entry.top = line.y;
            entry.bottom = line.y + line.height();
            entry.section = static_cast<int>(s);
            entry.line = static_cast<int>(l);
            entry.position = sections_[s].first + line.start;
            tallestLine_ = std::max(tallestLine_, line.height());
            lines_.push_back(entry);
        }
    }
    std::sort(lines_.begin(), lines_.end(), [](const LineEntry& a, const LineEntry& b) {
        return a.top != b.top ? a.top < b.top : a.position < b.position;
    });
}

int DocumentPositions::sectionOf(int position) const {
    if (position < 0 || position >= characters_) {
        return -1;
    }
    const auto found =
        std::upper_bound(sections_.begin(), sections_.end(), position,
                         [](int p, const SectionEntry& entry) { return p < entry.first; });
    return static_cast<int>(found - sections_.begin()) - 1;
}

char16_t DocumentPositions::characterAt(int position) const {
    const int s = sectionOf(position);
    if (s < 0) {
        return 0;
    }
    const SectionEntry& entry = sections_[static_cast<std::size_t>(s)];
    return entry.section->text[static_cast<std::size_t>(position - entry.first)];
}

const LineRec& DocumentPositions::lineOf(const LineEntry& entry) const {
    return sections_[static_cast<std::size_t>(entry.section)]
        .section->lines[static_cast<std::size_t>(entry.line)];
}

const DocumentPositions::LineEntry* DocumentPositions::lineHolding(int x, int y) const {
    auto it = std::upper_bound(lines_.begin(), lines_.end(), y,
                               [](int value, const LineEntry& entry) { return value < entry.top; });
    const LineEntry* best = nullptr;
    bool bestSpansX = false;
    // Only lines that start at most one line height above y can reach down to it.
    while (it != lines_.begin()) {
        --it;
        if (static_cast<long long>(it->top) + tallestLine_ < y) {
            break;
        }
        if (y >= it->bottom) {
            continue;
        }
        const TSection& section = *sections_[static_cast<std::size_t>(it->section)].section;
        const bool spansX = x >= section.sectionX && x < section.sectionX + section.sectionWidth;
        if (best == nullptr || (spansX && !bestSpansX) ||
            (spansX == bestSpansX && it->position < best->position)) {
            best = &*it;
            bestSpansX = spansX;
        }
    }
    return best;
}

int DocumentPositions::characterUnder(const TSection& section, const LineRec& line, int x,
                                      bool* onText) const {
    *onText = false;
    const std::vector<LineSegment> segments = LineSegments(section, line);
    if (segments.empty() || x < segments.front().x) {
        return line.start;
    }
    auto it =
        std::upper_bound(segments.begin(), segments.end(), x,
                         [](int value, const LineSegment& segment) { return value < segment.x; });
    const LineSegment& segment = *(it - 1);
    if (x >= segment.x + segment.width) {
        if (it == segments.end()) {
            return DrawnEnd(section, line);
        }
        // The spread of a justified line belongs to the blank before it.
        *onText = segment.kind == LineSegment::Kind::text;
        return segment.end - 1;
    }
    if (segment.kind != LineSegment::Kind::text) {
        return segment.start;
    }
    *onText = true;
    const auto& font = section.runs[static_cast<std::size_t>(segment.run)].font.font;
    if (!font) {
        return segment.start;
    }
    // The smallest prefix wider than the distance from the piece's start ends at the
    // character under x; prefixes are measured whole so that the answer matches the drawing.
    // The prefix is found by doubling first, so that a point near the start of a long piece
    // (a preformatted line of a megabyte) measures only the characters before it.
    const std::u16string_view text =
        std::u16string_view(section.text)
            .substr(static_cast<std::size_t>(segment.start),
                    static_cast<std::size_t>(segment.end - segment.start));
    const int distance = x - segment.x;
    std::size_t low = 1;
    std::size_t high = 1;
    while (high < text.size() && font->textWidth(text.substr(0, high)) <= distance) {
        low = high + 1;
        high = std::min(text.size(), high * 2);
    }
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (font->textWidth(text.substr(0, middle)) > distance) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return segment.start + static_cast<int>(low) - 1;
}

int DocumentPositions::positionAt(int x, int y) const {
    if (lines_.empty()) {
        return -1;
    }
    if (const LineEntry* entry = lineHolding(x, y)) {
        const SectionEntry& section = sections_[static_cast<std::size_t>(entry->section)];
        bool onText = false;
        return section.first + characterUnder(*section.section, lineOf(*entry), x, &onText);
    }
    const auto below =
        std::upper_bound(lines_.begin(), lines_.end(), y,
                         [](int value, const LineEntry& entry) { return value < entry.top; });
    return below == lines_.end() ? characters_ : below->position;
}

bool DocumentPositions::overText(int x, int y) const {
    const LineEntry* entry = lineHolding(x, y);
    if (entry == nullptr) {
        return false;
    }
    bool onText = false;
    characterUnder(*sections_[static_cast<std::size_t>(entry->section)].section, lineOf(*entry), x,
                   &onText);
    return onText;
}

std::optional<DocumentPositions::LineStart> DocumentPositions::lineAtOrAbove(int y) const {
    auto it = std::upper_bound(lines_.begin(), lines_.end(), y,
                               [](int value, const LineEntry& entry) { return value < entry.top; });
    if (it == lines_.begin()) {
        return std::nullopt;
    }
    --it;
    // Lines side by side share a top; the first in reading order names the place.
    while (it != lines_.begin() && (it - 1)->top == it->top) {
        --it;
    }
    return LineStart{it->position, it->top};
}

namespace {

// The line of a section that holds character i, or the first line after it; none when i lies
// beyond the section's last laid-out line.
const LineRec* LineFrom(const TSection& section, int i) {
    for (const LineRec& line : section.lines) {
        if (line.count > 0 && i < line.start + line.count) {
            return &line;
        }
    }
    return nullptr;
}

}  // namespace

std::optional<int> DocumentPositions::lineTop(int position) const {
    const int s = sectionOf(position);
    if (s < 0) {
        return std::nullopt;
    }
    const SectionEntry& entry = sections_[static_cast<std::size_t>(s)];
    const int i = position - entry.first;
    const LineRec* line = LineFrom(*entry.section, i);
    if (line == nullptr || i < line->start) {
        return std::nullopt;
    }
    return line->y;
}

std::optional<int> DocumentPositions::topAtSource(int sourcePosition) const {
    for (const SectionEntry& entry : sections_) {
        const std::vector<int>& positions = entry.section->positions;
        if (positions.empty() || positions.back() < sourcePosition) {
            continue;
        }
        const auto first = std::lower_bound(positions.begin(), positions.end(), sourcePosition);
        const int i = static_cast<int>(first - positions.begin());
        if (const LineRec* line = LineFrom(*entry.section, i)) {
            return line->y;
        }
    }
    return std::nullopt;
}

std::optional<int> DocumentPositions::linkTop(const TLinkTarget& link) const {
    for (const SectionEntry& entry : sections_) {
        const TSection& section = *entry.section;
        std::optional<int> top;
        for (const TFontRun& run : section.runs) {
            if (run.link != &link) {
                continue;
            }
            if (const LineRec* line = LineFrom(section, run.start)) {
                top = line->y;
                break;
            }
        }
        for (const auto& object : section.objects) {
            if (object->link == &link && (!top || object->drawY < *top)) {
                top = object->drawY;
            }
        }
        if (top) {
            return top;
        }
    }
    return std::nullopt;
}

std::optional<DocumentPositions::SourceRange> DocumentPositions::sourceRange(int start,
                                                                             int end) const {
    start = std::max(0, start);
    end = std::min(end, characters_);
    if (start >= end) {
        return std::nullopt;
    }
    const auto source = [&](int position) {
        const SectionEntry& entry = sections_[static_cast<std::size_t>(sectionOf(position))];
        return entry.section->positions[static_cast<std::size_t>(position - entry.first)];
    };
    SourceRange range{source(start), source(end - 1) + 1};
    if (range.end <= range.start) {
        return std::nullopt;
    }
    return range;
}

int DocumentPositions::sourceAt(int position) const {
    const int s = sectionOf(position);
    if (s < 0) {
        return -1;
    }
    const SectionEntry& entry = sections_[static_cast<std::size_t>(s)];
    return entry.section->positions[static_cast<std::size_t>(position - entry.first)];
}

int DocumentPositions::positionAtSource(int sourcePosition) const {
    for (const SectionEntry& entry : sections_) {
        const std::vector<int>& positions = entry.section->positions;
        if (positions.empty() || positions.back() < sourcePosition) {
            continue;
        }
        const auto found = std::lower_bound(positions.begin(), positions.end(), sourcePosition);
        return entry.first + static_cast<int>(found - positions.begin());
    }
    return characters_;
}

}  // namespace kelvor::engine
