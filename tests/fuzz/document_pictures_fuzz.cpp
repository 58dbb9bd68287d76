// Pictures of a hostile page from hostile files: a page that names pictures, read through the
// viewer's picture source from a file system holding the fuzzed picture bytes, laid out,
// animated on a clock that runs for two seconds and painted. The first byte chooses the width,
// the second the length of the page; the rest is the picture file "a.gif" (its first half is
// also "b.png", a truncated copy).

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/pictures/file_pictures.h"
#include "engine/view/engine_document.h"
#include "fakes/platform/fake_platform.h"
#include "platform/fixed/fixed_font_services.h"
#include "platform/fixed/recording_canvas.h"

namespace {

using namespace kelvor;

constexpr int kTicks = 50;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const int width = 40 + (data[0] & 7) * 90;
    const std::size_t pageSize = std::min<std::size_t>(data[1], size - 2);
    const std::string page(reinterpret_cast<const char*>(data) + 2, pageSize);
    const std::string picture(reinterpret_cast<const char*>(data) + 2 + pageSize,
                              size - 2 - pageSize);

    testing::FakeFileSystem files;
    files.addFile("/p/a.gif", picture);
    files.addFile("/p/b.png", picture.substr(0, picture.size() / 2));
    engine::FilePictureSource pictures(files, [](const std::string& name) {
        return name.empty() || name.front() == '/' ? name : "/p/" + name;
    });
    pictures.cache().setCapacity(data[0] >> 3);

    platform::fixed::FixedFontServices device;
    engine::EngineDocument document(device, &pictures);
    document.clear(engine::ViewDefaults{});
    document.readHtml(page, engine::ReadHooks{});
    const engine::ViewExtent extent = document.layout(width, 200);
    document.setOffset(0, extent.height / 3);
    std::uint64_t now = 1000;
    document.startAnimations(now);
    for (int tick = 0; tick < kTicks; ++tick) {
        now += 40;
        const engine::AnimationStep step = document.stepAnimations(now);
        if (tick % 10 == 0 || step.wholeView) {
            platform::fixed::RecordingCanvas canvas;
            document.paint(canvas, platform::Rect{0, 0, width, 200});
        }
    }
    // A second layout (as a resize does) finds the same pictures in the document's answers.
    document.layout(width / 2 + 1, 200);
    platform::fixed::RecordingCanvas canvas;
    document.paint(canvas, platform::Rect{0, 0, width, 200});
    return 0;
}
