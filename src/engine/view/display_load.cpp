#include <charconv>
#include <utility>

#include "engine/view/display_files.h"
#include "engine/view/html_display.h"
#include "engine/view/link_names.h"
#include "platform/ascii.h"

namespace kelvor::engine {

namespace {

// Longest pre-formatted font name a document keeps.
constexpr std::size_t kLongestPreFontName = 33;
constexpr std::size_t kLongestPathShown = 4096;

// An integer as the refresh delay is written: blanks around it allowed, anything else (or a
// number beyond int) makes it invalid (-1).
int RefreshDelay(std::string_view text) {
    text = ascii::TrimSpaces(text);
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') {
        ++first;
    }
    auto [end, error] = std::from_chars(first, last, value);
    if (text.empty() || error != std::errc() || end != last) {
        return -1;
    }
    return value;
}

// A file name as the text of a quoted attribute: a name holding a quote mark or an ampersand
// (both allowed in file names) must reach the picture as it is.
std::string AttributeText(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '"') {
            out += "&quot;";
        } else if (c == '&') {
            out += "&amp;";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

THtmlDisplay::THtmlDisplay(ViewHost& host, std::unique_ptr<ViewDocument> document,
                           const platform::FileSystem& files)
    : host_(host), document_(std::move(document)), files_(files) {
    pictureFiles_.cache().setCapacity(imageCacheCount_);
    document_->offerPictures(pictureFiles_);
    document_->clear(Defaults());
    PlaceBars();
    host_.setPanelColour(defBackground_);
}

THtmlDisplay::~THtmlDisplay() {
    host_.stopTimer(ViewTimer::linkLeave);
    host_.stopTimer(ViewTimer::autoScroll);
    host_.stopTimer(ViewTimer::animation);
}

ViewDefaults THtmlDisplay::Defaults() const {
    ViewDefaults defaults;
    defaults.style.fontName = defFontName_;
    defaults.style.preFontName = defPreFontName_.substr(0, kLongestPreFontName);
    defaults.style.fontSize = defFontSize_;
    defaults.style.textColour = defFontColor_;
    defaults.style.linkColour = defLinkColor_;
    defaults.style.visitedColour = defVisitedLinkColor_;
    defaults.style.hoverColour = defOverLinkColor_;
    defaults.style.underlineLinks = (options_ & doNoLinkUnderline) == 0;
    defaults.style.charset = charSet_;
    defaults.style.marginWidth = marginWidth_;
    defaults.style.marginHeight = marginHeight_;
    defaults.background = defBackground_;
    defaults.overLinksActive = (options_ & doOverLinksActive) != 0;
    return defaults;
}

void THtmlDisplay::SetBusy(bool busy) {
    if (busy_ == busy) {
        return;
    }
    busy_ = busy;
    if (OnProcessing) {
        OnProcessing(busy);
    }
}

void THtmlDisplay::ReadMeta(const std::string& httpEquiv, const std::string& name,
                            const std::string& content) {
    if (OnMeta) {
        OnMeta(httpEquiv, name, content);
    }
    if (!ascii::EqualsIgnoringCase(ascii::TrimWhitespace(httpEquiv), "refresh")) {
        return;
    }
    const std::size_t semicolon = content.find(';');
    int delay = RefreshDelay(std::string_view(content).substr(0, semicolon));
    if (delay < 0) {
        return;
    }
    if (delay == 0) {
        delay = 1;
    }
    refreshDelay_ = delay;
    const std::size_t url = ascii::LowerCased(content).find("url=");
    refreshUrl_ = url == std::string::npos ? std::string() : content.substr(url + 4);
}

ReadHooks THtmlDisplay::Hooks() {
    ReadHooks hooks;
    hooks.meta = [this](const std::string& httpEquiv, const std::string& name,
                        const std::string& content) { ReadMeta(httpEquiv, name, content); };
    hooks.link = [this](const std::string& rel, const std::string& rev, const std::string& href) {
        if (OnLink) {
            OnLink(rel, rev, href);
        }
    };
    hooks.readLinkedFile = [this](const std::string& name) { return ReadLinkedFile(files_, name); };
    hooks.expandName = [this](const std::string& name) { return ExpandLinkName(name); };
    hooks.formSubmitted = [this](const std::string& action, const std::string& target,
                                 const std::string& encType, const std::string& method,
                                 const std::vector<std::string>& results) {
        // Without a handler a form never submits.
        if (OnFormSubmit) {
            FormSubmitted(FormSubmission{action, target, encType, method, results});
        }
    };
    hooks.controlFocused = [this](int top) { MakeControlVisible(top); };
    hooks.fileBrowse = [this](std::string& fileName) {
        if (OnFileBrowse) {
            OnFileBrowse(fileName);
        }
    };
    return hooks;
}

void THtmlDisplay::LoadHtmlFile(const std::string& path) {
    LoadFile(path, FileMode::html, kLargestShownFile);
}

void THtmlDisplay::LoadPlainTextFile(const std::string& path) {
    LoadFile(path, FileMode::plainText, kLargestShownFile);
}

void THtmlDisplay::LoadPictureFile(const std::string& path) {
    LoadFile(path, FileMode::picture, kLargestShownFile);
}

void THtmlDisplay::LoadFile(const std::string& path, FileMode mode, std::uint64_t limit) {
    if (busy_ || path.empty()) {
        return;
    }
    Remembered old{currentFile_, texts_.title, ScrollPosition(), currentFileMode_,
                   pendingFormData_};
    host_.setCursor(ViewCursor::busy);
    const std::size_t hash = path.find('#');
    const std::string name = path.substr(0, hash);
    const std::string anchor = hash == std::string::npos ? std::string() : path.substr(hash + 1);
    refreshDelay_ = 0;
    refreshUrl_.clear();
    SetBusy(true);
    try {
        if (!files_.exists(name)) {
            throw MissingFileError(name.substr(0, kLongestPathShown));
        }
        // Read before anything is emptied, so that a file that cannot be read also leaves the
        // shown document as it was.
        std::string source =
            mode == FileMode::picture ? std::string() : ReadShownFile(files_, name, limit);

        if (OnProgress) {
            OnProgress(TProgressStage::psStarting, 0);
        }
        host_.stopTimer(ViewTimer::linkLeave);
        linkTimerRunning_ = false;
        StopAnimations();
        document_->clear(Defaults());
        pictureFiles_.startDocument();
        layingOut_ = true;
        caretPos_ = 0;
        mouseDownPos_ = -1;
        selStart_ = selEnd_ = -1;
        hoverLinkId_ = -1;
        hoverUrl_.clear();
        hoverTarget_.clear();
        pendingFormData_.clear();

        currentFile_ = name.front() == '/' ? NormalizedPath(name) : name;
        currentFileMode_ = mode;
        documentSource_ = std::move(source);
        if (OnParseBegin) {
            OnParseBegin(documentSource_);
        }
        switch (mode) {
            case FileMode::html:
                document_->readHtml(documentSource_, Hooks());
                break;
            case FileMode::plainText:
                document_->readPlainText(documentSource_);
                break;
            case FileMode::picture:
                document_->readHtml("<img src=\"" + AttributeText(currentFile_) + "\">", Hooks());
                break;
        }
        texts_ = document_->texts();
        if (OnParseEnd) {
            OnParseEnd();
        }
        LayOut();
        host_.setPanelColour(document_->background());
        StartAnimations();

        MarkVisitedLinks();
        const bool atAnchor = !anchor.empty() && GoToAnchor(anchor);
        if (!atAnchor && currentFile_ != old.file) {
            horizontalPosition_ = 0;
            hbar_.position = 0;
            host_.setHorizontalBar(hbar_);
            ApplyVerticalPosition(0, true);
        }
        layingOut_ = false;
        host_.invalidate(std::nullopt);
    } catch (...) {
        layingOut_ = false;
        host_.setCursor(shownCursor_);
        SetBusy(false);
        throw;
    }
    host_.setCursor(shownCursor_);
    if (OnProgress) {
        OnProgress(TProgressStage::psEnding, 100);
    }
    SetBusy(false);
    if (refreshDelay_ > 0 && OnMetaRefresh) {
        OnMetaRefresh(refreshDelay_, refreshUrl_);
    }
    if (old.file != currentFile_ || old.mode != currentFileMode_) {
        AddHistory(old);
    }
}

void THtmlDisplay::ClearDocument() {
    if (busy_) {
        return;
    }
    host_.stopTimer(ViewTimer::linkLeave);
    linkTimerRunning_ = false;
    host_.stopTimer(ViewTimer::autoScroll);
    autoScrolling_ = false;
    StopAnimations();
    document_->clear(Defaults());
    pictureFiles_.clear();
    texts_ = DocumentTexts();
    documentSource_.clear();
    documentHeight_ = 0;
    documentWidth_ = 0;
    caretPos_ = 0;
    mouseDownPos_ = -1;
    selStart_ = selEnd_ = -1;
    hoverLinkId_ = -1;
    hoverUrl_.clear();
    hoverTarget_.clear();
    refreshDelay_ = 0;
    refreshUrl_.clear();
    verticalPosition_ = 0;
    horizontalPosition_ = 0;
    document_->setOffset(0, 0);
    // Both bars go, whatever the options: a blank page has nothing to scroll.
    PlaceBars(true);
    host_.setPanelColour(document_->background());
    host_.invalidate(std::nullopt);
}

void THtmlDisplay::ReloadDocument() {
    if (currentFile_.empty() || busy_) {
        return;
    }
    const std::int64_t position = ScrollPosition();
    LoadFile(currentFile_, currentFileMode_, kLargestShownFile);
    SetScrollPosition(position);
}

// --- Properties ---

void THtmlDisplay::SetDefPreFontName(const std::string& name) {
    if (!ascii::EqualsIgnoringCase(name, defPreFontName_)) {
        defPreFontName_ = name;
    }
}

void THtmlDisplay::SetDefBackground(TColour colour) {
    if (busy_) {
        return;
    }
    defBackground_ = colour;
    document_->setDefaultBackground(colour);
    host_.setPanelColour(document_->background());
    host_.invalidate(std::nullopt);
}

void THtmlDisplay::SetHistoryMaxCount(int count) {
    if (count < 0) {
        return;
    }
    if (count < historyMaxCount_) {
        ClearHistory();
    }
    historyMaxCount_ = count;
}

void THtmlDisplay::SetVisitedMaxCount(int count) {
    visitedMaxCount_ = std::max(0, count);
    if (visitedMaxCount_ == 0) {
        visited_.clear();
        bool changed = false;
        for (int link = 0; link < document_->linkCount(); ++link) {
            if (document_->linkVisited(link)) {
                document_->setLinkVisited(link, false);
                changed = true;
            }
        }
        if (changed) {
            host_.invalidate(std::nullopt);
        }
    } else if (visited_.size() > static_cast<std::size_t>(visitedMaxCount_)) {
        visited_.resize(visitedMaxCount_);
    }
}

void THtmlDisplay::SetImageCacheCount(int count) {
    imageCacheCount_ = std::clamp(count, 0, 20);
    pictureFiles_.cache().setCapacity(imageCacheCount_);
}

void THtmlDisplay::SetViewImages(bool view) {
    if (view == viewImages_) {
        return;
    }
    viewImages_ = view;
    document_->setShowImages(view);
    if (busy_) {
        return;
    }
    host_.setCursor(ViewCursor::busy);
    ReLayoutKeepingPosition();
    StartAnimations();
    host_.setCursor(shownCursor_);
    host_.invalidate(std::nullopt);
}

void THtmlDisplay::SetNoSelect(bool noSelect) {
    noSelect_ = noSelect;
    if (noSelect) {
        SetSelection(-1, -1);
    }
}

void THtmlDisplay::SetScrollBars(TScrollStyle style) {
    if (style == scrollBars_) {
        return;
    }
    scrollBars_ = style;
    if (!busy_) {
        ReLayoutKeepingPosition();
    }
}

void THtmlDisplay::SetBorderStyle(TDisplayBorderStyle style) {
    if (style == borderStyle_) {
        return;
    }
    borderStyle_ = style;
    if (!busy_) {
        ReLayoutKeepingPosition();
    } else {
        PlaceBars();
    }
}

void THtmlDisplay::SetServerRoot(const std::string& root) {
    std::string trimmed(ascii::TrimSpacesAndControls(root));
    if (!trimmed.empty() && (trimmed.back() == '/' || trimmed.back() == '\\')) {
        trimmed.pop_back();
    }
    serverRoot_ = std::move(trimmed);
}

void THtmlDisplay::SetPrintScale(double scale) {
    if (!(scale == scale)) {  // not a number: the default
        scale = 1.0;
    }
    printScale_ = std::clamp(scale, 0.25, 4.0);
}

void THtmlDisplay::SetDisplayOptions(THtmlDisplayOptions options) {
    const bool barRuleChanged = ((options ^ options_) & doShowVScroll) != 0;
    options_ = options;
    if ((options & doNoWheelMouse) != 0 && panMode_) {
        EndPanMode();
    }
    if (barRuleChanged && !busy_) {
        ReLayoutKeepingPosition();
    }
}

void THtmlDisplay::FocusChanged(bool focused) {
    focused_ = focused;
    PlaceBars();
}

}  // namespace kelvor::engine
