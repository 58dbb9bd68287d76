#include "engine/document/document.h"

#include <algorithm>

#include "engine/document/limits.h"
#include "engine/document/section.h"

namespace kelvor::engine {

DocumentDefaults::DocumentDefaults() {
    style.textColour = kSystemColourBase + 18;  // button text
}

TDocument::TDocument(platform::FontServices& device, PictureSource* pictures)
    : TDocCell(nullptr),
      fonts_(device),
      styleList_(fonts_),
      pictures_(pictures ? pictures : &noPictures_) {
    clear(defaults_);
}

TDocument::~TDocument() = default;

void TDocument::setPictures(PictureSource* pictures) {
    pictures_ = pictures ? pictures : &noPictures_;
}

void TDocument::clear(const DocumentDefaults& defaults) {
    items.clear();
    body_ = nullptr;
    links_.clear();
    openLink_ = nullptr;
    openBorders_.clear();
    nextBorderId_ = 1;
    anchors_ = TAnchorList();
    maps_.clear();
    buildingSection_ = nullptr;
    manyLinks = false;
    hasHoverColours = false;
    hoverLink = nullptr;
    hoverImage = nullptr;
    focusedLink = nullptr;
    focusObjects.clear();
    selectionStart = -1;
    selectionEnd = -1;
    backgroundImage.clear();
    backgroundFixed = false;
    defaults_ = defaults;
    background = defaults.background;
    styleList_.initialize(defaults.style);
}

TBodyBlock& TDocument::createBody(const TProperties& properties, std::optional<int> marginWidth,
                                  std::optional<int> marginHeight) {
    if (body_ != nullptr) {
        std::erase_if(items,
                      [&](const std::unique_ptr<TFlowItem>& item) { return item.get() == body_; });
        body_ = nullptr;
    }
    auto body = std::make_unique<TBodyBlock>(*this, properties, marginWidth, marginHeight);
    body_ = body.get();
    body->setOwnerCell(this);
    addBlock(std::move(body));
    const TColour colour = properties.backgroundColour();
    background = colour == kNoColour ? defaults_.background : colour;
    backgroundImage = properties.backgroundImage();
    return *body_;
}

TLinkTarget& TDocument::startLink(std::string url, std::string target, int sourcePosition,
                                  int tabOrder) {
    endLink(sourcePosition);
    auto link = std::make_unique<TLinkTarget>();
    link->url = std::move(url);
    link->target = std::move(target);
    link->linkId = static_cast<int>(links_.size());
    link->tabOrder = tabOrder;
    link->startPosition = sourcePosition;
    openLink_ = link.get();
    links_.push_back(std::move(link));
    return *openLink_;
}

void TDocument::endLink(int sourcePosition) {
    if (openLink_ == nullptr)
        return;
    openLink_->endPosition = sourcePosition;
    openLink_ = nullptr;
}

int TDocument::startInlineBorder(const TProperties& properties) {
    const int id = nextBorderId_++;
    OpenInlineBorder border{id, properties.boxValues(0, 0)};
    if (buildingSection_ != nullptr)
        buildingSection_->beginInlineBox(id, border.box);
    openBorders_.push_back(std::move(border));
    return id;
}

void TDocument::endInlineBorder(int id) {
    const auto found = std::find_if(openBorders_.begin(), openBorders_.end(),
                                    [&](const OpenInlineBorder& open) { return open.id == id; });
    if (found == openBorders_.end())
        return;
    openBorders_.erase(found);
    if (buildingSection_ != nullptr)
        buildingSection_->endInlineBox(id);
}

void TDocument::addMap(TMapItem map) {
    maps_.push_back(std::move(map));
}

const TMapItem* TDocument::findMap(std::string_view name) const {
    for (const TMapItem& map : maps_) {
        if (map.name == name)
            return &map;
    }
    return nullptr;
}

void TDocument::finishBuilding() {
    endLink(-1);
    openBorders_.clear();
    focusObjects.clear();
    if (manyLinks || links_.size() > static_cast<std::size_t>(kManyLinks))
        return;
    for (const auto& link : links_)
        focusObjects.push_back(TLinkFocus{link.get(), link->tabOrder});
    // Links with a positive TABINDEX come first in its order, then the rest in document order.
    std::stable_sort(focusObjects.begin(), focusObjects.end(),
                     [](const TLinkFocus& a, const TLinkFocus& b) {
                         const bool aOrdered = a.tabOrder > 0;
                         const bool bOrdered = b.tabOrder > 0;
                         if (aOrdered != bOrdered)
                             return aOrdered;
                         return aOrdered && a.tabOrder < b.tabOrder;
                     });
}

}  // namespace kelvor::engine
