#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/view/html_display.h"
#include "engine/view/view_document.h"
#include "engine/view/view_host.h"
#include "platform/fixed/recording_canvas.h"

namespace kelvor::testing {

// A document of lines, read from a small line language so that tests can say what a page
// holds and work out every position by hand:
//   plain line        text; its height is the font's cell height, each character em / 2 wide
//   @height N         an empty line N pixels high
//   @link URL TEXT    a line of TEXT that links to URL (one link per such line)
//   @picture [URL]    a 50 x 50 picture, a link when URL is given
//   @anchor NAME      a named position at the top of the next line
//   @meta EQUIV|NAME|CONTENT, @title T, @base B
// The font: em = size * 4 / 3 pixels (12 pt: 16), cell = em + em / 5 (19), as the fixed font
// services measure. Plain text is read line by line in the pre-formatted font.
class FakeDocument : public engine::ViewDocument {
  public:
    struct Line {
        std::u16string text;
        int height = 0;
        int linkId = -1;
        int top = 0;           // after layout
        int start = 0;         // first character position
        bool picture = false;  // a 50 x 50 picture
    };
    struct Link {
        std::string url;
        bool visited = false;
        int line = 0;
    };

    // Records.
    engine::ViewDefaults defaults;
    int clears = 0;
    std::string readKind;  // "html" or "text"
    std::string readSource;
    std::vector<int> layoutWidths;
    std::vector<platform::Rect> painted;
    int offsetX = 0;
    int offsetY = 0;
    int hoverLink = -1;
    int selectionStart = -1;
    int selectionEnd = -1;
    bool showImages = true;

    // Content.
    std::vector<Line> lines;
    std::vector<Link> links;
    std::map<std::string, int> anchors;  // upper-cased name -> line
    engine::DocumentTexts documentTexts;
    engine::TColour defaultBackground = 0;
    bool fixedBackground = false;
    int em = 16;
    // When set, layout answers this instead of the lines' sum (height and widest line).
    std::function<engine::ViewExtent(int width)> extentAt;
    int focusedLinkId = -1;
    int sourceOffset = 0;
    int documentCodePage = 0;

    void clear(const engine::ViewDefaults& newDefaults) override;
    void readHtml(const std::string& source, const engine::ReadHooks& hooks) override;
    void readPlainText(const std::string& source) override;
    engine::DocumentTexts texts() const override { return documentTexts; }
    engine::ViewExtent layout(int width, int height) override;
    void setOffset(int x, int y) override {
        offsetX = x;
        offsetY = y;
    }
    void paint(platform::Canvas& canvas, const platform::Rect& clip) override;
    engine::TColour background() const override { return defaultBackground; }
    void setDefaultBackground(engine::TColour colour) override { defaultBackground = colour; }
    bool backgroundFixed() const override { return fixedBackground; }
    void setShowImages(bool show) override { showImages = show; }
    engine::DocumentHit hitTest(int x, int y) override;
    bool setHoverLink(int linkId) override;
    int positionAt(int x, int y) override;
    char16_t characterAt(int position) const override;
    void setSelection(int start, int end) override {
        selectionStart = start;
        selectionEnd = end;
    }
    // The selection's text: the selected characters of each line, lines joined by CR LF; the
    // source of a character is its position plus `sourceOffset`.
    int selectedTextLength() const override;
    std::u16string selectedText(int capacity) const override;
    void copySelectedText(int capacity, platform::Clipboard& clipboard) const override;
    int sourcePosition(int position) const override;
    int positionAtSource(int sourcePosition) const override;
    int codePage() const override { return documentCodePage; }
    std::optional<engine::PositionedObject> objectAt(int y) const override;
    std::optional<int> objectTop(int index) const override;
    engine::AnchorLookup findAnchor(const std::string& upperName) const override;
    int linkCount() const override { return static_cast<int>(links.size()); }
    std::string linkUrl(int linkId) const override { return links.at(linkId).url; }
    bool linkVisited(int linkId) const override { return links.at(linkId).visited; }
    void setLinkVisited(int linkId, bool visited) override { links.at(linkId).visited = visited; }
    std::optional<engine::FocusedLink> moveLinkFocus(bool forward) override;
    std::optional<engine::FocusedLink> focusedLink() const override;

    // The line holding a document Y, or -1.
    int lineAt(int y) const;
    // The positions after the last line's.
    int characterCount() const;

  private:
    void addLine(std::u16string text, int height, int linkId = -1);
    int cell() const { return em + em / 5; }
};

// A window that records what the control asks of it. Posted calls wait until runPosted();
// paintPending() paints every rectangle asked for since the last call, as the window system
// would, and records them in `painted`.
class FakeHost : public engine::ViewHost {
  public:
    std::vector<std::optional<platform::Rect>> invalidated;
    std::vector<platform::Rect> painted;
    std::vector<int> scrolled;
    std::vector<engine::VerticalBar> verticalBars;
    std::vector<engine::HorizontalBar> horizontalBars;
    engine::ViewGeometry geometry;
    engine::TColour panelColour = 0;
    std::vector<engine::ViewCursor> cursors;
    std::map<engine::ViewTimer, int> running;  // timer -> interval
    std::vector<std::function<void()>> posted;
    engine::ViewPoint mouse;
    int wheelLines = 3;
    int focusRequests = 0;
    std::uint64_t now = 0;  // the clock's milliseconds

    void invalidate(std::optional<platform::Rect> rect) override { invalidated.push_back(rect); }
    void scrollContents(int dy) override { scrolled.push_back(dy); }
    void setVerticalBar(const engine::VerticalBar& bar) override { verticalBars.push_back(bar); }
    void setHorizontalBar(const engine::HorizontalBar& bar) override {
        horizontalBars.push_back(bar);
    }
    void setGeometry(const engine::ViewGeometry& newGeometry) override { geometry = newGeometry; }
    void setPanelColour(engine::TColour colour) override { panelColour = colour; }
    void setCursor(engine::ViewCursor cursor) override { cursors.push_back(cursor); }
    void startTimer(engine::ViewTimer timer, int milliseconds) override {
        running[timer] = milliseconds;
    }
    void stopTimer(engine::ViewTimer timer) override { running.erase(timer); }
    void post(std::function<void()> call) override { posted.push_back(std::move(call)); }
    engine::ViewPoint mousePosition() const override { return mouse; }
    int wheelScrollLines() const override { return wheelLines; }
    int verticalBarWidth() const override { return 16; }
    int horizontalBarHeight() const override { return 16; }
    void takeFocus() override { ++focusRequests; }
    std::uint64_t milliseconds() const override { return now; }

    bool timerRunning(engine::ViewTimer timer) const { return running.count(timer) != 0; }
    void runPosted();
    void paintPending(engine::THtmlDisplay& display);
    engine::ViewCursor cursor() const {
        return cursors.empty() ? engine::ViewCursor::arrow : cursors.back();
    }
};

}  // namespace kelvor::testing
