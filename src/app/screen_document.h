#pragma once

#include <memory>
#include <utility>

#include "engine/view/engine_document.h"
#include "platform/font_services.h"

namespace kelvor::app {

// Holds the fonts first, so they exist before the document that measures with them and stay
// until it is gone.
struct ScreenFonts {
    std::unique_ptr<platform::FontServices> fonts;
};

// The display's document for the window: the engine's document measured with the screen's
// fonts, which it owns.
class ScreenDocument : private ScreenFonts, public engine::EngineDocument {
  public:
    explicit ScreenDocument(std::unique_ptr<platform::FontServices> fonts)
        : ScreenFonts{std::move(fonts)}, engine::EngineDocument(*this->fonts) {}
};

}  // namespace kelvor::app
