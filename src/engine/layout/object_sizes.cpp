#include "engine/layout/object_sizes.h"

#include <algorithm>
#include <cstdint>

#include "engine/document/document.h"
#include "engine/document/section.h"
#include "engine/layout/layout_context.h"
#include "engine/layout/placeholder_font.h"

namespace kelvor::engine {

namespace {

constexpr int kMaxSize = 32000;
constexpr int kPlaceholderSize = 24;

int Clamp(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, kMaxSize));
}

int Percent(int base, int percent) {
    return Clamp(static_cast<std::int64_t>(std::max(0, base)) * percent / 100);
}

// other * numerator / denominator, for completing a size from the picture's proportions.
int Scaled(int other, int numerator, int denominator) {
    if (denominator <= 0)
        return 0;
    return Clamp(static_cast<std::int64_t>(other) * numerator / denominator);
}

void AskForPicture(TImageObj& image, TDocument& document) {
    if (!document.showImages) {
        image.pictureState = PictureAnswer::State::loading;
        image.picture.reset();
        return;
    }
    if (image.requested && image.pictureState != PictureAnswer::State::loading)
        return;
    PictureAnswer answer = document.pictures().request(image.src);
    image.requested = true;
    image.pictureState = answer.state;
    image.picture = answer.picture;
    if (answer.state == PictureAnswer::State::available &&
        (!answer.picture || answer.picture->width() <= 0 || answer.picture->height() <= 0)) {
        image.pictureState = PictureAnswer::State::failed;
        image.picture.reset();
    }
}

}  // namespace

void SizeImage(TImageObj& image, LayoutContext& context, int width, int availableHeight) {
    AskForPicture(image, context.document);
    const LengthAttribute& w = image.specWidth;
    const LengthAttribute& h = image.specHeight;
    const bool percent = (w.given && w.percent) || (h.given && h.percent);
    if (image.sizeFixed && !percent)
        return;
    const bool available = image.pictureState == PictureAnswer::State::available;
    int w0 = 0;
    int h0 = 0;
    if (available) {
        w0 = image.picture->width();
        h0 = image.picture->height();
    } else if (!w.given && !h.given) {
        // A box that shows the ALT text, or an empty one.
        int textWidth = 0;
        int textHeight = 0;
        if (!image.alt.empty()) {
            PlaceholderText(context, image.alt, textWidth, textHeight);
            image.width = Clamp(static_cast<std::int64_t>(textWidth) + 26);
            image.height = std::max(kPlaceholderSize, textHeight + 4);
        } else {
            image.width = kPlaceholderSize;
            image.height = kPlaceholderSize;
        }
        image.sizeFixed = image.pictureState == PictureAnswer::State::failed;
        return;
    } else {
        // Without a picture a missing side is completed with the placeholder's size.
        w0 = kPlaceholderSize;
        h0 = kPlaceholderSize;
    }
    const int border2 = 2 * image.border;
    int resultWidth = 0;
    int resultHeight = 0;
    if (w.given && w.percent) {
        resultWidth = Percent(width - border2, w.value);
        if (h.given)
            resultHeight = h.percent ? Percent(availableHeight - border2, h.value) : h.value;
        else
            resultHeight = available ? Scaled(resultWidth, h0, w0) : h0;
    } else if (h.given && h.percent) {
        resultHeight = Percent(availableHeight - border2, h.value);
        if (w.given)
            resultWidth = w.value;
        else
            resultWidth = available ? Scaled(resultHeight, w0, h0) : w0;
    } else if (w.given && h.given) {
        resultWidth = w.value;
        resultHeight = h.value;
    } else if (h.given) {
        resultHeight = h.value;
        resultWidth = available ? Scaled(resultHeight, w0, h0) : w0;
    } else if (w.given) {
        resultWidth = w.value;
        resultHeight = available ? Scaled(resultWidth, h0, w0) : h0;
    } else {
        resultWidth = w0;
        resultHeight = h0;
    }
    image.width = Clamp(resultWidth);
    image.height = Clamp(resultHeight);
    image.sizeFixed = !percent && image.pictureState != PictureAnswer::State::loading;
}

int SizeObjects(TSection& section, LayoutContext& context, int width, int availableHeight) {
    int widest = 0;
    for (auto& object : section.objects) {
        if (auto* image = dynamic_cast<TImageObj*>(object.get())) {
            SizeImage(*image, context, width, availableHeight);
        } else {
            const LengthAttribute& w = object->specWidth;
            const LengthAttribute& h = object->specHeight;
            object->width = w.given ? (w.percent ? Percent(width, w.value) : w.value) : 0;
            object->height =
                h.given ? (h.percent ? Percent(availableHeight, h.value) : h.value) : 0;
        }
        widest = std::max(widest, object->outerWidth());
    }
    for (auto& control : section.controls) {
        if (control->percentWidth() > 0) {
            const int room = width - control->spaceLeft - control->spaceRight;
            control->setLaidOutWidth(
                std::max(10, std::min(Percent(width, control->percentWidth()), room)));
        }
        widest = std::max(widest, control->width() + control->spaceLeft + control->spaceRight);
    }
    for (TextPiece& piece : section.pieces) {
        if (piece.object < 0)
            continue;
        const auto index = static_cast<std::size_t>(piece.object);
        if (piece.kind == TextPiece::Kind::object && index < section.objects.size()) {
            const TFloatingObj& object = *section.objects[index];
            piece.width = object.isFloating() ? 0 : object.outerWidth();
        } else if (piece.kind == TextPiece::Kind::control && index < section.controls.size()) {
            const TFormControlObj& control = *section.controls[index];
            piece.width =
                control.visible() ? control.width() + control.spaceLeft + control.spaceRight : 0;
        }
    }
    return widest;
}

}  // namespace kelvor::engine
