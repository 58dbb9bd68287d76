// Where things are in the laid-out document: sections and lines in document order, the
// character under a point, the line a kept position names, named positions.

#include <algorithm>

#include "engine/document/block.h"
#include "engine/document/section.h"
#include "engine/paint/line_geometry.h"
#include "engine/view/engine_document.h"

namespace kelvor::engine {

void EngineDocument::indexSections() {
    sections_.clear();
    lines_.clear();
    // Walked with a stack of its own: documents nest deep.
    struct Place {
        const TFlowCell* cell;
        std::size_t next;
    };
    std::vector<Place> stack{{&document_, 0}};
    while (!stack.empty()) {
        Place& place = stack.back();
        if (place.next >= place.cell->items.size()) {
            stack.pop_back();
            continue;
        }
        const TFlowItem* item = place.cell->items[place.next++].get();
        if (const auto* section = dynamic_cast<const TSection*>(item))
            sections_.push_back(section);
        else if (const auto* block = dynamic_cast<const TBlock*>(item))
            stack.push_back(Place{&block->cell(), 0});
    }
}

void EngineDocument::indexLines() {
    lines_.clear();
    for (const TSection* section : sections_) {
        for (const LineRec& line : section->lines) {
            if (line.count <= 0 || line.start < 0 ||
                static_cast<std::size_t>(line.start) >= section->positions.size()) {
                continue;
            }
            lines_.push_back(PlacedLine{section, &line,
                                        section->positions[static_cast<std::size_t>(line.start)]});
        }
    }
}

const EngineDocument::PlacedLine* EngineDocument::lineAtOrAfter(int position) const {
    const PlacedLine* best = nullptr;
    for (const PlacedLine& placed : lines_) {
        const TSection& section = *placed.section;
        const LineRec& line = *placed.line;
        const int last = section.positions[static_cast<std::size_t>(line.start + line.count - 1)];
        if (position >= placed.firstPosition && position <= last)
            return &placed;
        if (placed.firstPosition > position &&
            (best == nullptr || placed.firstPosition < best->firstPosition)) {
            best = &placed;
        }
    }
    return best;
}

int EngineDocument::positionAt(int x, int y) {
    for (const PlacedLine& placed : lines_) {
        const LineRec& line = *placed.line;
        if (y < line.y || y >= line.y + line.height())
            continue;
        const TSection& section = *placed.section;
        for (const LineSegment& segment : LineSegments(section, line)) {
            if (x < segment.x || x >= segment.x + segment.width)
                continue;
            if (segment.kind != LineSegment::Kind::text)
                return section.positions[static_cast<std::size_t>(segment.start)];
            // Characters are measured from the piece's start, so kerning and justification of
            // the piece as a whole are kept; the prefix widths grow with their length, so the
            // first prefix that reaches past x is found by halving (a preformatted line may
            // hold a megabyte).
            const auto& fontPointer = section.runs[static_cast<std::size_t>(segment.run)].font.font;
            if (fontPointer == nullptr)
                return section.positions[static_cast<std::size_t>(segment.start)];
            const platform::Font& font = *fontPointer;
            const std::u16string_view text(section.text);
            const auto reaches = [&](int i) {
                const auto count = static_cast<std::size_t>(i + 1 - segment.start);
                return segment.x + static_cast<long long>(font.textWidth(text.substr(
                                       static_cast<std::size_t>(segment.start), count))) >
                       x;
            };
            int low = segment.start;
            int high = segment.end - 1;
            while (low < high) {
                const int mid = low + (high - low) / 2;
                if (reaches(mid))
                    high = mid;
                else
                    low = mid + 1;
            }
            return section.positions[static_cast<std::size_t>(low)];
        }
    }
    return -1;
}

char16_t EngineDocument::characterAt(int position) const {
    for (const TSection* section : sections_) {
        const auto& positions = section->positions;
        if (positions.empty() || position < positions.front() || position > positions.back())
            continue;
        const auto at = std::find(positions.begin(), positions.end(), position);
        if (at != positions.end())
            return section->text[static_cast<std::size_t>(at - positions.begin())];
    }
    return 0;
}

std::optional<PositionedObject> EngineDocument::objectAt(int y) const {
    // The line at the top, or else the last line that starts above it (a Y in a gap between
    // lines still names an object).
    const PlacedLine* best = nullptr;
    for (const PlacedLine& placed : lines_) {
        if (placed.line->y <= y && (best == nullptr || placed.line->y > best->line->y))
            best = &placed;
        if (placed.line->y <= y && y < placed.line->y + placed.line->height())
            return PositionedObject{placed.firstPosition, placed.line->y};
    }
    if (best == nullptr)
        return std::nullopt;
    return PositionedObject{best->firstPosition, best->line->y};
}

std::optional<int> EngineDocument::objectTop(int index) const {
    for (const PlacedLine& placed : lines_) {
        if (placed.firstPosition == index)
            return placed.line->y;
    }
    // The same text wrapped otherwise: the line that now holds that character.
    for (const PlacedLine& placed : lines_) {
        const TSection& section = *placed.section;
        const LineRec& line = *placed.line;
        const int last = section.positions[static_cast<std::size_t>(line.start + line.count - 1)];
        if (index >= placed.firstPosition && index <= last)
            return line.y;
    }
    return std::nullopt;
}

AnchorLookup EngineDocument::findAnchor(const std::string& upperName) const {
    AnchorLookup lookup;
    const std::optional<int> position = document_.anchors().find(upperName);
    if (!position)
        return lookup;
    lookup.found = true;
    if (const PlacedLine* line = lineAtOrAfter(*position))
        lookup.top = line->line->y;
    return lookup;
}

}  // namespace kelvor::engine
