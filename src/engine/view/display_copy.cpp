// The control's copying: the selection's text, and the selection on the clipboard as plain
// text and as an "HTML Format" block made from the page's own source.

#include <algorithm>
#include <string>

#include "engine/select/html_clipboard_format.h"
#include "engine/view/html_display.h"

namespace kelvor::engine {

std::u16string THtmlDisplay::SelText() const {
    const int length = document_->selectedTextLength();
    if (length <= 0) {
        return {};
    }
    return document_->selectedText(length + 1);
}

std::u16string THtmlDisplay::TextBetween(int sourceStart, int sourceEnd) {
    if (sourceStart < 0 || sourceEnd < 0 || sourceStart >= sourceEnd) {
        return {};
    }
    // The document walks its own selection: it is set for this one reading and put back,
    // unpainted, since nothing is drawn meanwhile.
    document_->setSelection(document_->positionAtSource(sourceStart),
                            document_->positionAtSource(sourceEnd));
    std::u16string text;
    try {
        text = SelText();
    } catch (...) {
        document_->setSelection(selStart_, selEnd_);
        throw;
    }
    document_->setSelection(selStart_, selEnd_);
    return text;
}

void THtmlDisplay::CopySelection() {
    if (clipboard_ == nullptr) {
        return;
    }
    const int length = document_->selectedTextLength();
    if (length <= 0) {
        return;
    }
    document_->copySelectedText(length + 1, *clipboard_);

    HtmlFragmentRequest request;
    request.source = documentSource_;
    request.startSource = std::max(0, document_->sourcePosition(selStart_));
    request.endSource = document_->sourcePosition(selEnd_);
    request.codePage = document_->codePage();
    request.fontSize = defFontSize_;
    request.fontName = defFontName_;
    request.currentFile = currentFile_;
    clipboard_->addHtmlFormat(BuildHtmlClipboardBlock(request));
}

}  // namespace kelvor::engine
