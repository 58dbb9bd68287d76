#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/document/floating_objects.h"
#include "engine/document/flow_item.h"
#include "engine/document/font_run.h"
#include "engine/document/form_control.h"
#include "engine/document/text_marks.h"
#include "engine/document/text_piece.h"
#include "engine/style/properties.h"

namespace kelvor::engine {

// Which floats a CLEAR moves below.
enum class ClearSide { none, left, right, both };
// A CLEAR or clear value: "left", "right", "all" or "both" (any case).
ClearSide ClearSideFromText(std::string_view text);

// A text-indent: pixels, or a percentage of the section's width.
struct FirstLineIndent {
    int value = 0;
    bool percent = false;
};

// An inline box with a border (a SPAN with a border, say) over characters [start, end).
struct TInlineBox {
    int id = 0;
    int start = 0;
    int end = -1;  // -1 while the box is open
    BoxValues box;
};

// One laid-out line of a section.
struct LineRec {
    int start = 0;  // index of its first character
    int count = 0;
    int textHeight = 0;  // largest cell height of its fonts
    int descent = 0;     // largest descent
    int spaceBefore = 0;
    int spaceAfter = 0;
    int indent = 0;      // from the section's left edge
    int extra = 0;       // justification: pixels spread over
    int spaceCount = 0;  // ... this many inner spaces
    int y = 0;           // top
    int drawWidth = 0;   // width of what is drawn (trailing blanks and BR marks left out)
    bool softHyphen = false;
    int height() const { return spaceBefore + textHeight + spaceAfter; }
    int baseline() const { return y + spaceBefore + textHeight - descent; }
};

// An inline run of text with its fonts, images, panels and form controls, which breaks into
// lines. Built by the reader through the operations below; closed when it is added to its cell
// (TFlowCell::addSection), which applies the closing rules.
class TSection : public TFlowItem {
  public:
    // The section takes its alignment, first-line indent and line height from `properties`,
    // and its first font run.
    TSection(TDocument& document, const TProperties& properties);
    ~TSection() override;

    // Building. `properties` is the top of the reader's property stack.
    // Appends a text token: its characters with their source positions (one per character;
    // missing positions repeat the last). text-transform and small-caps apply here.
    void addText(std::u16string_view text, std::span<const int> positions,
                 const TProperties& properties, bool noBreak);
    void addChar(char16_t c, int position, const TProperties& properties, bool noBreak);
    // A BR mark (character 8).
    void addBreakMark(int position);
    // A WBR: a line may end after the last character.
    void addOptionalBreak();
    // Objects placed at a mark in the text; the section owns them.
    // Inside NOBR (`noBreak`) no line ends after the mark.
    TFloatingObj& addObject(std::unique_ptr<TFloatingObj> object, bool noBreak = false);
    // A form control: visible ones get a mark (2) in the text.
    TFormControlObj& addFormControl(std::unique_ptr<TFormControlObj> control, int position,
                                    bool noBreak = false);
    // The font of the text that follows: the top properties after a push or pop. Inside a link
    // (properties in link mode while the document has an open link) the run belongs to it.
    void changeFont(const TProperties& properties);
    void setClear(ClearSide side) { clear = side; }
    // Closing rules; called by TFlowCell::addSection. Closing twice does nothing.
    virtual void close();
    bool isClosed() const { return closed_; }

    bool isEmpty() const override { return text.empty(); }
    virtual bool isPreformatted() const { return false; }

    int layout(LayoutContext& context, int x, int availableWidth, int availableHeight,
               TIndentMap& map, int y, int& neededWidth) override;
    WidthRange widthRange(LayoutContext& context) override;
    void paint(PaintContext& context) const override;
    bool hitTest(HitTester& tester, int x, int y) const override;

    // Inline boxes (kept by the document, which starts and ends them; see
    // TDocument::startInlineBorder).
    void beginInlineBox(int id, const BoxValues& box);
    void endInlineBox(int id);

    // Content: per character its source position and break class.
    std::u16string text;
    std::vector<int> positions;
    std::string breaks;
    std::vector<TFontRun> runs;  // at least one; ordered by start
    std::vector<std::unique_ptr<TFloatingObj>> objects;
    std::vector<std::unique_ptr<TFormControlObj>> controls;
    std::vector<TInlineBox> inlineBoxes;

    TextAlignment align = TextAlignment::left;
    FirstLineIndent firstIndent;
    int lineHeight = 0;  // pixels; 0 for "normal"
    ClearSide clear = ClearSide::none;
    bool wrap = true;     // false: lines break only at BR marks
    bool hidden = false;  // visibility: hidden
    bool anchor = false;  // holds an A NAME

    // After layout.
    std::vector<LineRec> lines;
    int sectionX = 0;      // the left edge that line indents count from
    int sectionWidth = 0;  // the width it was laid out in
    // Measured once (layout/text_measure.cpp) and kept.
    std::vector<TextPiece> pieces;
    bool measured = false;
    std::optional<WidthRange> widths;

  protected:
    // Removes the marked characters and moves every index (runs, objects, controls, boxes).
    void removeCharacters(const std::vector<char>& remove);
    void appendFinalSpace();
    bool closed_ = false;

  private:
    void append(char16_t c, int position, char breakClass);
    void addTransformed(std::u16string_view text, std::span<const int> positions,
                        const TProperties& properties, bool noBreak);
    int nextPosition() const;
};

// Preformatted text: lines are not wrapped (unless the PRE had WRAP) and its closing keeps
// every character.
class TPreformatted : public TSection {
  public:
    TPreformatted(TDocument& document, const TProperties& properties);
    void close() override;
    bool isPreformatted() const override { return true; }
    // An empty preformatted section still is a line.
    bool isEmpty() const override { return false; }
};

}  // namespace kelvor::engine
