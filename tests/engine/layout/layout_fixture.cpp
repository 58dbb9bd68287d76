#include "layout_fixture.h"

#include <algorithm>

#include "platform/fixed/fixed_font_services.h"

namespace kelvor::engine::testing {

namespace {

class FakePicture : public TPicture {
  public:
    FakePicture(int w, int h) : w_(w), h_(h) {}
    int width() const override { return w_; }
    int height() const override { return h_; }
    void paint(platform::Canvas& canvas, const platform::Rect& target) const override {
        struct Pixel : platform::Picture {
            int width() const override { return 1; }
            int height() const override { return 1; }
            const std::uint32_t* pixels() const override { return &pixel; }
            std::uint32_t pixel = 0xFF000000;
        } pixel;
        canvas.drawPicture(pixel, target);
    }

  private:
    int w_;
    int h_;
};

std::string Hex(platform::RgbColour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour & 0xFF, (colour >> 8) & 0xFF,
                  (colour >> 16) & 0xFF);
    return text;
}

std::string Rect(const platform::Rect& r) {
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.width()) +
           " " + std::to_string(r.height());
}

}  // namespace

PictureAnswer FakePictures::request(std::string_view name) {
    requests.emplace_back(name);
    PictureAnswer answer;
    const auto found = sizes.find(std::string(name));
    if (found != sizes.end()) {
        answer.state = PictureAnswer::State::available;
        answer.picture = std::make_shared<FakePicture>(found->second.first, found->second.second);
    } else if (std::find(loading.begin(), loading.end(), name) != loading.end()) {
        answer.state = PictureAnswer::State::loading;
    }
    return answer;
}

TImageObj& LayoutFixture::image(ImageAttributes attributes, TSection* into) {
    auto object = std::make_unique<TImageObj>(attributes, top(), doc.openLink(), 0);
    if (into != nullptr)
        return static_cast<TImageObj&>(into->addObject(std::move(object)));
    auto s = section();
    TImageObj& added = static_cast<TImageObj&>(s->addObject(std::move(object)));
    cell->addSection(std::move(s));
    return added;
}

std::string LayoutFixture::Format(const platform::fixed::RecordingCanvas::DrawCall& call) {
    using Call = platform::fixed::RecordingCanvas::Call;
    switch (call.call) {
        case Call::text: {
            std::string text;
            for (char16_t c : call.text)
                text += c < 128 ? static_cast<char>(c) : '?';
            return "text " + std::to_string(call.x) + " " + std::to_string(call.y) + " " +
                   std::to_string(platform::fixed::FixedFontServices::emFor(call.font.height)) +
                   " " + Hex(call.colour) + " \"" + text + "\"" +
                   (call.background ? " on " + Hex(*call.background) : "");
        }
        case Call::fillRect:
            return "fill " + Rect(call.rect) + " " + Hex(call.colour);
        case Call::frameRect:
            return "frame " + Rect(call.rect) + " " + Hex(call.colour) + " " +
                   std::to_string(call.penWidth);
        case Call::line:
            return "line " + std::to_string(call.x) + " " + std::to_string(call.y) + " " +
                   std::to_string(call.x2) + " " + std::to_string(call.y2) + " " +
                   Hex(call.colour) + " " + std::to_string(call.penWidth);
        case Call::ellipse:
            return "ellipse " + Rect(call.rect) + " " + Hex(call.colour) +
                   (call.background ? " " + Hex(*call.background) : "");
        case Call::picture:
            return "picture " + Rect(call.rect);
        case Call::clip:
            return call.clipCleared ? "clip none" : "clip " + Rect(call.rect);
        case Call::mapping:
            return "mapping " + std::to_string(call.mapping.logical) + " " +
                   std::to_string(call.mapping.deviceX) + " " +
                   std::to_string(call.mapping.deviceY);
    }
    return {};
}

}  // namespace kelvor::engine::testing
