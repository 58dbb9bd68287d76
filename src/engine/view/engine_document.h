#pragma once

#include <optional>
#include <vector>

#include "engine/document/document.h"
#include "engine/view/view_document.h"
#include "platform/font_services.h"

namespace kelvor::engine {

class TSection;
struct LineRec;

// The display control's document on the real model: the reader fills a TDocument, layout,
// painting and hit testing work on it.
//
// Positions kept across layouts (ScrollPosition) name a line by the source position of its
// first character: that survives a new width and a reload of the same file, where the line's
// number in the page would name another line once the text wraps differently. Character
// positions (selection, positionAt, characterAt) are source positions too, as the document's
// selection is.
class EngineDocument : public ViewDocument {
  public:
    // Fonts come from `device`'s services; pictures from `pictures` (none: no pictures).
    explicit EngineDocument(platform::FontServices& device, PictureSource* pictures = nullptr);

    void clear(const ViewDefaults& defaults) override;
    void readHtml(const std::string& source, const ReadHooks& hooks) override;
    void readPlainText(const std::string& source) override;
    DocumentTexts texts() const override { return texts_; }

    ViewExtent layout(int width, int height) override;
    void setOffset(int x, int y) override;
    void paint(platform::Canvas& canvas, const platform::Rect& clip) override;
    TColour background() const override { return document_.background; }
    void setDefaultBackground(TColour colour) override;
    bool backgroundFixed() const override { return document_.backgroundFixed; }
    void setShowImages(bool show) override { document_.showImages = show; }

    DocumentHit hitTest(int x, int y) override;
    bool setHoverLink(int linkId) override;

    int positionAt(int x, int y) override;
    char16_t characterAt(int position) const override;
    void setSelection(int start, int end) override;

    std::optional<PositionedObject> objectAt(int y) const override;
    std::optional<int> objectTop(int index) const override;
    AnchorLookup findAnchor(const std::string& upperName) const override;

    int linkCount() const override;
    std::string linkUrl(int linkId) const override;
    bool linkVisited(int linkId) const override;
    void setLinkVisited(int linkId, bool visited) override;

    std::optional<FocusedLink> moveLinkFocus(bool forward) override;
    std::optional<FocusedLink> focusedLink() const override;

    TDocument& document() { return document_; }

  private:
    // A laid-out line that holds characters, in document order.
    struct PlacedLine {
        const TSection* section;
        const LineRec* line;
        int firstPosition;  // source position of its first character
    };

    void indexSections();
    void indexLines();
    // The line that holds the character at a source position, or the first line after it.
    const PlacedLine* lineAtOrAfter(int position) const;
    std::optional<FocusedLink> describe(const TLinkTarget* link) const;

    TDocument document_;
    TColour defaultBackground_;
    DocumentTexts texts_;
    int offsetX_ = 0;
    int offsetY_ = 0;
    std::vector<const TSection*> sections_;  // document order, after reading
    std::vector<PlacedLine> lines_;          // document order, after layout
};

}  // namespace kelvor::engine
