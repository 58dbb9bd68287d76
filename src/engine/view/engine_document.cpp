#include "engine/view/engine_document.h"

#include <algorithm>

#include "engine/document/block.h"
#include "engine/document/section.h"
#include "engine/layout/document_layout.h"
#include "engine/layout/layout_context.h"
#include "engine/paint/document_paint.h"
#include "engine/paint/hit_test.h"
#include "engine/paint/paint_context.h"
#include "engine/reader/html_reader.h"

namespace kelvor::engine {

EngineDocument::EngineDocument(platform::FontServices& device, PictureSource* pictures)
    : document_(device, pictures), defaultBackground_(document_.background) {}

void EngineDocument::clear(const ViewDefaults& defaults) {
    DocumentDefaults documentDefaults;
    documentDefaults.style = defaults.style;
    documentDefaults.background = defaults.background;
    documentDefaults.overLinksActive = defaults.overLinksActive;
    document_.clear(documentDefaults);
    defaultBackground_ = defaults.background;
    texts_ = DocumentTexts();
    sections_.clear();
    lines_.clear();
}

void EngineDocument::readHtml(const std::string& source, const ReadHooks& hooks) {
    HtmlReaderHooks readerHooks;
    readerHooks.meta = hooks.meta;
    readerHooks.link = hooks.link;
    // A linked sheet is asked for by its full name, which is also the base of its "url(" values.
    readerHooks.expandName = hooks.expandName;
    readerHooks.expandFileName = hooks.expandName;
    readerHooks.streamRequest = hooks.readLinkedFile;
    const HtmlReadResult result = ReadHtmlDocument(source, document_, readerHooks);
    texts_ = DocumentTexts{result.title, result.base, result.baseTarget};
    indexSections();
}

void EngineDocument::readPlainText(const std::string& source) {
    ReadTextDocument(source, document_);
    texts_ = DocumentTexts();
    indexSections();
}

ViewExtent EngineDocument::layout(int width, int height) {
    LayoutContext context(document_, width, height);
    const DocumentExtent extent = LayoutDocument(document_, context);
    indexLines();
    return ViewExtent{extent.height, extent.width};
}

void EngineDocument::setOffset(int x, int y) {
    offsetX_ = x;
    offsetY_ = y;
}

void EngineDocument::paint(platform::Canvas& canvas, const platform::Rect& clip) {
    const platform::Rect area{clip.left + offsetX_, clip.top + offsetY_, clip.right + offsetX_,
                              clip.bottom + offsetY_};
    PaintContext context(canvas, document_, area, offsetX_, offsetY_);
    PaintDocument(context);
}

void EngineDocument::setDefaultBackground(TColour colour) {
    // The body's own colour stays; only a page that shows the default follows it.
    if (document_.background == defaultBackground_)
        document_.background = colour;
    defaultBackground_ = colour;
}

DocumentHit EngineDocument::hitTest(int x, int y) {
    // The hit test records the link under the point; the control decides about hovering.
    TLinkTarget* const hover = document_.hoverLink;
    const HitResult result = HitTest(document_, x, y);
    document_.hoverLink = hover;
    DocumentHit hit;
    if ((result.flags & kHitLink) != 0) {
        hit.linkId = result.link != nullptr ? result.link->linkId : -1;
        hit.url = result.url;
        hit.target = result.target;
    }
    hit.overImage = result.image != nullptr;
    hit.overFormImage = (result.flags & kHitControlImage) != 0;
    hit.overText = !hit.overImage && positionAt(x, y) >= 0;
    hit.hint = result.hint;
    return hit;
}

bool EngineDocument::setHoverLink(int linkId) {
    TLinkTarget* link = nullptr;
    if (linkId >= 0 && linkId < linkCount())
        link = document_.links()[static_cast<std::size_t>(linkId)].get();
    if (link == document_.hoverLink)
        return false;
    document_.hoverLink = link;
    return document_.defaults().overLinksActive || document_.hasHoverColours;
}

void EngineDocument::setSelection(int start, int end) {
    if (start == end) {
        document_.selectionStart = document_.selectionEnd = -1;
        return;
    }
    document_.selectionStart = std::min(start, end);
    document_.selectionEnd = std::max(start, end);
}

int EngineDocument::linkCount() const {
    return static_cast<int>(document_.links().size());
}

std::string EngineDocument::linkUrl(int linkId) const {
    if (linkId < 0 || linkId >= linkCount())
        return {};
    return document_.links()[static_cast<std::size_t>(linkId)]->url;
}

bool EngineDocument::linkVisited(int linkId) const {
    return linkId >= 0 && linkId < linkCount() &&
           document_.links()[static_cast<std::size_t>(linkId)]->visited;
}

void EngineDocument::setLinkVisited(int linkId, bool visited) {
    if (linkId >= 0 && linkId < linkCount())
        document_.links()[static_cast<std::size_t>(linkId)]->visited = visited;
}

std::optional<FocusedLink> EngineDocument::moveLinkFocus(bool forward) {
    const std::vector<TLinkFocus>& stops = document_.focusObjects;
    const auto count = static_cast<long>(stops.size());
    long at = -1;
    for (long i = 0; i < count; ++i) {
        if (stops[static_cast<std::size_t>(i)].link == document_.focusedLink)
            at = i;
    }
    long next = 0;
    if (at < 0)
        next = forward ? 0 : count - 1;
    else
        next = forward ? at + 1 : at - 1;
    // Past the last (or before the first) stop the focus leaves the links.
    if (next < 0 || next >= count) {
        document_.focusedLink = nullptr;
        return std::nullopt;
    }
    document_.focusedLink = stops[static_cast<std::size_t>(next)].link;
    return describe(document_.focusedLink);
}

std::optional<FocusedLink> EngineDocument::focusedLink() const {
    return describe(document_.focusedLink);
}

std::optional<FocusedLink> EngineDocument::describe(const TLinkTarget* link) const {
    if (link == nullptr)
        return std::nullopt;
    FocusedLink focused;
    focused.linkId = link->linkId;
    focused.url = link->url;
    focused.target = link->target;
    if (const PlacedLine* line = lineAtOrAfter(link->startPosition))
        focused.top = line->line->y;
    return focused;
}

}  // namespace kelvor::engine
