#pragma once

#include <string>

namespace kelvor::engine {

class TDocument;
class TImageObj;
class TFormControlObj;
struct TLinkTarget;

// Hit flags.
inline constexpr int kHitLink = 1;          // over a link
inline constexpr int kHitControlImage = 2;  // over a form control's image
inline constexpr int kHitTitle = 4;         // a title text to show as a hint

struct HitResult {
    int flags = 0;
    const TLinkTarget* link = nullptr;
    std::string url;  // the link's URL (with "?x,y" over an ISMAP image, or a map area's)
    std::string target;
    TFormControlObj* control = nullptr;
    std::string hint;  // UTF-8
    const TImageObj* image = nullptr;
};

// Collects what a hit test finds; items report to it.
class HitTester {
  public:
    explicit HitTester(TDocument& document) : document(document) {}
    TDocument& document;
    HitResult result;
};

// What lies at (x, y), in document coordinates. Records the link and the image under the mouse
// in the document. Where nothing else gives a hint, the body's title is the hint.
HitResult HitTest(TDocument& document, int x, int y);

}  // namespace kelvor::engine
