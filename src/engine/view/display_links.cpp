#include <unordered_set>

#include "engine/view/display_files.h"
#include "engine/view/html_display.h"
#include "engine/view/link_names.h"
#include "platform/ascii.h"

namespace kelvor::engine {

namespace {

bool IsPageExtension(const std::string& extension) {
    return extension == ".HTM" || extension == ".HTML";
}

bool IsPictureExtension(const std::string& extension) {
    return extension == ".BMP" || extension == ".GIF" || extension == ".JPG" ||
           extension == ".JPEG" || extension == ".PNG";
}

// Space kept between a focused object and the view's lower edge.
constexpr int kControlMargin = 20;
constexpr int kLinkMargin = 30;

}  // namespace

std::string THtmlDisplay::ExpandLinkName(const std::string& name) const {
    return ExpandLinkNameOnPosix(name, {currentFile_, document_->texts().base, serverRoot_});
}

std::string THtmlDisplay::ExpandedLinkTarget(const std::string& url) const {
    if (!url.empty() && url.front() == '#') {
        return currentFile_ + url;
    }
    const std::size_t hash = url.find('#');
    if (hash == std::string::npos) {
        return ExpandLinkName(url);
    }
    return ExpandLinkName(url.substr(0, hash)) + url.substr(hash);
}

bool THtmlDisplay::GoToAnchor(const std::string& name) {
    const std::string bare = !name.empty() && name.front() == '#' ? name.substr(1) : name;
    const AnchorLookup anchor = document_->findAnchor(ascii::UpperCased(bare));
    if (!anchor.found) {
        return false;
    }
    if (anchor.top) {
        ApplyVerticalPosition(*anchor.top);
    }
    SetHorizontal(0);
    MarkVisited(currentFile_ + "#" + bare);
    return true;
}

void THtmlDisplay::FollowLink() {
    bool handled = false;
    if (OnLinkClick) {
        OnLinkClick(hoverUrl_, handled);
    }
    if (handled) {
        return;
    }
    const std::string url = hoverUrl_;
    const Remembered old{currentFile_, texts_.title, ScrollPosition(), currentFileMode_,
                         pendingFormData_};
    if (!url.empty() && url.front() == '#') {
        if (GoToAnchor(url)) {
            AddHistory(old);
            MarkVisited(currentFile_ + url);
        }
        return;
    }
    const std::size_t hash = url.find('#');
    const std::string anchor = hash == std::string::npos ? std::string() : url.substr(hash);
    const std::string name = ExpandLinkName(url.substr(0, hash));
    const std::string extension = UpperExtension(name);
    if (IsPageExtension(extension)) {
        if (name != currentFile_) {
            LoadFile(name + anchor, FileMode::html, kLargestLinkedFile);
            MarkVisited(name + anchor);
        } else if (GoToAnchor(anchor)) {
            AddHistory(old);
            MarkVisited(name + anchor);
        }
    } else if (IsPictureExtension(extension)) {
        LoadFile(name, FileMode::picture, kLargestLinkedFile);
    }
}

void THtmlDisplay::MarkVisited(const std::string& text) {
    if (visitedMaxCount_ <= 0) {
        return;
    }
    if (!visited_.empty() && ascii::EqualsIgnoringCase(visited_.front(), text)) {
        return;
    }
    auto known = std::find_if(visited_.begin(), visited_.end(), [&](const std::string& entry) {
        return ascii::EqualsIgnoringCase(entry, text);
    });
    if (known != visited_.end()) {
        std::rotate(visited_.begin(), known, known + 1);
        return;
    }
    bool changed = false;
    for (int link = 0; link < document_->linkCount(); ++link) {
        if (!document_->linkVisited(link) &&
            ascii::EqualsIgnoringCase(ExpandedLinkTarget(document_->linkUrl(link)), text)) {
            document_->setLinkVisited(link, true);
            changed = true;
        }
    }
    visited_.insert(visited_.begin(), text);
    if (visited_.size() > static_cast<std::size_t>(visitedMaxCount_)) {
        visited_.resize(visitedMaxCount_);
    }
    if (changed) {
        host_.invalidate(std::nullopt);
    }
}

void THtmlDisplay::MarkVisitedLinks() {
    if (visited_.empty()) {
        return;
    }
    std::unordered_set<std::string> entries;
    for (const std::string& entry : visited_) {
        entries.insert(ascii::UpperCased(entry));
    }
    for (int link = 0; link < document_->linkCount(); ++link) {
        if (entries.count(ascii::UpperCased(ExpandedLinkTarget(document_->linkUrl(link)))) != 0) {
            document_->setLinkVisited(link, true);
        }
    }
}

void THtmlDisplay::AddHistory(const Remembered& old) {
    if (historyMaxCount_ < 1 || old.file.empty()) {
        return;
    }
    const std::int64_t position = ScrollPosition();
    if (old.file == currentFile_ && old.mode == currentFileMode_ &&
        old.scrollPosition == position) {
        return;
    }
    if (historyIndex_ > 0) {
        history_.erase(history_.begin(),
                       history_.begin() + std::min<std::size_t>(historyIndex_, history_.size()));
        historyIndex_ = 0;
    }
    HistoryEntry left{old.file, old.title, {old.scrollPosition, old.mode, old.formData}};
    if (history_.empty()) {
        history_.push_back(std::move(left));
    } else {
        history_.front() = std::move(left);
    }
    history_.insert(history_.begin(),
                    HistoryEntry{currentFile_, texts_.title, {position, currentFileMode_, {}}});
    if (history_.size() > static_cast<std::size_t>(historyMaxCount_)) {
        history_.resize(historyMaxCount_);
    }
    if (OnHistoryChange) {
        OnHistoryChange();
    }
}

void THtmlDisplay::ClearHistory() {
    const bool hadEntries = !history_.empty();
    history_.clear();
    historyIndex_ = 0;
    currentFile_.clear();
    if (hadEntries && OnHistoryChange) {
        OnHistoryChange();
    }
}

void THtmlDisplay::FormSubmitted(FormSubmission submission) {
    host_.post([this, submission = std::move(submission)] {
        if (OnFormSubmit) {
            OnFormSubmit(submission);
        }
    });
}

void THtmlDisplay::MakeControlVisible(int top) {
    const int height = PanelHeight();
    if (top >= verticalPosition_ && top <= verticalPosition_ + height - kControlMargin) {
        return;
    }
    ApplyVerticalPosition(top - height / 2);
}

void THtmlDisplay::MakeLinkVisible(int top) {
    const int height = PanelHeight();
    if (top < verticalPosition_) {
        ApplyVerticalPosition(top);
    } else if (top > verticalPosition_ + height - kLinkMargin) {
        ApplyVerticalPosition(top - height / 2);
    }
}

}  // namespace kelvor::engine
