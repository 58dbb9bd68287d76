#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/pictures/file_pictures.h"
#include "engine/style/colours.h"
#include "engine/view/view_document.h"
#include "engine/view/view_host.h"
#include "platform/canvas.h"
#include "platform/clipboard.h"
#include "platform/file_system.h"
#include "platform/printer.h"

namespace kelvor::engine {

class TDocPrinter;

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum class TDisplayBorderStyle { dbFocused, dbNone, dbSingle };

// Display options, bit 0 first.
enum TDisplayOption : unsigned {
    doOverLinksActive = 1u << 0,
    doNoLinkUnderline = 1u << 1,
    doPrintTableBackground = 1u << 2,
    doPrintBackground = 1u << 3,
    doPrintMonochromeBlack = 1u << 4,
    doShowDummyCaret = 1u << 5,
    doShowVScroll = 1u << 6,
    doNoWheelMouse = 1u << 7,
    doNoLinkHilite = 1u << 8,
};
using THtmlDisplayOptions = unsigned;

// What a file is shown as.
enum class FileMode { html = 0, plainText = 1, picture = 2 };

enum class MouseButton { left, right, middle };

// Modifier keys held during an input event.
struct ShiftState {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool any() const { return shift || ctrl || alt; }
};

enum class DisplayKey { pageUp, pageDown, end, home, up, down, left, right, tab, enter, other };

// The vertical scroll bar's requests.
enum class ScrollCode {
    lineUp,
    lineDown,
    pageUp,
    pageDown,
    thumbPosition,
    thumbTrack,
    top,
    bottom,
    endScroll
};

// Stages reported through OnProgress.
enum class TProgressStage { psStarting = 0, psFormatting = 1, psEnding = 2 };

// What the history keeps of a page besides its name and title.
struct THistoryPosition {
    std::int64_t scrollPosition = 0;
    FileMode fileMode = FileMode::html;
    std::vector<std::string> formData;
};

struct HistoryEntry {
    std::string file;
    std::string title;
    THistoryPosition position;
};

// A form the document reports as submitted.
struct FormSubmission {
    std::string action;
    std::string target;
    std::string encType;
    std::string method;
    std::vector<std::string> results;
};

// What OnRightClick tells.
struct RightClickParameters {
    bool overImage = false;
    int imageX = 0;
    int imageY = 0;
    std::string url;
    std::string target;
    int position = -1;  // the character position under the mouse
};

// The display control without its window: it shows one document at a time (an HTML file, a
// plain text file as preformatted lines, or a picture), lays it out for its width, scrolls it,
// follows the mouse over links, selects text and follows links between local files. It reaches
// the window system through a ViewHost and the document through a ViewDocument.
class THtmlDisplay {
  public:
    // Neither host, document nor files are owned except the document.
    THtmlDisplay(ViewHost& host, std::unique_ptr<ViewDocument> document,
                 const platform::FileSystem& files);
    virtual ~THtmlDisplay();
    THtmlDisplay(const THtmlDisplay&) = delete;
    THtmlDisplay& operator=(const THtmlDisplay&) = delete;

    // --- Loading ---
    // Ignored while busy or for an empty path; the path may end in "#" and an anchor. Raise
    // MissingFileError (the shown document stays) or UnreadableFileError.
    void LoadHtmlFile(const std::string& path);
    void LoadPlainTextFile(const std::string& path);
    void LoadPictureFile(const std::string& path);
    virtual void ClearDocument();
    void ReloadDocument();

    // --- Positions ---
    // (object index + 1) * 65536 + pixels below the object's top, or plain pixels.
    std::int64_t ScrollPosition() const;
    void SetScrollPosition(std::int64_t position);
    int VerticalPosition() const { return verticalPosition_; }
    void SetVerticalPosition(int position);
    int HorizontalPosition() const { return horizontalPosition_; }
    bool GoToAnchor(const std::string& name);
    virtual std::string ExpandLinkName(const std::string& name) const;

    // --- The window's events ---
    void SetSize(int width, int height);
    void Paint(platform::Canvas& canvas, const platform::Rect& clip);
    void VerticalScroll(ScrollCode code, int trackPosition = 0);
    void HorizontalScroll(int position);
    // False when the control does not use the key (Tab past the last link, say).
    bool KeyDown(DisplayKey key, ShiftState shift);
    // `delta` in the system's units (120 per notch), positive away from the user.
    void MouseWheel(int delta, ShiftState shift);
    virtual void MouseDown(MouseButton button, ShiftState shift, int x, int y);
    virtual void MouseMove(ShiftState shift, int x, int y);
    virtual void MouseUp(MouseButton button, ShiftState shift, int x, int y);
    void DoubleClick(ShiftState shift, int x, int y);
    void TimerTick(ViewTimer timer);
    void FocusChanged(bool focused);
    bool Focused() const { return focused_; }

    // --- Published properties ---
    const std::string& DefFontName() const { return defFontName_; }
    void SetDefFontName(const std::string& name) { defFontName_ = name; }
    const std::string& DefPreFontName() const { return defPreFontName_; }
    void SetDefPreFontName(const std::string& name);
    int DefFontSize() const { return defFontSize_; }
    void SetDefFontSize(int points) { defFontSize_ = points; }
    TColour DefFontColor() const { return defFontColor_; }
    void SetDefFontColor(TColour colour) { defFontColor_ = colour; }
    TColour DefBackground() const { return defBackground_; }
    void SetDefBackground(TColour colour);
    TColour DefLinkColor() const { return defLinkColor_; }
    void SetDefLinkColor(TColour colour) { defLinkColor_ = colour; }
    TColour DefVisitedLinkColor() const { return defVisitedLinkColor_; }
    void SetDefVisitedLinkColor(TColour colour) { defVisitedLinkColor_ = colour; }
    TColour DefOverLinkColor() const { return defOverLinkColor_; }
    void SetDefOverLinkColor(TColour colour) { defOverLinkColor_ = colour; }
    int HistoryMaxCount() const { return historyMaxCount_; }
    void SetHistoryMaxCount(int count);
    int VisitedMaxCount() const { return visitedMaxCount_; }
    void SetVisitedMaxCount(int count);
    int ImageCacheCount() const { return imageCacheCount_; }
    void SetImageCacheCount(int count);
    bool ViewImages() const { return viewImages_; }
    void SetViewImages(bool view);
    bool NoSelect() const { return noSelect_; }
    void SetNoSelect(bool noSelect);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle style);
    TDisplayBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TDisplayBorderStyle style);
    int CharSet() const { return charSet_; }
    void SetCharSet(int charset) { charSet_ = charset; }
    int MarginHeight() const { return marginHeight_; }
    void SetMarginHeight(int pixels) { marginHeight_ = pixels; }
    int MarginWidth() const { return marginWidth_; }
    void SetMarginWidth(int pixels) { marginWidth_ = pixels; }
    const std::string& ServerRoot() const { return serverRoot_; }
    void SetServerRoot(const std::string& root);
    double PrintMarginLeft = 2.0;
    double PrintMarginRight = 2.0;
    double PrintMarginTop = 2.0;
    double PrintMarginBottom = 2.0;
    double PrintScale() const { return printScale_; }
    void SetPrintScale(double scale);
    THtmlDisplayOptions DisplayOptions() const { return options_; }
    void SetDisplayOptions(THtmlDisplayOptions options);
    ViewCursor Cursor() const { return cursor_; }
    void SetCursor(ViewCursor cursor) { cursor_ = cursor; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // --- Document state ---
    const std::string& CurrentFile() const { return currentFile_; }
    FileMode CurrentFileMode() const { return currentFileMode_; }
    const std::string& DocumentSource() const { return documentSource_; }
    const std::string& DocumentTitle() const { return texts_.title; }
    const std::string& Base() const { return texts_.base; }
    const std::string& BaseTarget() const { return texts_.baseTarget; }
    int DocumentHeight() const { return documentHeight_; }
    int DocumentWidth() const { return documentWidth_; }
    const std::string& HoverURL() const { return hoverUrl_; }
    const std::string& HoverTarget() const { return hoverTarget_; }
    bool Busy() const { return busy_; }
    int SelStart() const { return selStart_; }
    int SelEnd() const { return selEnd_; }
    int CaretPos() const { return caretPos_; }
    const std::vector<std::string>& Visited() const { return visited_; }
    const std::vector<HistoryEntry>& History() const { return history_; }
    int HistoryIndex() const { return historyIndex_; }
    int MetaRefreshDelay() const { return refreshDelay_; }
    const std::string& MetaRefreshURL() const { return refreshUrl_; }
    bool PanMode() const { return panMode_; }
    bool AutoScrolling() const { return autoScrolling_; }
    const ViewGeometry& Geometry() const { return geometry_; }
    // The panel's size now.
    int PanelWidth() const { return geometry_.panel.width(); }
    int PanelHeight() const { return geometry_.panel.height(); }
    ViewDocument& Document() { return *document_; }
    // The pictures read from files for documents without a picture source of their own, with
    // the image cache (ImageCacheCount pictures).
    FilePictureSource& PictureFiles() { return pictureFiles_; }

    // Puts the selection on the clipboard given (display_copy.cpp): its plain text and the
    // same stretch of the page's own HTML as an "HTML Format" block. Without a selection, or
    // without a clipboard, the clipboard is not touched.
    void CopySelection();
    // The clipboard copies go to; none (the default) copies nothing. Not owned.
    void SetClipboard(platform::Clipboard* clipboard) { clipboard_ = clipboard; }
    // The selection's text; empty without one.
    std::u16string SelText() const;
    // The text shown from the page's text between two offsets in it (a link's, say); empty
    // when either is negative or the first is not before the second.
    std::u16string TextBetween(int sourceStart, int sourceEnd);

    // Prints pages of the shown document through the hook below; ignored while busy.
    void PrintRange(int firstPage, int lastPage);
    // Printing is done elsewhere: it is handed the page range.
    std::function<void(int firstPage, int lastPage)> PrintRangeHook;

    // --- Printing (engine/print/) ---
    // The printer the user chose (not owned); printing without one fails with the printer
    // error "Printer selected is not valid".
    void SetPrinterDevice(platform::Printer* printer) { printerDevice_ = printer; }
    platform::Printer* PrinterDevice() const { return printerDevice_; }
    // A printer object of the caller's, whose job may already run (a print then starts a new
    // page); none: each print makes its own.
    TDocPrinter* DocPrinter = nullptr;
    // After a print: the number of the last page reached.
    int PrintPageCount() const { return printPageCounter_; }
    std::function<void(platform::Canvas& canvas, int page, int width, int height, bool& stop)>
        OnPrintHeader;
    std::function<void(platform::Canvas& canvas, int page, int width, int height, bool& stop)>
        OnPrintFooter;
    std::function<void(THtmlDisplay& viewer, int page, bool lastPage, int& xl, int& xr, bool& stop)>
        OnPrintHTMLHeader;
    std::function<void(THtmlDisplay& viewer, int page, bool lastPage, int& xl, int& xr, bool& stop)>
        OnPrintHTMLFooter;
    // Page progress: before the first page with 0, after each page with its number.
    std::function<void(int page, bool& stop)> OnPageProgress;
    // Lets the window run between pages.
    std::function<void()> ProcessMessages;

    // The document reports a submitted form; OnFormSubmit hears of it once the form's own
    // handling has returned.
    void FormSubmitted(FormSubmission submission);

    // Marks a text (a file name, with "#" and an anchor when it has one) visited.
    void MarkVisited(const std::string& text);
    // The document asks for a link or form control to be brought into view.
    void MakeLinkVisible(int top);
    void MakeControlVisible(int top);

    // --- Events ---
    std::function<void(const std::string& src, bool& handled)> OnLinkClick;
    std::function<void(const std::string& src)> OnLinkCovered;
    std::function<void(bool processingOn)> OnProcessing;
    std::function<void(TProgressStage stage, int percentDone)> OnProgress;
    std::function<void(std::string& source)> OnParseBegin;
    std::function<void()> OnParseEnd;
    std::function<void()> OnHistoryChange;
    std::function<void(int delay, const std::string& url)> OnMetaRefresh;
    std::function<void(const std::string& httpEquiv, const std::string& name,
                       const std::string& content)>
        OnMeta;
    std::function<void(const std::string& rel, const std::string& rev, const std::string& href)>
        OnLink;
    std::function<void(MouseButton button, ShiftState shift, int x, int y)> OnImageClick;
    std::function<void(ShiftState shift, int x, int y)> OnImageOver;
    std::function<void(const RightClickParameters& parameters)> OnRightClick;
    std::function<void(MouseButton button, ShiftState shift, int x, int y)> OnMouseDouble;
    std::function<void(const FormSubmission& submission)> OnFormSubmit;
    // A file edit's browse button: the edit's text (UTF-8) in, the file name to put there out.
    std::function<void(std::string& fileName)> OnFileBrowse;
    // Returns true when it handled the wheel itself.
    std::function<bool(int delta, ShiftState shift)> OnMouseWheel;

    static constexpr int kSmallChange = 16;
    static constexpr int kHorizontalSmallChange = 15;

  protected:
    // The part common to the three loads; files larger than `limit` are not read.
    virtual void LoadFile(const std::string& path, FileMode mode, std::uint64_t limit);
    // Extends the selection from the caret to the character under a panel point.
    virtual void ExtendSelection(int x, int y);

  private:
    struct Remembered {
        std::string file;
        std::string title;
        std::int64_t scrollPosition = 0;
        FileMode mode = FileMode::html;
        std::vector<std::string> formData;
    };

    // Loading (display_load.cpp).
    ViewDefaults Defaults() const;
    void SetBusy(bool busy);
    void ReadMeta(const std::string& httpEquiv, const std::string& name,
                  const std::string& content);
    ReadHooks Hooks();

    // History and visited links (display_history.cpp).
    void AddHistory(const Remembered& old);
    void ClearHistory();
    std::string ExpandedLinkTarget(const std::string& url) const;
    void MarkVisitedLinks();

    // Layout and scrolling (display_layout.cpp).
    void LayOut();
    ViewExtent LayOutAt(int width);
    // Decides the bars and places the panel; `hideAll` for a blank page.
    void PlaceBars(bool hideAll = false);
    void ApplyVerticalPosition(int position, bool force = false);
    int ClampedVertical(int position) const;
    int LargeChange() const { return std::max(1, PanelHeight() - kSmallChange); }
    void SetHorizontal(int position);
    int AvailableWidth() const;
    int AvailableHeight() const;
    void ReLayoutKeepingPosition();
    // Runs the animation timer while the document shown has animated pictures.
    void StartAnimations();
    void StopAnimations();
    void AnimationTick();

    // Mouse (display_mouse.cpp).
    void StartAutoScroll();
    void AutoScrollStep();
    bool AutoScrollGoesOn() const;
    void EndPanMode();
    void SetHover(const std::string& url, const std::string& target);
    void FollowLink();
    void SetSelection(int start, int end);
    bool IsWordCharacter(char16_t c) const;

    // Printing (engine/print/print_range.cpp).
    platform::Printer* printerDevice_ = nullptr;
    int printPageCounter_ = 0;
    void PrintPages(int firstPage, int lastPage);

    ViewHost& host_;
    std::unique_ptr<ViewDocument> document_;
    const platform::FileSystem& files_;
    platform::Clipboard* clipboard_ = nullptr;

    // Properties.
    std::string defFontName_ = "Times New Roman";
    std::string defPreFontName_ = "Courier New";
    int defFontSize_ = 12;
    TColour defFontColor_ = kSystemColourBase + 18;   // button text
    TColour defBackground_ = kSystemColourBase + 15;  // button face
    TColour defLinkColor_ = 0xFF0000;
    TColour defVisitedLinkColor_ = 0x800080;
    TColour defOverLinkColor_ = 0xFF0000;
    int historyMaxCount_ = 0;
    int visitedMaxCount_ = 50;
    int imageCacheCount_ = 5;
    bool viewImages_ = true;
    bool noSelect_ = false;
    TScrollStyle scrollBars_ = TScrollStyle::ssBoth;
    TDisplayBorderStyle borderStyle_ = TDisplayBorderStyle::dbFocused;
    int charSet_ = 1;
    int marginHeight_ = 5;
    int marginWidth_ = 10;
    std::string serverRoot_;
    double printScale_ = 1.0;
    THtmlDisplayOptions options_ = doPrintTableBackground | doPrintMonochromeBlack;
    ViewCursor cursor_ = ViewCursor::iBeam;
    int width_ = 150;
    int height_ = 150;

    // Document state.
    std::string currentFile_;
    FileMode currentFileMode_ = FileMode::html;
    std::string documentSource_;
    DocumentTexts texts_;
    int documentHeight_ = 0;
    int documentWidth_ = 0;
    std::string hoverUrl_;
    std::string hoverTarget_;
    int selStart_ = -1;
    int selEnd_ = -1;
    int caretPos_ = 0;
    int mouseDownPos_ = -1;
    bool busy_ = false;
    bool layingOut_ = false;
    bool painting_ = false;
    int refreshDelay_ = 0;
    std::string refreshUrl_;
    std::vector<std::string> pendingFormData_;

    // Input state.
    bool focused_ = false;
    bool panMode_ = false;
    int panStartY_ = 0;
    bool autoScrolling_ = false;
    bool autoScrollPosted_ = false;
    bool leftButtonDown_ = false;
    bool leftDownHere_ = false;
    bool selecting_ = false;
    bool linkTimerRunning_ = false;
    int hoverLinkId_ = -1;
    ViewCursor shownCursor_ = ViewCursor::arrow;

    // Scrolling state.
    int verticalPosition_ = 0;
    int horizontalPosition_ = 0;
    ViewGeometry geometry_;
    VerticalBar vbar_;
    HorizontalBar hbar_;
    bool vbarSent_ = false;

    // History and visited list.
    std::vector<HistoryEntry> history_;
    int historyIndex_ = 0;
    std::vector<std::string> visited_;

    // Pictures (display_pictures.cpp).
    FilePictureSource pictureFiles_{
        files_, [this](const std::string& name) { return ExpandLinkName(name); }};
    bool animationRunning_ = false;
};

}  // namespace kelvor::engine
