#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/document/anchors.h"
#include "engine/document/block.h"
#include "engine/document/flow_cell.h"
#include "engine/document/image_map.h"
#include "engine/document/link_target.h"
#include "engine/document/pictures.h"
#include "engine/style/font_cache.h"
#include "engine/style/style_list.h"

namespace kelvor::engine {

class TImageObj;
class TSection;

// What the viewer gives a document before it is read: the style list's defaults and the page
// background. Colours are engine colours (system colours allowed).
struct DocumentDefaults {
    DocumentDefaults();
    StyleDefaults style;                          // fonts, text and link colours, margins
    TColour background = kSystemColourBase + 15;  // button face
    bool overLinksActive = false;                 // links under the mouse take the hover colour
};

// A keyboard focus stop: one link, in TABINDEX order.
struct TLinkFocus {
    TLinkTarget* link = nullptr;
    int tabOrder = 0;
};

// The document: its root cell (which holds the body) and everything document-wide.
class TDocument : public TDocCell {
  public:
    // Fonts are built by `device`'s services; pictures come from `pictures` (none: NoPictures).
    explicit TDocument(platform::FontServices& device, PictureSource* pictures = nullptr);
    ~TDocument() override;

    // Empties the document and sets its defaults (load step 5). Re-initialises the style list.
    void clear(const DocumentDefaults& defaults);
    const DocumentDefaults& defaults() const { return defaults_; }

    FontCache& fonts() { return fonts_; }
    TStyleList& styleList() { return styleList_; }
    const TStyleList& styleList() const { return styleList_; }
    PictureSource& pictures() { return *pictures_; }
    void setPictures(PictureSource* pictures);

    // --- Building (the reader) ---
    // Makes the body, replacing any body made before (the provisional one of the start, which
    // must still be empty). The body's colour and background image become the document's.
    TBodyBlock& createBody(const TProperties& properties,
                           std::optional<int> marginWidth = std::nullopt,
                           std::optional<int> marginHeight = std::nullopt);
    TBodyBlock* body() const { return body_; }

    // Starts a link (ending one that is open) and returns it; the document owns it.
    TLinkTarget& startLink(std::string url, std::string target, int sourcePosition,
                           int tabOrder = 0);
    // Ends the open link at a source position; nothing happens when none is open.
    void endLink(int sourcePosition);
    TLinkTarget* openLink() const { return openLink_; }
    const std::vector<std::unique_ptr<TLinkTarget>>& links() const { return links_; }

    // An element with a border in inline content: its box runs from here to endInlineBorder,
    // across sections. Returns the id to end it with.
    int startInlineBorder(const TProperties& properties);
    void endInlineBorder(int id);

    TAnchorList& anchors() { return anchors_; }
    const TAnchorList& anchors() const { return anchors_; }
    void addMap(TMapItem map);
    const TMapItem* findMap(std::string_view name) const;

    // Called by the reader when it has read everything: closes what is open and makes the
    // keyboard focus objects of links (none for a document with many links).
    void finishBuilding();

    // --- Document-wide state ---
    bool manyLinks = false;        // more than 400 links (the reader's pre-pass)
    bool hasHoverColours = false;  // BODY OLINK or a hover rule
    TColour background;            // the page background (from the body, else the default)
    std::string backgroundImage;
    bool backgroundFixed = false;
    bool showImages = true;
    bool printing = false;
    bool printMonochromeBlack = false;
    bool printTableBackground = true;
    TLinkTarget* hoverLink = nullptr;    // the link under the mouse
    TImageObj* hoverImage = nullptr;     // the image under the mouse
    TLinkTarget* focusedLink = nullptr;  // the link with the keyboard focus
    std::vector<TLinkFocus> focusObjects;
    // Selection, in source positions; -1 when none.
    int selectionStart = -1;
    int selectionEnd = -1;

    // Sections register themselves while they are being built, so that inline borders reach
    // the open one. Not for the reader's use.
    void setBuildingSection(TSection* section) { buildingSection_ = section; }
    TSection* buildingSection() const { return buildingSection_; }
    struct OpenInlineBorder {
        int id;
        BoxValues box;
    };
    const std::vector<OpenInlineBorder>& openInlineBorders() const { return openBorders_; }

  private:
    DocumentDefaults defaults_;
    FontCache fonts_;
    TStyleList styleList_;
    NoPictures noPictures_;
    PictureSource* pictures_;
    TBodyBlock* body_ = nullptr;
    std::vector<std::unique_ptr<TLinkTarget>> links_;
    TLinkTarget* openLink_ = nullptr;
    std::vector<OpenInlineBorder> openBorders_;
    int nextBorderId_ = 1;
    TAnchorList anchors_;
    std::vector<TMapItem> maps_;
    TSection* buildingSection_ = nullptr;
};

}  // namespace kelvor::engine
