// The display control's document on hostile bytes: read, laid out at a width, painted, hit
// and walked by position as the control does. The first byte chooses the entry point (bit 0)
// and the width (bits 1 to 3); the rest is the document. Positions must agree with themselves:
// the line named at a Y is found again at the same top.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/forms/form_field.h"
#include "engine/view/engine_document.h"
#include "platform/fixed/fixed_font_services.h"
#include "platform/fixed/recording_canvas.h"

namespace {

using namespace kelvor;

constexpr int kProbes = 8;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t flags = data[0];
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    platform::fixed::FixedFontServices device;
    engine::EngineDocument document(device);
    document.clear(engine::ViewDefaults{});
    if (flags & 1) {
        document.readPlainText(text);
    } else {
        engine::ReadHooks hooks;
        hooks.readLinkedFile = [](const std::string&) -> std::optional<std::string> {
            return std::string("p { color: red; margin-top: -20px } a { display: none }");
        };
        hooks.expandName = [](const std::string& name) { return name; };
        hooks.formSubmitted = [](const std::string&, const std::string&, const std::string&,
                                 const std::string&, const std::vector<std::string>&) {};
        hooks.fileBrowse = [](std::string& name) { name += "x"; };
        document.readHtml(text, hooks);
    }
    const int width = 40 + ((flags >> 1) & 7) * 90;
    const engine::ViewExtent extent = document.layout(width, 200);

    for (int i = 0; i <= kProbes; ++i) {
        const int y = static_cast<int>(static_cast<long long>(extent.height) * i / kProbes);
        if (const std::optional<engine::PositionedObject> object = document.objectAt(y)) {
            if (object->top > y || document.objectTop(object->index) != object->top)
                __builtin_trap();
        }
        for (int j = 0; j <= kProbes; ++j) {
            const int x = width * j / kProbes;
            const engine::DocumentHit hit = document.hitTest(x, y);
            document.setHoverLink(hit.linkId);
            const int position = document.positionAt(x, y);
            document.characterAt(position);
            document.setSelection(position, position + 5);
            document.clickFormImage(x, y);
        }
    }
    // Every form submitted, its controls asked for their lines, reset and given data back.
    for (const auto& form : document.forms().forms())
        form->submit("go=Go");
    const std::vector<std::string> formData = document.forms().formData();
    for (engine::TFormFieldObj* control : document.forms().controls()) {
        std::string line;
        for (int n = 0; n < 3 && control->submitLine(n, line); ++n) {
        }
        control->reset();
    }
    document.forms().setFormData(formData);
    document.findAnchor("A");
    for (int i = 0; i < 3 && document.moveLinkFocus(true); ++i) {
    }
    document.setSelection(0, 1 << 30);

    platform::fixed::RecordingCanvas canvas;
    document.setOffset(0, extent.height / 2);
    document.paint(canvas, platform::Rect{0, 0, width, 200});
    return 0;
}
