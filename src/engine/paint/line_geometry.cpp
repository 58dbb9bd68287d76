#include "engine/paint/line_geometry.h"

#include <algorithm>

namespace kelvor::engine {

int DrawnEnd(const TSection& section, const LineRec& line) {
    int end = line.start + line.count;
    while (end > line.start) {
        const char16_t c = section.text[static_cast<std::size_t>(end - 1)];
        if (c != kSpace && c != kBreakMark)
            break;
        // Preformatted text shows its own blanks; only the section's final one goes.
        if (c == kSpace && section.isPreformatted() && end != static_cast<int>(section.text.size()))
            break;
        --end;
    }
    return end;
}

std::vector<LineSegment> LineSegments(const TSection& section, const LineRec& line) {
    return LineSegments(section, line, [](int) { return false; });
}

int RunAt(const TSection& section, int i) {
    const auto found =
        std::upper_bound(section.runs.begin(), section.runs.end(), i,
                         [](int index, const TFontRun& run) { return index < run.start; });
    return found == section.runs.begin() ? 0 : static_cast<int>(found - section.runs.begin()) - 1;
}

int FindObject(const TSection& section, int charIndex) {
    const auto found = std::lower_bound(section.objects.begin(), section.objects.end(), charIndex,
                                        [](const std::unique_ptr<TFloatingObj>& object, int index) {
                                            return object->charIndex < index;
                                        });
    if (found == section.objects.end() || (*found)->charIndex != charIndex)
        return -1;
    return static_cast<int>(found - section.objects.begin());
}

int FindControl(const TSection& section, int charIndex) {
    for (std::size_t i = 0; i < section.controls.size(); ++i) {
        if (section.controls[i]->charIndex == charIndex && section.controls[i]->visible())
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace kelvor::engine
