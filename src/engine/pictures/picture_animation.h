#pragma once

#include <cstdint>
#include <set>
#include <vector>

#include "platform/graphics_types.h"

namespace kelvor::engine {

class DecodedPicture;
class TDocument;
class TFlowCell;
class TImageObj;
class TPicture;

// The animated pictures a laid-out document shows, stepped by the control's timer. Each
// picture is stepped once per tick however often the page shows it; what changed is repainted
// where the page's images show it. A picture that also shows as a background or a list marker
// changes more than its images' rectangles, so the whole view is repainted.
class PictureAnimation {
  public:
    // What one tick changed, in document coordinates.
    struct Step {
        std::vector<platform::Rect> rects;
        bool wholeView = false;
        bool running = false;  // some picture is still animating
    };

    // Finds the animated pictures of a laid-out document (its page background included); call
    // after every layout, since images move and pictures arrive with it.
    void collect(const TDocument& document, const TPicture* pageBackground);
    void clear();
    bool empty() const { return pictures_.empty(); }

    // Switches animation on for the pictures that are not animating yet.
    void start(std::uint64_t nowMs);
    // Steps every picture with the clock.
    Step step(std::uint64_t nowMs);

  private:
    void collectCell(const TFlowCell& cell);
    void addPicture(const DecodedPicture* picture, bool elsewhere);

    std::vector<const TImageObj*> images_;
    std::vector<const DecodedPicture*> pictures_;
    std::set<const DecodedPicture*> elsewhere_;
};

// Where a changed area of a picture (in its own pixels) shows inside the rectangle the picture
// is drawn into, rounded outwards.
platform::Rect ScaledArea(const platform::Rect& drawn, int pictureWidth, int pictureHeight,
                          const platform::Rect& changed);

}  // namespace kelvor::engine
