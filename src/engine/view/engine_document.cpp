#include "engine/view/engine_document.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "engine/forms/form_builder.h"
#include "engine/forms/hidden_image_controls.h"
#include "engine/layout/document_layout.h"
#include "engine/layout/layout_context.h"
#include "engine/paint/hit_test.h"
#include "engine/paint/paint_context.h"
#include "engine/reader/html_reader.h"
#include "engine/select/selection_walk.h"
#include "engine/select/text_sinks.h"
#include "engine/view/page_background.h"

namespace kelvor::engine {

namespace {

// The reader's hooks from the control's: linked files come only through the control's own
// reading (its size and file-kind limits), never from a file system of the reader's.
HtmlReaderHooks ReaderHooks(const ReadHooks& hooks) {
    HtmlReaderHooks reader;
    reader.meta = hooks.meta;
    reader.link = hooks.link;
    reader.expandName = hooks.expandName;
    reader.expandFileName = hooks.expandName;
    if (hooks.readLinkedFile) {
        reader.streamRequest = hooks.readLinkedFile;
    }
    return reader;
}

}  // namespace

EngineDocument::EngineDocument(std::unique_ptr<platform::FontServices> device,
                               PictureSource* pictures)
    : ownDevice_(std::move(device)),
      document_(*ownDevice_, pictures),
      ownPictures_(pictures != nullptr) {}

EngineDocument::EngineDocument(platform::FontServices& device, PictureSource* pictures)
    : document_(device, pictures), ownPictures_(pictures != nullptr) {}

EngineDocument::~EngineDocument() = default;

void EngineDocument::clear(const ViewDefaults& defaults) {
    DocumentDefaults documentDefaults;
    documentDefaults.style = defaults.style;
    documentDefaults.background = defaults.background;
    documentDefaults.overLinksActive = defaults.overLinksActive;
    document_.clear(documentDefaults);
    forms_.clear();
    positions_.clear();
    texts_ = DocumentTexts();
    bodyBackground_.reset();
    backgroundPicture_.reset();
    animation_.clear();
    laidOut_ = false;
    selectionStart_ = selectionEnd_ = -1;
    codePage_ = 0;
}

void EngineDocument::readHtml(const std::string& source, const ReadHooks& hooks) {
    HtmlReaderHooks readerHooks = ReaderHooks(hooks);
    FormBuilder builder(document_, forms_);
    builder.install(readerHooks);
    forms_.submitted = nullptr;
    if (hooks.formSubmitted) {
        forms_.submitted = [submitted = hooks.formSubmitted](const SubmittedForm& form) {
            submitted(form.action, form.target, form.encType, form.method, form.results);
        };
    }
    forms_.fileBrowse = hooks.fileBrowse;
    forms_.makeVisible = hooks.controlFocused;
    const HtmlReadResult result = ReadHtmlDocument(source, document_, readerHooks);
    codePage_ = result.codePage;
    forms_.orderTabChain();
    finishReading(result.title, result.base, result.baseTarget);
}

void EngineDocument::readPlainText(const std::string& source) {
    const HtmlReadResult result = ReadTextDocument(source, document_);
    codePage_ = result.codePage;
    finishReading(result.title, result.base, result.baseTarget);
}

void EngineDocument::finishReading(std::string title, std::string base, std::string baseTarget) {
    texts_ = DocumentTexts{std::move(title), std::move(base), std::move(baseTarget)};
    positions_.index(document_);
    animation_.clear();
    laidOut_ = false;
    // A body colour equal to the default cannot be told from none; either way the page shows
    // that colour, and a later change of the default then changes it too.
    if (document_.background != document_.defaults().background) {
        bodyBackground_ = document_.background;
    }
}

ViewExtent EngineDocument::layout(int width, int height) {
    LayoutContext context(document_, std::max(0, width), std::max(0, height));
    const DocumentExtent extent = LayoutDocument(document_, context);
    positions_.indexLines();
    laidOut_ = true;
    viewHeight_ = std::max(0, height);
    placeControls();
    backgroundPicture_.reset();
    if (document_.showImages && !document_.backgroundImage.empty()) {
        PictureAnswer answer = document_.pictures().request(document_.backgroundImage);
        if (answer.state == PictureAnswer::State::available) {
            backgroundPicture_ = std::move(answer.picture);
        }
    }
    animation_.collect(document_, backgroundPicture_.get());
    return ViewExtent{extent.height, extent.width};
}

void EngineDocument::setOffset(int x, int y) {
    offsetX_ = x;
    offsetY_ = y;
    placeControls();
}

void EngineDocument::placeControls() {
    // Until a layout has placed them, the controls' windows stay off-screen.
    if (laidOut_) {
        forms_.placeWindows(offsetX_, offsetY_, std::numeric_limits<int>::max(), viewHeight_);
    }
}

void EngineDocument::clickFormImage(int x, int y) {
    if (!laidOut_) {
        return;
    }
    TLinkTarget* const hover = document_.hoverLink;
    const HitResult result = HitTest(document_, x, y);
    document_.hoverLink = hover;
    auto* control = dynamic_cast<TImageFormControlObj*>(result.control);
    if (control == nullptr || result.image == nullptr) {
        return;
    }
    const TImageObj& image = *result.image;
    control->click(x - image.drawX - image.border, y - image.drawY - image.border);
}

void EngineDocument::paint(platform::Canvas& canvas, const platform::Rect& clip) {
    const platform::Rect area{clip.left + offsetX_, clip.top + offsetY_, clip.right + offsetX_,
                              clip.bottom + offsetY_};
    PaintContext context(canvas, document_, area, offsetX_, offsetY_);
    PaintPageBackground(context, clip, backgroundPicture_.get(), document_.backgroundFixed);
    // Items hold the places of their last layout; before the first there are none to draw.
    if (laidOut_) {
        document_.TFlowCell::paint(context, {});
    }
}

void EngineDocument::setDefaultBackground(TColour colour) {
    document_.background = bodyBackground_.value_or(colour);
}

// --- Under the mouse ---

DocumentHit EngineDocument::hitTest(int x, int y) {
    DocumentHit hit;
    if (!laidOut_) {
        return hit;
    }
    // The hit test records the link under the point; which link shows the hover colour is the
    // control's to say (setHoverLink), so what the test recorded is put back.
    TLinkTarget* const hover = document_.hoverLink;
    const HitResult result = HitTest(document_, x, y);
    document_.hoverLink = hover;
    if ((result.flags & kHitLink) != 0) {
        // A map area is a link of its own that none of the page's link ids names.
        hit.linkId = result.link != nullptr ? result.link->linkId : linkCount();
        hit.url = result.url;
        hit.target = result.target;
    }
    hit.overImage = result.image != nullptr;
    hit.overFormImage = (result.flags & kHitControlImage) != 0;
    hit.hint = result.hint;
    hit.overText = !hit.overImage && positions_.overText(x, y);
    return hit;
}

bool EngineDocument::showsHover() const {
    return document_.defaults().overLinksActive || document_.hasHoverColours;
}

bool EngineDocument::setHoverLink(int linkId) {
    TLinkTarget* const now = link(linkId);
    if (now == document_.hoverLink) {
        return false;
    }
    document_.hoverLink = now;
    return showsHover();
}

// --- Positions ---

int EngineDocument::positionAt(int x, int y) {
    return laidOut_ ? positions_.positionAt(x, y) : -1;
}

char16_t EngineDocument::characterAt(int position) const {
    return positions_.characterAt(position);
}

void EngineDocument::setSelection(int start, int end) {
    selectionStart_ = start;
    selectionEnd_ = end;
    const std::optional<DocumentPositions::SourceRange> range = positions_.sourceRange(start, end);
    document_.selectionStart = range ? range->start : -1;
    document_.selectionEnd = range ? range->end : -1;
}

// --- The selection's text ---

bool EngineDocument::hasSelection() const {
    // The walk goes line by line: before the first layout there are no lines to copy.
    return laidOut_ && selectionStart_ >= 0 && selectionStart_ < selectionEnd_;
}

int EngineDocument::selectedTextLength() const {
    if (!hasSelection()) {
        return 0;
    }
    SelTextCount count;
    return WalkSelection(document_, selectionStart_, selectionEnd_, count);
}

std::u16string EngineDocument::selectedText(int capacity) const {
    if (!hasSelection() || capacity <= 1) {
        return {};
    }
    std::u16string buffer(static_cast<std::size_t>(capacity), u'\0');
    SelTextBuf sink(buffer.data(), capacity);
    WalkSelection(document_, selectionStart_, selectionEnd_, sink);
    return std::u16string(sink.text());
}

void EngineDocument::copySelectedText(int capacity, platform::Clipboard& clipboard) const {
    if (!hasSelection()) {
        return;
    }
    ClipBuffer sink(capacity, clipboard);
    WalkSelection(document_, selectionStart_, selectionEnd_, sink);
}

int EngineDocument::sourcePosition(int position) const {
    return positions_.sourceAt(position);
}

int EngineDocument::positionAtSource(int sourcePosition) const {
    return positions_.positionAtSource(sourcePosition);
}

std::optional<PositionedObject> EngineDocument::objectAt(int y) const {
    if (!laidOut_) {
        return std::nullopt;
    }
    const std::optional<DocumentPositions::LineStart> line = positions_.lineAtOrAbove(y);
    if (!line) {
        return std::nullopt;
    }
    return PositionedObject{line->position, line->top};
}

std::optional<int> EngineDocument::objectTop(int index) const {
    return laidOut_ ? positions_.lineTop(index) : std::nullopt;
}

AnchorLookup EngineDocument::findAnchor(const std::string& upperName) const {
    const std::optional<int> source = document_.anchors().find(upperName);
    AnchorLookup lookup;
    if (!source) {
        return lookup;
    }
    lookup.found = true;
    if (laidOut_) {
        lookup.top = positions_.topAtSource(*source);
    }
    return lookup;
}

// --- Links ---

TLinkTarget* EngineDocument::link(int linkId) const {
    const auto& links = document_.links();
    if (linkId < 0 || static_cast<std::size_t>(linkId) >= links.size()) {
        return nullptr;
    }
    return links[static_cast<std::size_t>(linkId)].get();
}

int EngineDocument::linkCount() const {
    return static_cast<int>(document_.links().size());
}

std::string EngineDocument::linkUrl(int linkId) const {
    const TLinkTarget* target = link(linkId);
    return target != nullptr ? target->url : std::string();
}

bool EngineDocument::linkVisited(int linkId) const {
    const TLinkTarget* target = link(linkId);
    return target != nullptr && target->visited;
}

void EngineDocument::setLinkVisited(int linkId, bool visited) {
    if (TLinkTarget* target = link(linkId)) {
        target->visited = visited;
    }
}

FocusedLink EngineDocument::Focused(const TLinkTarget& target) const {
    // A link that shows nowhere (in a hidden block) asks for no scrolling.
    const int top = laidOut_ ? positions_.linkTop(target).value_or(offsetY_) : offsetY_;
    return FocusedLink{target.linkId, target.url, target.target, top};
}

std::optional<FocusedLink> EngineDocument::moveLinkFocus(bool forward) {
    const std::vector<TLinkFocus>& stops = document_.focusObjects;
    if (stops.empty()) {
        return std::nullopt;
    }
    const auto current = std::find_if(stops.begin(), stops.end(), [&](const TLinkFocus& stop) {
        return stop.link == document_.focusedLink;
    });
    const long long size = static_cast<long long>(stops.size());
    long long next = 0;
    if (current == stops.end()) {
        next = forward ? 0 : size - 1;
    } else {
        next = (current - stops.begin()) + (forward ? 1 : -1);
    }
    // Past either end the focus leaves the links, so that it can move on to the next control
    // and the next Tab into the page starts again at its first link.
    if (next < 0 || next >= size) {
        document_.focusedLink = nullptr;
        return std::nullopt;
    }
    document_.focusedLink = stops[static_cast<std::size_t>(next)].link;
    return Focused(*document_.focusedLink);
}

std::optional<FocusedLink> EngineDocument::focusedLink() const {
    if (document_.focusedLink == nullptr) {
        return std::nullopt;
    }
    return Focused(*document_.focusedLink);
}

// --- Pictures ---

void EngineDocument::offerPictures(PictureSource& pictures) {
    if (!ownPictures_) {
        document_.setPictures(&pictures);
    }
}

bool EngineDocument::startAnimations(std::uint64_t nowMs) {
    animation_.start(nowMs);
    return !animation_.empty();
}

AnimationStep EngineDocument::stepAnimations(std::uint64_t nowMs) {
    const PictureAnimation::Step step = animation_.step(nowMs);
    AnimationStep result;
    result.wholeView = step.wholeView;
    result.running = step.running;
    for (const platform::Rect& rect : step.rects) {
        result.rects.push_back(platform::Rect{rect.left - offsetX_, rect.top - offsetY_,
                                              rect.right - offsetX_, rect.bottom - offsetY_});
    }
    return result;
}

}  // namespace kelvor::engine
