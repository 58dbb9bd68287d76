// A copy of a selection from a hostile page: the document read and laid out, a selection
// chosen by the input, its text counted, copied and put on a clipboard, and the "HTML Format"
// block built from the page's source, once at the selection's own offsets and once at offsets
// the input chooses. Byte 0: entry point (bit 0) and width (bits 1 to 3); bytes 1 and 2: the
// selection's ends in 256ths of the text; byte 3: the code page; the rest is the page.
//
// What must hold: the count is never short of the text, the text holds no marks, the clipboard
// gets exactly the text, and the block's offsets point at its own marks.

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/select/html_clipboard_format.h"
#include "engine/view/engine_document.h"
#include "platform/clipboard.h"
#include "platform/fixed/fixed_font_services.h"

namespace {

using namespace kelvor;

class KeptClipboard : public platform::Clipboard {
  public:
    std::u16string text;
    void setText(std::u16string_view newText) override { text = newText; }
    void addHtmlFormat(std::string_view) override {}
};

std::size_t Number(const std::string& block, const char* name) {
    const std::size_t at = block.find(name);
    if (at == std::string::npos)
        __builtin_trap();
    return std::strtoul(block.c_str() + at + std::char_traits<char>::length(name), nullptr, 10);
}

void CheckBlock(const std::string& block) {
    const std::size_t startHtml = Number(block, "StartHTML:");
    const std::size_t endHtml = Number(block, "EndHTML:");
    const std::size_t start = Number(block, "StartFragment:");
    const std::size_t end = Number(block, "EndFragment:");
    const std::string_view view(block);
    if (block.compare(0, 12, "Version:1.0\r") != 0 || endHtml != block.size() ||
        startHtml > start || start < 20 || start > end || end > block.size() ||
        view.substr(startHtml, 9) != "<!DOCTYPE" ||
        view.substr(start - 20, 20) != engine::kStartFragmentMark ||
        view.substr(end) != engine::kEndFragmentMark || view.substr(startHtml - 2, 2) != "\r\n")
        __builtin_trap();
}

constexpr int kCodePages[] = {0, 1252, 65001, 932, 1251, 28592, 950, 1};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4)
        return 0;
    const std::uint8_t flags = data[0];
    const std::string text(reinterpret_cast<const char*>(data) + 4, size - 4);

    platform::fixed::FixedFontServices device;
    engine::EngineDocument document(device);
    document.clear(engine::ViewDefaults{});
    if (flags & 1) {
        document.readPlainText(text);
    } else {
        document.readHtml(text, engine::ReadHooks{});
    }
    const int width = 40 + ((flags >> 1) & 7) * 90;
    document.layout(width, 200);

    const long long count = document.positionAtSource(INT_MAX);
    const int start = static_cast<int>(count * data[1] / 255);
    const int end = static_cast<int>(count * data[2] / 255) + (data[2] & 1);
    document.setSelection(start, end);
    const int length = document.selectedTextLength();
    const std::u16string selected = document.selectedText(length + 1);
    if (length < 0 || selected.size() > static_cast<std::size_t>(length))
        __builtin_trap();
    for (char16_t c : selected) {
        if (c == 2 || c == 4 || c == 8 || c == 0)
            __builtin_trap();
    }
    KeptClipboard clipboard;
    document.copySelectedText(length + 1, clipboard);
    if (length > 0 && clipboard.text != selected)
        __builtin_trap();

    engine::HtmlFragmentRequest request;
    request.source = text;
    request.startSource = document.sourcePosition(start);
    request.endSource = document.sourcePosition(end);
    request.codePage = kCodePages[data[3] & 7];
    request.fontSize = 12;
    request.fontName = "Times New Roman";
    request.currentFile = (data[3] & 8) ? "" : "/d/page.htm";
    CheckBlock(engine::BuildHtmlClipboardBlock(request));

    // Any offsets at all, in and out of the source.
    request.startSource = static_cast<int>(data[1]) * 7 - 100;
    request.endSource = static_cast<int>(data[2]) * 11 - 300;
    request.codePage = document.codePage();
    CheckBlock(engine::BuildHtmlClipboardBlock(request));
    return 0;
}
