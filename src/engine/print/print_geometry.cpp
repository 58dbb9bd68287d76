#include "engine/print/print_geometry.h"

#include <algorithm>
#include <cmath>

namespace kelvor::engine {

namespace {

// a * b / c rounded half away from zero, wide enough for any sizes a device reports.
int Scaled(long long a, long long b, long long c) {
    if (c <= 0)
        return 0;
    const long long product = a * b;
    const long long rounded = product >= 0 ? (product + c / 2) / c : -((-product + c / 2) / c);
    return static_cast<int>(std::clamp<long long>(rounded, -(1LL << 30), 1LL << 30));
}

// A margin in dots from the paper's edge: truncated centimetres, then the unprintable part
// that lies before the printable area. A hostile margin stays within the sheet.
int MarginDots(double centimetres, int dotsPerInch, int paper) {
    double dots = centimetres / 2.54 * dotsPerInch;
    if (!std::isfinite(dots) || dots < 0)
        dots = 0;
    return static_cast<int>(std::min<double>(std::trunc(dots), paper));
}

}  // namespace

int PrintGeometry::unitsX(long long dots) const {
    return Scaled(dots, unitsPerInch, dotsPerInchX);
}
int PrintGeometry::unitsY(long long dots) const {
    return Scaled(dots, unitsPerInch, dotsPerInchY);
}
int PrintGeometry::dotsX(long long units) const {
    return Scaled(units, dotsPerInchX, unitsPerInch);
}
int PrintGeometry::dotsY(long long units) const {
    return Scaled(units, dotsPerInchY, unitsPerInch);
}

platform::CanvasMapping PrintGeometry::mapping(int originDotsX, int originDotsY) const {
    return platform::CanvasMapping{unitsPerInch, dotsPerInchX, dotsPerInchY, originDotsX,
                                   originDotsY};
}

PrintGeometry ComputePrintGeometry(const platform::PrinterGeometry& printer, int screenPpi,
                                   double printScale, const PrintMargins& margins) {
    PrintGeometry g;
    const double scale = std::clamp(std::isfinite(printScale) ? printScale : 1.0, 0.25, 4.0);
    // Fewer units per inch print each unit larger: a scale of 2 prints twice as large.
    g.unitsPerInch = std::max(1, static_cast<int>(std::lround(std::max(1, screenPpi) / scale)));
    g.dotsPerInchX = std::max(1, printer.dotsPerInchX);
    g.dotsPerInchY = std::max(1, printer.dotsPerInchY);
    const int pageWidth = std::max(1, printer.pageWidth);
    const int pageHeight = std::max(1, printer.pageHeight);
    const int physicalWidth = std::max(pageWidth, printer.physicalWidth);
    const int physicalHeight = std::max(pageHeight, printer.physicalHeight);
    const int unprintableRight = std::max(0, physicalWidth - pageWidth - printer.offsetX);
    const int unprintableBottom = std::max(0, physicalHeight - pageHeight - printer.offsetY);

    g.left = MarginDots(margins.left, g.dotsPerInchX, physicalWidth) - printer.offsetX;
    g.right = MarginDots(margins.right, g.dotsPerInchX, physicalWidth) - unprintableRight;
    g.top = MarginDots(margins.top, g.dotsPerInchY, physicalHeight) - printer.offsetY;
    g.bottom = MarginDots(margins.bottom, g.dotsPerInchY, physicalHeight) - unprintableBottom;
    g.bodyWidth = std::max(g.dotsX(1), pageWidth - g.left - g.right);
    g.bodyHeight = std::max(g.dotsY(1), pageHeight - g.top - g.bottom);

    g.lx = g.unitsX(g.left);
    g.ty = g.unitsY(g.top);
    g.wx = std::max(1, g.unitsX(g.bodyWidth));
    g.hy = std::max(1, g.unitsY(g.bodyHeight));
    g.pageWidthUnits = g.unitsX(pageWidth);
    g.pageHeightUnits = g.unitsY(pageHeight);
    // The clip in dots runs from (left, top - 1) to (left + width + 2, top + height + 2);
    // in units it takes every unit that those dots touch.
    const auto floorUnits = [](long long dots, int units, int dpi) {
        const long long p = dots * units;
        return static_cast<int>(p >= 0 ? p / dpi : -((-p + dpi - 1) / dpi));
    };
    const auto ceilUnits = [](long long dots, int units, int dpi) {
        const long long p = dots * units;
        return static_cast<int>(p >= 0 ? (p + dpi - 1) / dpi : -((-p) / dpi));
    };
    g.clip = platform::Rect{
        floorUnits(g.left, g.unitsPerInch, g.dotsPerInchX),
        floorUnits(g.top - 1LL, g.unitsPerInch, g.dotsPerInchY),
        ceilUnits(static_cast<long long>(g.left) + g.bodyWidth + 2, g.unitsPerInch, g.dotsPerInchX),
        ceilUnits(static_cast<long long>(g.top) + g.bodyHeight + 2, g.unitsPerInch,
                  g.dotsPerInchY)};
    return g;
}

}  // namespace kelvor::engine
