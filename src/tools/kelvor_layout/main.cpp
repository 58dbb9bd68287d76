// kelvor-layout: loads an HTML file with the display defaults of the viewer, lays it out at a
// width, paints the whole document onto a canvas as tall as the document and prints every
// drawing call in painting order (see dump_canvas.h), so that layout can be read and checked as
// text.

#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/document/document.h"
#include "engine/layout/document_layout.h"
#include "engine/layout/layout_context.h"
#include "engine/paint/document_paint.h"
#include "engine/paint/paint_context.h"
#include "engine/pictures/file_pictures.h"
#include "engine/reader/html_reader.h"
#include "engine/view/link_names.h"
#include "platform/fixed/fixed_font_services.h"
#include "platform/posix/posix_file_system.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_font_services.h"
#include "tools/kelvor_layout/dump_canvas.h"
#include "tools/kelvor_layout/layout_dump.h"
#include "tools/kelvor_layout/layout_tree.h"
#include "tools/kelvor_layout/options.h"
#include "tools/kelvor_layout/pdf_print.h"

namespace {

using namespace kelvor;

constexpr int kWrongCommandLine = 2;
constexpr int kCannotRead = 1;
// Files larger than this are not read, as everywhere in the program.
constexpr std::streamoff kMaxFileBytes = 64 * 1024 * 1024;
// PNG pictures are at most this tall; a taller document is cut off.
constexpr int kMaxPngHeight = 32767;

int Usage(const std::string& error) {
    std::cerr << "kelvor-layout: " << error << '\n'
              << "usage: kelvor-layout [--width W] [--canvas fixed|qt] [--png OUT.png] [--tree] "
                 "[--pdf OUT.pdf [--print-scale S]] FILE\n";
    return kWrongCommandLine;
}

bool ReadFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || size > kMaxFileBytes)
        return false;
    in.seekg(0, std::ios::beg);
    text.resize(static_cast<std::size_t>(size));
    return static_cast<bool>(in.read(text.data(), size)) || size == 0;
}

void RenderPng(engine::TDocument& document, const engine::DocumentExtent& extent, int clientWidth,
               const std::string& path) {
    const int width = std::max(1, clientWidth);
    const int height = std::clamp(extent.height, 1, kMaxPngHeight);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        platform::qt::QtCanvas canvas(image);
        engine::PaintContext context(canvas, document, platform::Rect{0, 0, width, height});
        context.drawControls = true;
        engine::PaintDocument(context);
    }
    if (!image.save(QString::fromStdString(path), "PNG"))
        std::cerr << "kelvor-layout: cannot write " << path << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const std::optional<tools::LayoutOptions> options =
        tools::ParseLayoutOptions({argv + 1, argv + argc}, error);
    if (!options)
        return Usage(error);
    std::string html;
    if (!ReadFile(options->file, html)) {
        std::cerr << "kelvor-layout: cannot read " << options->file << '\n';
        return kCannotRead;
    }

    // Qt runs offscreen, for the Qt fonts and for the picture.
    std::unique_ptr<QGuiApplication> application;
    if (options->qtCanvas || !options->png.empty() || !options->pdf.empty()) {
        if (std::getenv("QT_QPA_PLATFORM") == nullptr)
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int qtArgc = 1;
        static char name[] = "kelvor-layout";
        static char* qtArgv[] = {name, nullptr};
        application = std::make_unique<QGuiApplication>(qtArgc, qtArgv);
    }
    std::unique_ptr<platform::FontServices> fonts;
    if (options->qtCanvas)
        fonts = std::make_unique<platform::qt::QtFontServices>();
    else
        fonts = std::make_unique<platform::fixed::FixedFontServices>();

    // Pictures are read as the viewer reads them, their names taken from the page's folder.
    std::error_code ignored;
    const std::string page = std::filesystem::absolute(options->file, ignored).string();
    platform::PosixFileSystem files;
    engine::FilePictureSource pictures(files, [&page](const std::string& name) {
        return engine::ExpandLinkNameOnPosix(name, engine::LinkNameContext{page, {}, {}});
    });
    tools::LaidOutDocument laidOut = tools::LayOutHtml(html, options->width, *fonts, &pictures);
    std::ostringstream out;
    tools::WriteLayoutDump(out, laidOut);
    std::cout << out.str();
    if (options->tree)
        tools::WriteLayoutTree(std::cout, *laidOut.document);
    if (!options->png.empty())
        RenderPng(*laidOut.document, laidOut.extent, options->width, options->png);
    if (!options->pdf.empty()) {
        std::string failure;
        const int pages =
            tools::PrintToPdf(options->file, options->pdf, options->printScale, failure);
        if (pages <= 0) {
            std::cerr << "kelvor-layout: cannot print " << options->pdf << ": " << failure << '\n';
            return kCannotRead;
        }
        std::cerr << "kelvor-layout: printed " << pages << " pages to " << options->pdf << '\n';
    }
    return 0;
}
