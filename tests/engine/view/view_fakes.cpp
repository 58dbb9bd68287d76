#include "engine/view/view_fakes.h"

#include <algorithm>
#include <sstream>

namespace kelvor::testing {

namespace {

std::u16string Wide(const std::string& text) {
    std::u16string wide;
    for (char c : text) {
        wide += static_cast<char16_t>(static_cast<unsigned char>(c));
    }
    return wide;
}

}  // namespace

void FakeDocument::clear(const engine::ViewDefaults& newDefaults) {
    ++clears;
    defaults = newDefaults;
    defaultBackground = newDefaults.background;
    lines.clear();
    links.clear();
    anchors.clear();
    documentTexts = {};
    readKind.clear();
    readSource.clear();
    hoverLink = -1;
    focusedLinkId = -1;
    selectionStart = selectionEnd = -1;
    em = static_cast<int>(newDefaults.style.fontSize) * 4 / 3;
}

void FakeDocument::addLine(std::u16string text, int height, int linkId) {
    Line line;
    line.start =
        lines.empty() ? 0 : lines.back().start + static_cast<int>(lines.back().text.size());
    line.text = std::move(text);
    line.height = height;
    line.linkId = linkId;
    lines.push_back(std::move(line));
}

void FakeDocument::readHtml(const std::string& source, const engine::ReadHooks& hooks) {
    readKind = "html";
    readSource = source;
    std::istringstream in(source);
    std::string text;
    while (std::getline(in, text)) {
        if (text.rfind("@height ", 0) == 0) {
            addLine(u"", std::stoi(text.substr(8)));
        } else if (text.rfind("@link ", 0) == 0) {
            const std::size_t blank = text.find(' ', 6);
            links.push_back({text.substr(6, blank - 6), false, static_cast<int>(lines.size())});
            addLine(Wide(blank == std::string::npos ? "" : text.substr(blank + 1)), cell(),
                    static_cast<int>(links.size()) - 1);
        } else if (text.rfind("@picture", 0) == 0) {
            int linkId = -1;
            if (text.size() > 9) {
                links.push_back({text.substr(9), false, static_cast<int>(lines.size())});
                linkId = static_cast<int>(links.size()) - 1;
            }
            addLine(u"\4", 50, linkId);
            lines.back().picture = true;
        } else if (text.rfind("@anchor ", 0) == 0) {
            std::string name = text.substr(8);
            std::transform(name.begin(), name.end(), name.begin(), ::toupper);
            anchors[name] = static_cast<int>(lines.size());
        } else if (text.rfind("@meta ", 0) == 0) {
            const std::string rest = text.substr(6);
            const std::size_t first = rest.find('|');
            const std::size_t second = rest.find('|', first + 1);
            if (hooks.meta) {
                hooks.meta(rest.substr(0, first), rest.substr(first + 1, second - first - 1),
                           rest.substr(second + 1));
            }
        } else if (text.rfind("@title ", 0) == 0) {
            documentTexts.title = text.substr(7);
        } else if (text.rfind("@base ", 0) == 0) {
            documentTexts.base = text.substr(6);
        } else {
            addLine(Wide(text), cell());
        }
    }
}

void FakeDocument::readPlainText(const std::string& source) {
    readKind = "text";
    readSource = source;
    std::istringstream in(source);
    std::string text;
    while (std::getline(in, text)) {
        addLine(Wide(text), cell());
    }
}

engine::ViewExtent FakeDocument::layout(int width, int) {
    layoutWidths.push_back(width);
    int y = 0;
    int widest = 0;
    for (Line& line : lines) {
        line.top = y;
        y += line.height;
        widest = std::max(widest, static_cast<int>(line.text.size()) * (em / 2));
    }
    if (extentAt) {
        return extentAt(width);
    }
    return {y, widest};
}

void FakeDocument::paint(platform::Canvas&, const platform::Rect& clip) {
    painted.push_back(clip);
}

int FakeDocument::lineAt(int y) const {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (y >= lines[i].top && y < lines[i].top + lines[i].height) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

engine::DocumentHit FakeDocument::hitTest(int x, int y) {
    engine::DocumentHit hit;
    const int index = lineAt(y);
    if (index < 0) {
        return hit;
    }
    const Line& line = lines[index];
    const int width = line.picture ? 50 : static_cast<int>(line.text.size()) * (em / 2);
    if (x < 0 || x >= width) {
        return hit;
    }
    hit.overText = !line.picture;
    hit.overImage = line.picture;
    if (line.linkId >= 0) {
        hit.linkId = line.linkId;
        hit.url = links[line.linkId].url;
    }
    return hit;
}

bool FakeDocument::setHoverLink(int linkId) {
    hoverLink = linkId;
    return true;
}

int FakeDocument::positionAt(int x, int y) {
    const int index = lineAt(y);
    if (index < 0) {
        return -1;
    }
    const Line& line = lines[index];
    const int column = std::clamp(x / (em / 2), 0, static_cast<int>(line.text.size()));
    return line.start + column;
}

char16_t FakeDocument::characterAt(int position) const {
    for (const Line& line : lines) {
        if (position >= line.start && position < line.start + static_cast<int>(line.text.size())) {
            return line.text[position - line.start];
        }
    }
    return 0;
}

int FakeDocument::characterCount() const {
    return lines.empty() ? 0 : lines.back().start + static_cast<int>(lines.back().text.size());
}

namespace {

// The selected characters of each line, and CR LF after each line the selection runs past.
std::u16string SelectedLines(const std::vector<FakeDocument::Line>& lines, int start, int end) {
    std::u16string text;
    if (start < 0 || start >= end) {
        return text;
    }
    for (const FakeDocument::Line& line : lines) {
        const int size = static_cast<int>(line.text.size());
        const int from = std::clamp(start - line.start, 0, size);
        const int to = std::clamp(end - line.start, 0, size);
        text +=
            line.text.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
        if (end > line.start + size && start < line.start + size) {
            text += u"\r\n";
        }
    }
    return text;
}

}  // namespace

int FakeDocument::selectedTextLength() const {
    return static_cast<int>(SelectedLines(lines, selectionStart, selectionEnd).size());
}

std::u16string FakeDocument::selectedText(int capacity) const {
    const std::u16string text = SelectedLines(lines, selectionStart, selectionEnd);
    return text.substr(0, static_cast<std::size_t>(std::max(0, capacity - 1)));
}

void FakeDocument::copySelectedText(int capacity, platform::Clipboard& clipboard) const {
    if (selectionStart >= 0 && selectionStart < selectionEnd) {
        clipboard.setText(selectedText(capacity));
    }
}

int FakeDocument::sourcePosition(int position) const {
    return position >= 0 && position < characterCount() ? position + sourceOffset : -1;
}

int FakeDocument::positionAtSource(int sourcePosition) const {
    return std::clamp(sourcePosition - sourceOffset, 0, characterCount());
}

std::optional<engine::PositionedObject> FakeDocument::objectAt(int y) const {
    const int index = lineAt(y);
    if (index < 0) {
        return std::nullopt;
    }
    return engine::PositionedObject{index, lines[index].top};
}

std::optional<int> FakeDocument::objectTop(int index) const {
    if (index < 0 || index >= static_cast<int>(lines.size())) {
        return std::nullopt;
    }
    return lines[index].top;
}

engine::AnchorLookup FakeDocument::findAnchor(const std::string& upperName) const {
    auto it = anchors.find(upperName);
    if (it == anchors.end()) {
        return {};
    }
    engine::AnchorLookup lookup;
    lookup.found = true;
    if (it->second < static_cast<int>(lines.size())) {
        lookup.top = lines[it->second].top;
    }
    return lookup;
}

std::optional<engine::FocusedLink> FakeDocument::moveLinkFocus(bool forward) {
    const int next = focusedLinkId + (forward ? 1 : -1);
    if (links.empty() || next < 0 || next >= static_cast<int>(links.size())) {
        return std::nullopt;
    }
    focusedLinkId = next;
    return focusedLink();
}

std::optional<engine::FocusedLink> FakeDocument::focusedLink() const {
    if (focusedLinkId < 0) {
        return std::nullopt;
    }
    const Link& link = links[focusedLinkId];
    return engine::FocusedLink{focusedLinkId, link.url, "", lines[link.line].top};
}

void FakeHost::runPosted() {
    while (!posted.empty()) {
        std::vector<std::function<void()>> calls;
        calls.swap(posted);
        for (auto& call : calls) {
            call();
        }
    }
}

void FakeHost::paintPending(engine::THtmlDisplay& display) {
    platform::fixed::RecordingCanvas canvas;
    std::vector<std::optional<platform::Rect>> pending;
    pending.swap(invalidated);
    for (const auto& rect : pending) {
        const platform::Rect area =
            rect ? *rect : platform::Rect{0, 0, display.PanelWidth(), display.PanelHeight()};
        painted.push_back(area);
        display.Paint(canvas, area);
    }
}

}  // namespace kelvor::testing
