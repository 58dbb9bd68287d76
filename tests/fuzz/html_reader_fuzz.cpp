// The HTML reader on hostile bytes. The first byte chooses the entry point and which of the
// viewer's hooks are set; the rest is the document. Every hook answers something small, so that
// includes, objects, form controls and linked sheets are read as well.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "engine/document/document.h"
#include "engine/document/floating_objects.h"
#include "engine/document/form_control.h"
#include "engine/reader/html_reader.h"
#include "platform/fixed/fixed_font_services.h"

namespace {

using namespace kelvor;

class Control : public engine::TFormControlObj {
  public:
    int width() const override { return 10; }
    int height() const override { return 10; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t flags = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    platform::fixed::FixedFontServices device;
    engine::TDocument document(device);
    engine::HtmlReaderHooks hooks;
    if (flags & 1) {
        hooks.include = [](const std::string& command, const std::vector<std::string>&) {
            return command.empty() ? std::string() : "<b>" + command + "</b><!--#" + command;
        };
    }
    if (flags & 2) {
        hooks.script = [](const std::string&, const std::string&, const std::string&) {};
    }
    if (flags & 4) {
        hooks.objectTag = [](engine::TPanelObj&, bool& handled, const std::vector<std::string>&,
                             const std::vector<std::string>&) { handled = true; };
    }
    if (flags & 8) {
        hooks.formControl = [](const engine::FormControlRequest&) {
            return std::make_unique<Control>();
        };
    }
    if (flags & 16) {
        hooks.streamRequest = [](const std::string& name) -> std::optional<std::string> {
            return "p { color: red } " + name + " { margin: 1px }";
        };
    }
    hooks.entitiesInCodePage = (flags & 32) != 0;
    if (flags & 64)
        engine::ReadTextDocument(text, document, hooks);
    else
        engine::ReadHtmlDocument(text, document, hooks);
    return 0;
}
