#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/document/flow_item.h"
#include "engine/document/pictures.h"

namespace kelvor::engine {

class TFormControlObj;
class TProperties;
struct TLinkTarget;

// How an object sits in its line: on the baseline (the default), with its top at the line's
// top, centred on the text, with its bottom on the line's bottom, or floating to one side.
enum class ObjectAlign { baseline, top, middle, bottom, left, right };

// ALIGN of an image or panel: "TOP", "MIDDLE"/"ABSMIDDLE", "BOTTOM", "LEFT", "RIGHT" (any case);
// anything else is the baseline.
ObjectAlign ObjectAlignFromText(std::string_view text);

// A WIDTH or HEIGHT attribute: pixels, or a percentage when the value had "%".
struct LengthAttribute {
    bool given = false;
    int value = 0;
    bool percent = false;
};

// An object placed in a section's text at a mark character (4): an image or a panel.
class TFloatingObj : public TIDObject {
  public:
    ~TFloatingObj() override = default;

    bool isFloating() const { return align == ObjectAlign::left || align == ObjectAlign::right; }
    int yPosition() const override { return drawY; }
    // The room the object takes: its size, border and spacing on both sides.
    int outerWidth() const { return width + 2 * border + 2 * hspace; }
    int outerHeight() const { return height + 2 * border + 2 * vspace; }

    int charIndex = 0;  // index of its mark in the section's text
    int sourcePosition = -1;
    ObjectAlign align = ObjectAlign::baseline;
    int hspace = 0;  // at most kMaxImageSpace
    int vspace = 0;
    int border = 0;  // at most kMaxImageBorder
    LengthAttribute specWidth;
    LengthAttribute specHeight;
    TLinkTarget* link = nullptr;
    std::string title;  // the hint over it (UTF-8)

    // After layout: the size of the object itself (without border and spacing) and where its
    // border box is drawn, in document coordinates.
    int width = 0;
    int height = 0;
    int drawX = 0;
    int drawY = 0;
};

// What the reader reads from an IMG tag, unconverted: ALT and TITLE in the code page of the
// properties given with them.
struct ImageAttributes {
    std::string src;
    std::optional<std::string> alt;
    std::optional<std::string> title;
    std::string align;
    std::optional<int> border;  // BORDER's numeric value (a bare BORDER is 1)
    LengthAttribute width;
    LengthAttribute height;
    std::optional<int> hspace;
    std::optional<int> vspace;
    bool ismap = false;
    std::string usemap;
    bool transp = false;
    std::string name;
    std::string id;
};

// An image in the flow.
class TImageObj : public TFloatingObj {
  public:
    // Takes the attributes as the image rules read them; `link` is the open link, if any.
    // The properties may float the image and give it a size.
    TImageObj(const ImageAttributes& attributes, const TProperties& properties, TLinkTarget* link,
              int sourcePosition);

    std::string src;  // trimmed
    std::string alt;  // UTF-8, trailing line ends removed
    bool ismap = false;
    std::string usemap;  // upper-cased, without a leading "#"
    bool transp = false;
    std::string name;
    std::string id;

    // The picture as the last layout found it.
    PictureAnswer::State pictureState = PictureAnswer::State::loading;
    std::shared_ptr<const TPicture> picture;
    bool requested = false;  // the picture has been asked for
    bool sizeFixed = false;  // a size without percentages is worked out once
    // An image that is a form's submit button: the control that hears its clicks.
    TFormControlObj* formControl = nullptr;
};

// A panel that the viewer's host supplies (OBJECT, PANEL): a box of the given size.
class TPanelObj : public TFloatingObj {
  public:
    TPanelObj(LengthAttribute width, LengthAttribute height, std::string_view align,
              int sourcePosition);
    std::string name;
};

}  // namespace kelvor::engine
