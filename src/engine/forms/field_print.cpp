// Controls on a printed page: a page has no windows, so each control draws a plain likeness of
// itself: a black frame (a grey raised face for buttons, a circle for radio buttons), its texts
// in its own font, and a check mark or dot when checked.

#include <algorithm>

#include "engine/forms/form_field.h"
#include "engine/paint/paint_context.h"

namespace kelvor::engine {

namespace {

constexpr platform::RgbColour kBlack = 0x000000;
constexpr platform::RgbColour kWhite = 0xFFFFFF;
constexpr platform::RgbColour kButtonFace = 0xC0C0C0;
constexpr int kTextInset = 4;

}  // namespace

void TFormFieldObj::paint(PaintContext& context, int x, int y) const {
    const PrintedLook printed = printedLook();
    platform::Canvas& canvas = context.canvas;
    const platform::Rect box = context.rect(x, y, x + width(), y + height());
    const platform::RgbColour ink = context.colourOr(look_.text, kBlack);
    switch (printed.frame) {
        case PrintedLook::Frame::radio: {
            canvas.drawEllipse(box, kBlack, kWhite);
            if (printed.marked) {
                const platform::Rect dot{box.left + 4, box.top + 4, box.right - 4, box.bottom - 4};
                canvas.drawEllipse(dot, kBlack, kBlack);
            }
            return;
        }
        case PrintedLook::Frame::check:
            canvas.fillRect(box, kWhite);
            canvas.frameRect(box, kBlack, 1);
            if (printed.marked) {
                const int midX = box.left + box.width() * 2 / 5;
                canvas.drawLine(box.left + 3, box.top + box.height() / 2, midX, box.bottom - 3,
                                kBlack, 2, platform::PenStyle::solid);
                canvas.drawLine(midX, box.bottom - 3, box.right - 3, box.top + 3, kBlack, 2,
                                platform::PenStyle::solid);
            }
            return;
        case PrintedLook::Frame::button:
            canvas.fillRect(box, kButtonFace);
            canvas.frameRect(box, kBlack, 1);
            break;
        case PrintedLook::Frame::box:
            canvas.fillRect(box, context.colourOr(look_.background, kWhite));
            canvas.frameRect(box, kBlack, 1);
            break;
    }
    if (!font_ || printed.lines.empty())
        return;
    const platform::FontMetrics& metrics = font_->metrics();
    int top =
        printed.centred ? box.top + (box.height() - metrics.height) / 2 : box.top + kTextInset;
    for (const std::u16string& line : printed.lines) {
        // Only whole lines that fit inside the frame.
        if (top + metrics.height > box.bottom)
            break;
        const int left = printed.centred
                             ? box.left + std::max(0, (box.width() - font_->textWidth(line)) / 2)
                             : box.left + kTextInset;
        canvas.drawText(*font_, left, top + metrics.ascent, line, ink, std::nullopt);
        top += metrics.height;
    }
}

}  // namespace kelvor::engine
