#pragma once

#include <memory>

#include "engine/document/pictures.h"
#include "images/picture.h"

namespace kelvor::engine {

// A picture file decoded by the picture library, as layout and painting see it. Painting
// draws the frame the picture shows now, scaled into the target: GIF pictures through their
// transparency mask, PNG pictures with their alpha.
//
// The animation state lives in the decoded picture and changes while the document holds the
// picture as const: stepping it changes what is shown, not what layout measured.
class DecodedPicture final : public TPicture {
  public:
    explicit DecodedPicture(std::unique_ptr<images::Picture> decoded);

    int width() const override { return decoded_->width(); }
    int height() const override { return decoded_->height(); }
    void paint(platform::Canvas& canvas, const platform::Rect& target) const override;

    bool animated() const { return decoded_->isAnimated(); }
    images::Picture& decoded() const { return *decoded_; }
    // The pixels the picture holds, for budgets.
    long long pixelCount() const;

  private:
    const std::unique_ptr<images::Picture> decoded_;
};

}  // namespace kelvor::engine
