#pragma once

#include "platform/graphics_types.h"
#include "platform/printer.h"

namespace kelvor::engine {

// Print margins in centimetres from the paper's edges.
struct PrintMargins {
    double left = 2.0;
    double right = 2.0;
    double top = 2.0;
    double bottom = 2.0;
};

// Where a printed page's body lies, in printer dots (from the printable area's corner) and in
// logical units (screen pixels scaled by the print scale).
struct PrintGeometry {
    int unitsPerInch = 96;  // E: logical units per inch
    int dotsPerInchX = 0;   // DX
    int dotsPerInchY = 0;   // DY
    // Margins in dots from the printable area's edges, and the body between them.
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
    int bodyWidth = 0;
    int bodyHeight = 0;
    // The same in logical units.
    int lx = 0;
    int ty = 0;
    int wx = 0;
    int hy = 0;
    int pageWidthUnits = 0;
    int pageHeightUnits = 0;
    // The body's clip (logical units), a little wider than the body, as the dots round.
    platform::Rect clip;

    int unitsX(long long dots) const;
    int unitsY(long long dots) const;
    int dotsX(long long units) const;
    int dotsY(long long units) const;
    platform::CanvasMapping mapping(int originDotsX = 0, int originDotsY = 0) const;
};

// The page geometry for a printer, the screen's resolution, the print scale (0.25 .. 4; twice
// as large at 2) and the margins. Margins run from the paper's edge, so the printer's
// unprintable parts are taken off them. A body too small to hold anything is kept one unit
// wide and high.
PrintGeometry ComputePrintGeometry(const platform::PrinterGeometry& printer, int screenPpi,
                                   double printScale, const PrintMargins& margins);

}  // namespace kelvor::engine
