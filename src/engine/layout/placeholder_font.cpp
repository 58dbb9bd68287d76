#include "engine/layout/placeholder_font.h"

#include "engine/document/document.h"
#include "engine/layout/layout_context.h"
#include "engine/text/charsets.h"

namespace kelvor::engine {

TDocFont PlaceholderFont(TDocument& document) {
    FontDescription description;
    description.name = "Arial";
    description.size = 8;
    return *MakeDocFont(document.fonts(), description);
}

std::u16string Utf16(std::string_view utf8) {
    std::u16string text;
    if (!ConvertToUtf16(utf8, kCodePageUtf8, text))
        text.assign(utf8.begin(), utf8.end());
    return text;
}

void PlaceholderText(LayoutContext& context, std::string_view text, int& width, int& height) {
    const TDocFont font = PlaceholderFont(context.document);
    width = font.font->textWidth(Utf16(text));
    height = font.metrics.height;
}

}  // namespace kelvor::engine
