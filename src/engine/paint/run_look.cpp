#include "engine/paint/run_look.h"

#include "engine/document/document.h"
#include "engine/document/font_run.h"
#include "engine/document/link_target.h"

namespace kelvor::engine {

namespace {

constexpr unsigned kDecoration = platform::kFontUnderline | platform::kFontStrikeOut;

}  // namespace

RunLook LookOf(const TFontRun& run, TDocument& document) {
    RunLook look{run.font, run.background};
    const TLinkTarget* link = run.link;
    if (link == nullptr || !link->fonts)
        return look;
    const bool hoverShown = document.defaults().overLinksActive || document.hasHoverColours;
    int state = kLinkNormal;
    if (hoverShown && document.hoverLink == link)
        state = kLinkHover;
    else if (link->visited)
        state = kLinkVisited;
    if (state == kLinkNormal)
        return look;
    // The run keeps its own face, size and weight; the state gives colour, decoration and
    // background.
    const TLinkFontEntry& entry = link->fonts->entries[static_cast<std::size_t>(state)];
    FontDescription description = run.font.description;
    description.colour = entry.font.colour;
    description.style = (description.style & ~kDecoration) | (entry.font.style & kDecoration) |
                        (entry.font.style & (platform::kFontBold | platform::kFontItalic));
    look.font = *MakeDocFont(document.fonts(), description, run.font.lineHeight);
    if (entry.background != kNoColour)
        look.background = entry.background;
    return look;
}

}  // namespace kelvor::engine
