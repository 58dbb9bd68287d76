#pragma once

#include <memory>
#include <string_view>

#include "platform/graphics_types.h"

namespace kelvor::platform {
class Canvas;
}

namespace kelvor::engine {

// A decoded picture as layout and painting see it: its size in pixels and a way to paint it
// scaled into a rectangle of a canvas.
class TPicture {
  public:
    virtual ~TPicture() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual void paint(platform::Canvas& canvas, const platform::Rect& target) const = 0;
};

// What a request for a picture gives.
struct PictureAnswer {
    enum class State { available, loading, failed };
    State state = State::failed;
    std::shared_ptr<const TPicture> picture;  // set when available
};

// Where the engine gets its pictures by name (the SRC of an image, a background, a list-style
// image). The viewer supplies one; the document asks for each name when it is laid out.
class PictureSource {
  public:
    virtual ~PictureSource() = default;
    virtual PictureAnswer request(std::string_view name) = 0;
};

// A source that has no pictures at all: every request fails, so images show their placeholders
// and backgrounds are dropped. Used until picture decoding is wired to documents.
class NoPictures : public PictureSource {
  public:
    PictureAnswer request(std::string_view) override { return {}; }
};

}  // namespace kelvor::engine
