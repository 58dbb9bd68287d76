#pragma once

#include <memory>
#include <optional>
#include <string>

#include "engine/document/document.h"
#include "engine/forms/doc_form.h"
#include "engine/pictures/picture_animation.h"
#include "engine/view/document_positions.h"
#include "engine/view/view_document.h"
#include "platform/font_services.h"

namespace kelvor::engine {

struct PrintPageState;

// The display control's document on the engine itself: the reader fills a TDocument, layout
// places it, paint draws it and the hit test reads it. Fonts come from the device's font
// services (the screen's, or the fixed ones of tests); pictures from the picture source, or
// none (every picture then shows its placeholder).
class EngineDocument : public ViewDocument {
  public:
    explicit EngineDocument(std::unique_ptr<platform::FontServices> device,
                            PictureSource* pictures = nullptr);
    // Fonts from services that outlive the document.
    explicit EngineDocument(platform::FontServices& device, PictureSource* pictures = nullptr);
    ~EngineDocument() override;

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
    int selectedTextLength() const override;
    std::u16string selectedText(int capacity) const override;
    void copySelectedText(int capacity, platform::Clipboard& clipboard) const override;
    int sourcePosition(int position) const override;
    int positionAtSource(int sourcePosition) const override;
    int codePage() const override { return codePage_; }

    std::optional<PositionedObject> objectAt(int y) const override;
    std::optional<int> objectTop(int index) const override;
    AnchorLookup findAnchor(const std::string& upperName) const override;

    int linkCount() const override;
    std::string linkUrl(int linkId) const override;
    bool linkVisited(int linkId) const override;
    void setLinkVisited(int linkId, bool visited) override;

    std::optional<FocusedLink> moveLinkFocus(bool forward) override;
    std::optional<FocusedLink> focusedLink() const override;
    void clickFormImage(int x, int y) override;

    // The page's forms. Their controls get windows from the factory, when one is set before
    // the page is read (the display's widgets); otherwise they keep their state in memory.
    TFormList& forms() { return forms_; }
    void setFormControlFactory(FormControlFactory* factory) { forms_.factory = factory; }

    void offerPictures(PictureSource& pictures) override;
    bool startAnimations(std::uint64_t nowMs) override;
    AnimationStep stepAnimations(std::uint64_t nowMs) override;

    // Printing (engine_document_print.cpp): paints as paint does, on paper, with the page
    // whose end the items move (none for a band drawn again); the page's background alone.
    void paintPrinted(platform::Canvas& canvas, const platform::Rect& clip, PrintPageState* page);
    void paintPrintedBackground(platform::Canvas& canvas, const platform::Rect& clip);

    // The model, for what the control's interface does not carry (tests, printing, copying).
    TDocument& model() { return document_; }
    const TDocument& model() const { return document_; }

  private:
    // Done after each reading: the positions of the new text, the page's own background.
    void finishReading(std::string title, std::string base, std::string baseTarget);
    // Is there a selection whose text can be walked?
    bool hasSelection() const;
    TLinkTarget* link(int linkId) const;
    FocusedLink Focused(const TLinkTarget& link) const;
    // Does a link under the mouse look different from the others?
    bool showsHover() const;
    // Moves the controls' windows to where the last layout put them, less the scroll offsets.
    void placeControls();

    std::unique_ptr<platform::FontServices> ownDevice_;
    // Before the document: its sections own controls that point to their forms.
    TFormList forms_;
    TDocument document_;
    DocumentPositions positions_;
    DocumentTexts texts_;
    // The page's background when the body gave one; otherwise the default shows.
    std::optional<TColour> bodyBackground_;
    // The page's background picture, asked for at each layout while pictures are shown.
    std::shared_ptr<const TPicture> backgroundPicture_;
    // Made with a picture source of its own (tests): the control's is not taken.
    bool ownPictures_ = false;
    PictureAnimation animation_;
    bool laidOut_ = false;
    // The selection in positions, end exclusive (the model keeps it in source offsets).
    int selectionStart_ = -1;
    int selectionEnd_ = -1;
    int codePage_ = 0;
    int offsetX_ = 0;
    int offsetY_ = 0;
    int viewHeight_ = 0;
};

}  // namespace kelvor::engine
