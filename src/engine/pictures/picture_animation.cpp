#include "engine/pictures/picture_animation.h"

#include <algorithm>
#include <unordered_map>

#include "engine/document/block.h"
#include "engine/document/document.h"
#include "engine/document/limits.h"
#include "engine/document/list_item.h"
#include "engine/document/section.h"
#include "engine/document/table.h"
#include "engine/pictures/decoded_picture.h"
#include "images/gif_picture.h"

namespace kelvor::engine {

namespace {

const DecodedPicture* Animated(const TPicture* picture) {
    const auto* decoded = dynamic_cast<const DecodedPicture*>(picture);
    return decoded != nullptr && decoded->animated() ? decoded : nullptr;
}

bool Animating(const DecodedPicture& picture) {
    const auto* gif = dynamic_cast<const images::TGifPicture*>(&picture.decoded());
    return gif != nullptr && gif->animating();
}

long long FloorDiv(long long a, long long b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

long long CeilDiv(long long a, long long b) {
    return -FloorDiv(-a, b);
}

}  // namespace

platform::Rect ScaledArea(const platform::Rect& drawn, int pictureWidth, int pictureHeight,
                          const platform::Rect& changed) {
    if (pictureWidth <= 0 || pictureHeight <= 0) {
        return drawn;
    }
    const long long w = drawn.width();
    const long long h = drawn.height();
    return platform::Rect{
        Saturated(drawn.left + FloorDiv(changed.left * w, pictureWidth)),
        Saturated(drawn.top + FloorDiv(changed.top * h, pictureHeight)),
        Saturated(drawn.left + CeilDiv(changed.right * w, pictureWidth)),
        Saturated(drawn.top + CeilDiv(changed.bottom * h, pictureHeight)),
    };
}

void PictureAnimation::clear() {
    images_.clear();
    pictures_.clear();
    elsewhere_.clear();
}

void PictureAnimation::collect(const TDocument& document, const TPicture* pageBackground) {
    clear();
    if (const DecodedPicture* background = Animated(pageBackground)) {
        addPicture(background, true);
    }
    collectCell(document);
}

void PictureAnimation::addPicture(const DecodedPicture* picture, bool elsewhere) {
    if (std::find(pictures_.begin(), pictures_.end(), picture) == pictures_.end()) {
        pictures_.push_back(picture);
    }
    if (elsewhere) {
        elsewhere_.insert(picture);
    }
}

void PictureAnimation::collectCell(const TFlowCell& cell) {
    for (const auto& item : cell.items) {
        if (const auto* section = dynamic_cast<const TSection*>(item.get())) {
            for (const auto& object : section->objects) {
                const auto* image = dynamic_cast<const TImageObj*>(object.get());
                if (image == nullptr || image->pictureState != PictureAnswer::State::available) {
                    continue;
                }
                if (const DecodedPicture* picture = Animated(image->picture.get())) {
                    addPicture(picture, false);
                    images_.push_back(image);
                }
            }
        } else if (const auto* block = dynamic_cast<const TBlock*>(item.get())) {
            // Blocks that layout passes over show nothing; the depth limit bounds the recursion.
            if (block->displayNone || block->cell().depth() > kMaxBlockDepth) {
                continue;
            }
            if (const DecodedPicture* picture = Animated(block->backgroundPicture.get())) {
                addPicture(picture, true);
            }
            if (const auto* listItem = dynamic_cast<const TListItemBlock*>(block)) {
                if (const DecodedPicture* picture = Animated(listItem->markerPicture.get())) {
                    addPicture(picture, true);
                }
            }
            collectCell(block->cell());
        } else if (const auto* grid = dynamic_cast<const TTableGrid*>(item.get())) {
            // Tables nest at most ten deep, which bounds this recursion too.
            for (const auto& row : grid->rows) {
                for (const TableSlot& slot : row->cells) {
                    if (!slot.cell) {
                        continue;
                    }
                    if (const DecodedPicture* picture =
                            Animated(slot.cell->backgroundPicture.get())) {
                        addPicture(picture, true);
                    }
                    if (slot.cell->content) {
                        collectCell(*slot.cell->content);
                    }
                }
            }
        }
    }
}

void PictureAnimation::start(std::uint64_t nowMs) {
    for (const DecodedPicture* picture : pictures_) {
        if (!Animating(*picture)) {
            picture->decoded().startAnimation(nowMs);
        }
    }
}

PictureAnimation::Step PictureAnimation::step(std::uint64_t nowMs) {
    Step result;
    std::unordered_map<const DecodedPicture*, platform::Rect> changed;
    for (const DecodedPicture* picture : pictures_) {
        if (const std::optional<images::PixelRect> area = picture->decoded().stepAnimation(nowMs)) {
            changed.emplace(picture,
                            platform::Rect{area->left, area->top, area->right, area->bottom});
            if (elsewhere_.count(picture) != 0) {
                result.wholeView = true;
            }
        }
        result.running = result.running || Animating(*picture);
    }
    if (result.wholeView || changed.empty()) {
        return result;
    }
    for (const TImageObj* image : images_) {
        const auto* picture = static_cast<const DecodedPicture*>(image->picture.get());
        const auto found = changed.find(picture);
        if (found == changed.end()) {
            continue;
        }
        const int left = image->drawX + image->border;
        const int top = image->drawY + image->border;
        const platform::Rect drawn{left, top, left + image->width, top + image->height};
        result.rects.push_back(
            ScaledArea(drawn, picture->width(), picture->height(), found->second));
    }
    return result;
}

}  // namespace kelvor::engine
