// Painting of a section: its floats, then line by line its inline boxes, text and objects.

#include <algorithm>

#include "engine/document/document.h"
#include "engine/document/section.h"
#include "engine/paint/borders.h"
#include "engine/paint/line_geometry.h"
#include "engine/paint/object_paint.h"
#include "engine/paint/paint_context.h"
#include "engine/paint/run_look.h"

namespace kelvor::engine {

namespace {

constexpr platform::RgbColour kWhite = 0xFFFFFF;

bool AllSpaces(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c == kSpace; });
}

class LinePainter {
  public:
    // Text on paper: black on a printer of fewer than 3 colours (white stays white) when the
    // document asks for it; without table backgrounds, near-white text turns grey so that it
    // shows on white paper.
    platform::RgbColour PrintedTextColour(platform::RgbColour colour) const {
        TDocument& document = context_.document;
        if (document.printMonochromeBlack && document.fonts().services().bitsPerPixel() <= 1 &&
            colour != kWhite) {
            return 0;
        }
        if (!document.printTableBackground && (colour & 0xFF) >= 0xE0 &&
            ((colour >> 8) & 0xFF) >= 0xE0) {
            return 0xA0A0A0;
        }
        return colour;
    }

    LinePainter(PaintContext& context, const TSection& section, const LineRec& line)
        : context_(context), section_(section), line_(line) {}

    void paint() {
        const TDocument& document = context_.document;
        const auto selected = [&](int i) {
            const int position = section_.positions[static_cast<std::size_t>(i)];
            return document.selectionStart >= 0 && position >= document.selectionStart &&
                   position < document.selectionEnd;
        };
        const auto cut = [&](int i) {
            if (selected(i) != selected(i - 1))
                return true;
            return std::any_of(
                section_.inlineBoxes.begin(), section_.inlineBoxes.end(),
                [&](const TInlineBox& box) { return box.start == i || box.end == i; });
        };
        segments_ = LineSegments(section_, line_, cut);
        drawnEnd_ = DrawnEnd(section_, line_);
        paintInlineBoxes();
        for (const LineSegment& segment : segments_) {
            switch (segment.kind) {
                case LineSegment::Kind::object:
                    paintObject(segment);
                    break;
                case LineSegment::Kind::control:
                    // Form controls show themselves in their own windows; a page has none, so
                    // there they draw themselves.
                    if ((context_.printing || context_.document.printing ||
                         context_.drawControls) &&
                        segment.index >= 0) {
                        const TFormControlObj& control =
                            *section_.controls[static_cast<std::size_t>(segment.index)];
                        control.paint(context_, control.drawX, control.drawY);
                    }
                    break;
                case LineSegment::Kind::text:
                    paintText(segment, selected(segment.start));
                    break;
            }
        }
    }

  private:
    void paintInlineBoxes() {
        const int textTop = line_.y + line_.spaceBefore;
        const int textBottom = textTop + line_.textHeight;
        for (const TInlineBox& box : section_.inlineBoxes) {
            int x0 = 0;
            int x1 = 0;
            bool any = false;
            for (const LineSegment& segment : segments_) {
                if (segment.start < box.start || segment.end > box.end)
                    continue;
                x0 = any ? std::min(x0, segment.x) : segment.x;
                x1 = any ? std::max(x1, segment.x + segment.width) : segment.x + segment.width;
                any = true;
            }
            if (!any)
                continue;
            const BoxValues& values = box.box;
            BorderSides sides;
            sides.left = box.start >= line_.start;
            sides.right = box.end <= drawnEnd_;
            const int left = x0 - (sides.left ? values.padding[3] + values.borderWidth[3] : 0);
            const int right = x1 + (sides.right ? values.padding[1] + values.borderWidth[1] : 0);
            const int top = textTop - values.padding[0] - values.borderWidth[0];
            const int bottom = textBottom + values.padding[2] + values.borderWidth[2];
            PaintBoxBackground(context_, values, left, top, right, bottom);
            PaintBorders(context_, values, left, top, right, bottom, sides);
        }
    }

    void paintObject(const LineSegment& segment) {
        if (segment.index < 0)
            return;
        const TFloatingObj& object = *section_.objects[static_cast<std::size_t>(segment.index)];
        if (object.isFloating())
            return;  // painted with the section's floats
        const TFontRun& run =
            section_.runs[static_cast<std::size_t>(RunAt(section_, segment.start))];
        PaintObject(context_, object, run.font.description.colour);
    }

    void paintText(const LineSegment& segment, bool selected) {
        const TFontRun& run = section_.runs[static_cast<std::size_t>(segment.run)];
        const RunLook look = LookOf(run, context_.document);
        std::u16string text =
            section_.text.substr(static_cast<std::size_t>(segment.start),
                                 static_cast<std::size_t>(segment.end - segment.start));
        const bool decorated = (look.font.description.style &
                                (platform::kFontUnderline | platform::kFontStrikeOut)) != 0;
        const bool ground = selected || look.background != kNoColour;
        if (line_.spaceCount > 0 && !ground) {
            while (!text.empty() && text.back() == kSpace)
                text.pop_back();
        }
        if (line_.softHyphen && segment.end == drawnEnd_)
            text += u'-';
        if (text.empty() || (AllSpaces(text) && !ground && !decorated))
            return;
        int baseline = line_.baseline();
        if (run.verticalAlign == kVerticalSuper)
            baseline -= run.font.emSize() / 3;
        else if (run.verticalAlign == kVerticalSub)
            baseline += run.font.emSize() / 3;
        platform::RgbColour colour = context_.colourOr(look.font.description.colour, 0);
        std::optional<platform::RgbColour> background = context_.colour(look.background);
        if (context_.printing)
            colour = PrintedTextColour(colour);
        if (selected) {
            const platform::RgbColour textColour = background ? *background : (colour ^ kWhite);
            background = colour;
            colour = textColour;
        }
        if (!look.font.font)
            return;
        context_.canvas.drawText(*look.font.font, context_.cx(segment.x), context_.cy(baseline),
                                 text, colour, background);
        if (run.link != nullptr && run.link == context_.document.focusedLink) {
            const int bottom = line_.baseline() + run.font.metrics.descent;
            context_.canvas.frameRect(context_.rect(segment.x, bottom - run.font.metrics.height,
                                                    segment.x + segment.width, bottom),
                                      colour, 1);
        }
    }

    PaintContext& context_;
    const TSection& section_;
    const LineRec& line_;
    std::vector<LineSegment> segments_;
    int drawnEnd_ = 0;
};

}  // namespace

void TSection::paint(PaintContext& context) const {
    if (hidden || !context.intersects(drawTop, drawBottom))
        return;
    for (const auto& object : objects) {
        if (object->isFloating()) {
            const TFontRun& run = runs[static_cast<std::size_t>(RunAt(*this, object->charIndex))];
            PaintObject(context, *object, run.font.description.colour);
        }
    }
    for (const LineRec& line : lines) {
        if (line.count == 0 || !context.intersects(line.y, line.y + line.height()))
            continue;
        // A line that the page end would cut goes whole to the next page, unless no page
        // holds it: then it is cut where the page ends, rather than leave a page empty.
        if (context.page != nullptr && line.y + line.height() > context.page->cutLine &&
            line.height() <= context.page->bodyHeight)
            context.page->cutAt(line.y);
        LinePainter(context, *this, line).paint();
    }
}

}  // namespace kelvor::engine
