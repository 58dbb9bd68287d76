#pragma once

#include <memory>
#include <optional>

#include "engine/view/view_document.h"
#include "platform/font_services.h"

namespace kelvor::app {

// The document the program's display shows until the layout engine's document is joined to
// the control: every file reads as an empty page, painted in the page's background colour.
// It keeps the window, its commands and its modes working end to end meanwhile.
class BlankDocument : public engine::ViewDocument {
  public:
    explicit BlankDocument(std::unique_ptr<platform::FontServices> device)
        : device_(std::move(device)) {}

    void clear(const engine::ViewDefaults& defaults) override { background_ = defaults.background; }
    void readHtml(const std::string&, const engine::ReadHooks&) override {}
    void readPlainText(const std::string&) override {}
    engine::DocumentTexts texts() const override { return {}; }
    engine::ViewExtent layout(int, int) override { return {}; }
    void setOffset(int, int) override {}
    void paint(platform::Canvas& canvas, const platform::Rect& clip) override;
    engine::TColour background() const override { return background_; }
    void setDefaultBackground(engine::TColour colour) override { background_ = colour; }
    bool backgroundFixed() const override { return false; }
    void setShowImages(bool) override {}
    engine::DocumentHit hitTest(int, int) override { return {}; }
    bool setHoverLink(int) override { return false; }
    int positionAt(int, int) override { return -1; }
    char16_t characterAt(int) const override { return 0; }
    void setSelection(int, int) override {}
    std::optional<engine::PositionedObject> objectAt(int) const override { return std::nullopt; }
    std::optional<int> objectTop(int) const override { return std::nullopt; }
    engine::AnchorLookup findAnchor(const std::string&) const override { return {}; }
    int linkCount() const override { return 0; }
    std::string linkUrl(int) const override { return {}; }
    bool linkVisited(int) const override { return false; }
    void setLinkVisited(int, bool) override {}
    std::optional<engine::FocusedLink> moveLinkFocus(bool) override { return std::nullopt; }
    std::optional<engine::FocusedLink> focusedLink() const override { return std::nullopt; }

  private:
    std::unique_ptr<platform::FontServices> device_;
    engine::TColour background_ = engine::ViewDefaults{}.background;
};

}  // namespace kelvor::app
