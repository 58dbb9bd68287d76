#include "engine/paint/hit_test.h"

#include "engine/document/block.h"
#include "engine/document/document.h"
#include "engine/document/limits.h"
#include "engine/document/section.h"
#include "engine/paint/line_geometry.h"

namespace kelvor::engine {

namespace {

bool ObjectHit(HitTester& tester, const TFloatingObj& object, int x, int y) {
    const int outerW = object.width + 2 * object.border;
    const int outerH = object.height + 2 * object.border;
    if (x < object.drawX || x >= object.drawX + outerW || y < object.drawY ||
        y >= object.drawY + outerH) {
        return false;
    }
    HitResult& result = tester.result;
    const auto* image = dynamic_cast<const TImageObj*>(&object);
    result.image = image;
    tester.document.hoverImage = const_cast<TImageObj*>(image);
    result.hint = object.title;
    if (image != nullptr && image->formControl != nullptr) {
        result.flags |= kHitControlImage;
        result.control = image->formControl;
    }
    // Image coordinates: from the picture's own corner, inside its border.
    const int imageX = x - object.drawX - object.border;
    const int imageY = y - object.drawY - object.border;
    if (object.link != nullptr) {
        result.flags |= kHitLink;
        result.link = object.link;
        result.url = object.link->url;
        result.target = object.link->target;
        if (image != nullptr && image->ismap)
            result.url += "?" + std::to_string(imageX) + "," + std::to_string(imageY);
    }
    if (image != nullptr && !image->usemap.empty()) {
        if (const TMapItem* map = tester.document.findMap(image->usemap)) {
            if (const TMapArea* area = map->areaAt(imageX, imageY)) {
                if (!area->noHref) {
                    result.flags |= kHitLink;
                    result.url = area->href;
                    result.target = area->target;
                }
                if (!area->title.empty())
                    result.hint = area->title;
            }
        }
    }
    if (!result.hint.empty())
        result.flags |= kHitTitle;
    return true;
}

}  // namespace

bool TSection::hitTest(HitTester& tester, int x, int yPos) const {
    for (const auto& object : objects) {
        if (ObjectHit(tester, *object, x, yPos))
            return true;
    }
    for (const LineRec& line : lines) {
        if (yPos < line.y || yPos >= line.y + line.height() || line.count == 0)
            continue;
        if (x < sectionX + line.indent)
            return false;
        for (const LineSegment& segment : LineSegments(*this, line)) {
            if (segment.kind != LineSegment::Kind::text || x < segment.x ||
                x >= segment.x + segment.width) {
                continue;
            }
            const TFontRun& run = runs[static_cast<std::size_t>(segment.run)];
            HitResult& result = tester.result;
            if (run.link != nullptr) {
                result.flags |= kHitLink;
                result.link = run.link;
                result.url = run.link->url;
                result.target = run.link->target;
                tester.document.hoverLink = run.link;
            }
            if (!run.title.empty()) {
                result.flags |= kHitTitle;
                result.hint = run.title;
            }
            return result.flags != 0;
        }
        return false;
    }
    return false;
}

bool TFlowCell::hitTest(HitTester& tester, int x, int y) const {
    for (const auto& item : items) {
        if (y < item->drawTop || y >= item->drawBottom)
            continue;
        if (item->hitTest(tester, x, y))
            return true;
    }
    return false;
}

bool TBlock::hitTest(HitTester& tester, int x, int y) const {
    if (displayNone || cell_.depth() > kMaxBlockDepth)
        return false;
    return cell_.hitTest(tester, x, y);
}

HitResult HitTest(TDocument& document, int x, int y) {
    document.hoverLink = nullptr;
    document.hoverImage = nullptr;
    HitTester tester(document);
    document.TFlowCell::hitTest(tester, x, y);
    if (tester.result.hint.empty() && document.body() != nullptr &&
        !document.body()->title.empty()) {
        tester.result.hint = document.body()->title;
        tester.result.flags |= kHitTitle;
    }
    return tester.result;
}

}  // namespace kelvor::engine
