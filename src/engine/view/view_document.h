#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/document/pictures.h"
#include "engine/style/colours.h"
#include "engine/style/style_list.h"
#include "platform/canvas.h"
#include "platform/clipboard.h"

namespace kelvor::engine {

// What the control gives a document when it empties it for a new file (load step 5).
struct ViewDefaults {
    StyleDefaults style;
    TColour background = kSystemColourBase + 15;  // button face
    bool overLinksActive = false;
};

// Call-backs the reader makes while it reads a page.
struct ReadHooks {
    // For each META tag: its HTTP-EQUIV, NAME and CONTENT.
    std::function<void(const std::string& httpEquiv, const std::string& name,
                       const std::string& content)>
        meta;
    // For each LINK tag: REL, REV and HREF.
    std::function<void(const std::string& rel, const std::string& rev, const std::string& href)>
        link;
    // Reads a file the page refers to (a linked style sheet), by its expanded name; nothing
    // when it cannot or may not be read.
    std::function<std::optional<std::string>(const std::string& name)> readLinkedFile;
    // Turns a name as the page writes it into a full file name.
    std::function<std::string(const std::string& name)> expandName;
    // A form of the page was submitted: its action, target, encoding type, method and lines.
    std::function<void(const std::string& action, const std::string& target,
                       const std::string& encType, const std::string& method,
                       const std::vector<std::string>& results)>
        formSubmitted;
    // A form control took the keyboard focus: its top in the page, to be brought into view.
    std::function<void(int top)> controlFocused;
    // A file edit's browse button: the edit's text (UTF-8) in, the chosen file name out.
    std::function<void(std::string& fileName)> fileBrowse;
};

// What the reader found in the head of a page.
struct DocumentTexts {
    std::string title;
    std::string base;        // BASE HREF
    std::string baseTarget;  // BASE TARGET
};

// The laid-out size of a document.
struct ViewExtent {
    int height = 0;
    int width = 0;  // widest line
};

// What lies under a point of the document.
struct DocumentHit {
    int linkId = -1;  // the link, or -1
    std::string url;
    std::string target;
    bool overText = false;
    bool overImage = false;      // any picture
    bool overFormImage = false;  // a picture that is a form's submit button
    std::string hint;            // a title to show
};

// An object that a position can be kept against across layouts.
struct PositionedObject {
    int index = 0;
    int top = 0;
};

// A named position (ID or anchor name).
struct AnchorLookup {
    bool found = false;
    std::optional<int> top;  // set when the name belongs to an object with a place on the page
};

// A link holding the keyboard focus.
struct FocusedLink {
    int linkId = -1;
    std::string url;
    std::string target;
    int top = 0;
};

// What one step of a document's animated pictures changed.
struct AnimationStep {
    std::vector<platform::Rect> rects;  // client coordinates, at the offsets last set
    bool wholeView = false;             // a background changed: everything is painted again
    bool running = false;               // some picture goes on animating
};

// The document as the display control sees it: filled from a file's text, laid out at a width,
// painted, hit-tested and scrolled. The real document model stands behind it; tests use a
// fake with positions worked out by hand.
class ViewDocument {
  public:
    virtual ~ViewDocument() = default;

    // Empties the document and gives it the defaults of a new page.
    virtual void clear(const ViewDefaults& defaults) = 0;
    // Fills the (emptied) document from a page's HTML text or a plain text shown as
    // preformatted lines, and finishes it.
    virtual void readHtml(const std::string& source, const ReadHooks& hooks) = 0;
    virtual void readPlainText(const std::string& source) = 0;
    virtual DocumentTexts texts() const = 0;

    // Lays the document out for a client area of this width and height.
    virtual ViewExtent layout(int width, int height) = 0;
    // The scroll offsets in force for painting, hit testing and the document's own controls.
    virtual void setOffset(int x, int y) = 0;
    // Paints the part of the client area inside `clip` (client coordinates) at the offsets last
    // set: the background colour and picture first, then the document.
    virtual void paint(platform::Canvas& canvas, const platform::Rect& clip) = 0;
    // The page's background colour: the body's, or else the default.
    virtual TColour background() const = 0;
    // Changes the default background of the page shown.
    virtual void setDefaultBackground(TColour colour) = 0;
    // The background picture stays in place while the page scrolls.
    virtual bool backgroundFixed() const = 0;
    virtual void setShowImages(bool show) = 0;

    // What lies under a point in document coordinates.
    virtual DocumentHit hitTest(int x, int y) = 0;
    // The link whose text shows the hover colour (-1: none). True when the page looks different
    // now and must be painted again.
    virtual bool setHoverLink(int linkId) = 0;

    // Character positions of the laid-out text: the position under a point in document
    // coordinates (-1: none), the character at a position (0 beyond the text), and the
    // selection painted (start == end: none).
    virtual int positionAt(int x, int y) = 0;
    virtual char16_t characterAt(int position) const = 0;
    virtual void setSelection(int start, int end) = 0;

    // The text of the selection last set: how many characters a copy takes (a count that may
    // exceed the text, never fall short of it; 0 without a selection), the text itself cut to
    // `capacity` - 1 characters, and that text put on the clipboard (nothing without a
    // selection). Line ends are CR LF; paragraphs come apart by an empty line.
    virtual int selectedTextLength() const = 0;
    virtual std::u16string selectedText(int capacity) const = 0;
    virtual void copySelectedText(int capacity, platform::Clipboard& clipboard) const = 0;
    // The offset in the page's text that the character at a position came from (-1 beyond the
    // text), and back: the first position whose character came from there or later (the end
    // of the text when none did).
    virtual int sourcePosition(int position) const = 0;
    virtual int positionAtSource(int sourcePosition) const = 0;
    // The code page the page's text was read in.
    virtual int codePage() const = 0;

    // Positions that survive a new layout: the object holding a Y, and an object's top now.
    virtual std::optional<PositionedObject> objectAt(int y) const = 0;
    virtual std::optional<int> objectTop(int index) const = 0;
    // A named position, the name upper-cased.
    virtual AnchorLookup findAnchor(const std::string& upperName) const = 0;

    // The page's links, by id (0 .. linkCount - 1), and their visited state.
    virtual int linkCount() const = 0;
    virtual std::string linkUrl(int linkId) const = 0;
    virtual bool linkVisited(int linkId) const = 0;
    virtual void setLinkVisited(int linkId, bool visited) = 0;

    // Moves the keyboard focus to the next (or previous) link; nothing when there is none.
    virtual std::optional<FocusedLink> moveLinkFocus(bool forward) = 0;
    virtual std::optional<FocusedLink> focusedLink() const = 0;

    // Pictures. A document made without a picture source of its own takes the control's
    // (pictures read from files); one that has its own keeps it.
    virtual void offerPictures(PictureSource& /*pictures*/) {}
    // Switches on the animated pictures of the laid-out document; true when it has any, so
    // that the control runs its animation timer.
    virtual bool startAnimations(std::uint64_t /*nowMs*/) { return false; }
    // Steps the animated pictures with the clock.
    virtual AnimationStep stepAnimations(std::uint64_t /*nowMs*/) { return {}; }

    // A click at a point (document coordinates) on an image that is a form's submit button.
    virtual void clickFormImage(int /*x*/, int /*y*/) {}
};

}  // namespace kelvor::engine
