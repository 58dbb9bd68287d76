// The print job's states and the printer's three errors.

#include "engine/print/doc_printer.h"

#include <gtest/gtest.h>

#include "engine/print/print_geometry.h"
#include "platform/fixed/fake_printer.h"

namespace kelvor::engine {
namespace {

using platform::fixed::FakePrinter;

template <typename F>
std::string ErrorOf(F&& action) {
    try {
        action();
    } catch (const PrinterError& error) {
        return error.what();
    }
    return "none";
}

TEST(DocPrinterTest, JobStatesAndErrors) {
    FakePrinter device;
    TDocPrinter printer(&device);
    EXPECT_EQ(ErrorOf([&] { printer.NewPage(); }), "Printer is not currently printing");
    EXPECT_EQ(ErrorOf([&] { printer.EndDoc(); }), "Printer is not currently printing");
    EXPECT_EQ(ErrorOf([&] { printer.Abort(); }), "Printer is not currently printing");
    EXPECT_EQ(ErrorOf([&] { printer.Canvas(); }), "Printer is not currently printing");

    printer.Title = "A title that runs on well past thirty-one characters";
    printer.BeginDoc();
    EXPECT_TRUE(printer.Printing());
    EXPECT_EQ(printer.PageNumber(), 1);
    EXPECT_EQ(printer.State(), TDocPrinter::dsDevice);
    EXPECT_EQ(device.title, "A title that runs on well past ");
    EXPECT_EQ(ErrorOf([&] { printer.BeginDoc(); }), "Printing in progress");
    printer.NewPage();
    EXPECT_EQ(printer.PageNumber(), 2);
    printer.EndDoc();
    EXPECT_FALSE(printer.Printing());
    EXPECT_EQ(printer.PageNumber(), 0);
    EXPECT_EQ(device.log, (std::vector<std::string>{"start A title that runs on well past ", "page",
                                                    "end page", "page", "end page", "end"}));
}

TEST(DocPrinterTest, AbortEndsTheJobWithoutEndingTheDocument) {
    FakePrinter device;
    TDocPrinter printer(&device);
    printer.BeginDoc();
    printer.Abort();
    EXPECT_FALSE(printer.Printing());
    EXPECT_FALSE(printer.Aborted());
    EXPECT_EQ(device.log, (std::vector<std::string>{"start ", "page", "abort"}));
}

TEST(DocPrinterTest, NoValidPrinter) {
    TDocPrinter none(nullptr);
    EXPECT_EQ(ErrorOf([&] { none.BeginDoc(); }), "Printer selected is not valid");
    EXPECT_EQ(ErrorOf([&] { none.PageWidth(); }), "Printer selected is not valid");
    FakePrinter device;
    device.isValid = false;
    TDocPrinter invalid(&device);
    EXPECT_EQ(ErrorOf([&] { invalid.BeginDoc(); }), "Printer selected is not valid");
    EXPECT_FALSE(invalid.Printing());
    EXPECT_EQ(device.documents, 0);
}

TEST(DocPrinterTest, DestroyingEndsARunningJob) {
    FakePrinter device;
    {
        TDocPrinter printer(&device);
        printer.BeginDoc();
    }
    EXPECT_TRUE(device.ended);
}

TEST(PrintGeometryTest, MarginsFromThePaperEdge) {
    const FakePrinter device;
    const PrintGeometry g = ComputePrintGeometry(device.geometry(), 96, 1.0, PrintMargins{});
    // 2 cm at 600 dpi is 472 dots from the paper's edge, 150 of them unprintable.
    EXPECT_EQ(g.left, 322);
    EXPECT_EQ(g.top, 322);
    // The sheet is 4961 wide, the printable area 4661 from 150: 150 unprintable at the right.
    EXPECT_EQ(g.right, 322);
    EXPECT_EQ(g.bottom, 322);
    EXPECT_EQ(g.bodyWidth, 4661 - 644);
    EXPECT_EQ(g.bodyHeight, 6716 - 644);
    // Units: 96 per 600 dots, rounded. 322 -> 51.52; 4017 -> 642.72; 6072 -> 971.52.
    EXPECT_EQ(g.unitsPerInch, 96);
    EXPECT_EQ(g.lx, 52);
    EXPECT_EQ(g.ty, 52);
    EXPECT_EQ(g.wx, 643);
    EXPECT_EQ(g.hy, 972);
    // The clip takes every unit its dots touch: 322 -> 51.52, 321 -> 51.36, 4341 -> 694.56,
    // 6396 -> 1023.36.
    EXPECT_EQ(g.clip, (platform::Rect{51, 51, 695, 1024}));
}

TEST(PrintGeometryTest, ScaleMakesUnitsLargerWithinLimits) {
    const FakePrinter device;
    const PrintGeometry twice = ComputePrintGeometry(device.geometry(), 96, 2.0, PrintMargins{});
    EXPECT_EQ(twice.unitsPerInch, 48);
    // 4017 * 48 / 600 = 321.36; 6072 * 48 / 600 = 485.76.
    EXPECT_EQ(twice.wx, 321);
    EXPECT_EQ(twice.hy, 486);
    EXPECT_EQ(ComputePrintGeometry(device.geometry(), 96, 10.0, PrintMargins{}).unitsPerInch, 24);
    EXPECT_EQ(ComputePrintGeometry(device.geometry(), 96, 0.1, PrintMargins{}).unitsPerInch, 384);
}

TEST(PrintGeometryTest, HostileMarginsKeepABody) {
    const FakePrinter device;
    const PrintGeometry g =
        ComputePrintGeometry(device.geometry(), 96, 1.0, PrintMargins{-5, 1e300, 40, 40});
    EXPECT_EQ(g.left, -150);
    EXPECT_GE(g.wx, 1);
    EXPECT_GE(g.hy, 1);
}

}  // namespace
}  // namespace kelvor::engine
