// The printing options of kelvor-layout.

#include <gtest/gtest.h>

#include "tools/kelvor_layout/options.h"

namespace kelvor {
namespace {

TEST(LayoutPrintOptions, PdfWithScale) {
    std::string error;
    auto options =
        tools::ParseLayoutOptions({"--pdf", "out.pdf", "--print-scale", "0.5", "f.htm"}, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->pdf, "out.pdf");
    EXPECT_DOUBLE_EQ(options->printScale, 0.5);
    options = tools::ParseLayoutOptions({"--pdf", "out.pdf", "f.htm"}, error);
    ASSERT_TRUE(options);
    EXPECT_DOUBLE_EQ(options->printScale, 1.0);
    EXPECT_TRUE(tools::ParseLayoutOptions({"f.htm"}, error)->pdf.empty());
    for (const std::vector<std::string>& wrong :
         std::vector<std::vector<std::string>>{{"--pdf"},
                                               {"--pdf", "o.pdf", "--print-scale", "0", "f"},
                                               {"--pdf", "o.pdf", "--print-scale", "-2", "f"},
                                               {"--pdf", "o.pdf", "--print-scale", "2x", "f"},
                                               {"--pdf", "o.pdf", "--print-scale", "nan", "f"},
                                               {"--pdf", "o.pdf", "--print-scale", "", "f"},
                                               {"--print-scale", "2", "f"}}) {
        error.clear();
        EXPECT_FALSE(tools::ParseLayoutOptions(wrong, error));
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace
}  // namespace kelvor
