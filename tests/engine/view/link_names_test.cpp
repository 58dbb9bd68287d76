#include "engine/view/link_names.h"

#include <gtest/gtest.h>

namespace kelvor::engine {
namespace {

TEST(ExpandLinkName, UrlsOfOtherSchemesComeBackUnchanged) {
    const LinkNameContext context{"/docs/a.htm", "", ""};
    EXPECT_EQ(ExpandLinkNameOnPosix("http://example.org/a b.htm", context),
              "http://example.org/a b.htm");
    EXPECT_EQ(ExpandLinkNameOnPosix("x://y", context), "x://y");
    // "://" at the very start is no scheme.
    EXPECT_EQ(ExpandLinkNameOnPosix("://y.htm", context), "/docs/:/y.htm");
}

TEST(ExpandLinkName, FileUrlsLoseTheirPrefixAndKeepTheirRoot) {
    const LinkNameContext context{"/docs/a.htm", "", "/srv"};
    EXPECT_EQ(ExpandLinkNameOnPosix("file:///home/ann/b.htm", context), "/home/ann/b.htm");
    EXPECT_EQ(ExpandLinkNameOnPosix("  FILE:///home/ann/b.htm\r\n", context), "/home/ann/b.htm");
    EXPECT_EQ(ExpandLinkNameOnPosix("file:/home/ann/b.htm", context), "/home/ann/b.htm");
    // The host form loses the whole prefix and is read from the current folder.
    EXPECT_EQ(ExpandLinkNameOnPosix("file://share/b.htm", context), "/docs/share/b.htm");
    // Without a "/" nothing is removed: "file:b.htm" is a name in the current folder.
    EXPECT_EQ(ExpandLinkNameOnPosix("file:b.htm", context), "/docs/file:b.htm");
}

TEST(ExpandLinkName, BackslashesAreSlashesAndBarsStay) {
    const LinkNameContext context{"/docs/a.htm", "", ""};
    EXPECT_EQ(ExpandLinkNameOnPosix("sub\\b.htm", context), "/docs/sub/b.htm");
    EXPECT_EQ(ExpandLinkNameOnPosix("c|b.htm", context), "/docs/c|b.htm");
    EXPECT_EQ(ExpandLinkNameOnPosix("..\\..\\..\\b.htm", context), "/b.htm");
    EXPECT_EQ(ExpandLinkNameOnPosix("./x/../b.htm", context), "/docs/b.htm");
}

TEST(ExpandLinkName, RootedNamesGoBelowTheServerRootWhenOneIsSet) {
    EXPECT_EQ(ExpandLinkNameOnPosix("/pages/b.htm", {"/docs/a.htm", "", ""}), "/pages/b.htm");
    EXPECT_EQ(ExpandLinkNameOnPosix("/pages/b.htm", {"/docs/a.htm", "", "/srv/www"}),
              "/srv/www/pages/b.htm");
    EXPECT_EQ(ExpandLinkNameOnPosix("\\pages\\b.htm", {"/docs/a.htm", "", "/srv/www"}),
              "/srv/www/pages/b.htm");
}

TEST(ExpandLinkName, RelativeNamesLieInTheBasesFolderOrElseTheCurrentFilesFolder) {
    EXPECT_EQ(ExpandLinkNameOnPosix("b.htm", {"/docs/a.htm", "/other/index.htm", ""}),
              "/other/b.htm");
    EXPECT_EQ(ExpandLinkNameOnPosix("b.htm", {"/docs/a.htm", "dospath", ""}), "/docs/b.htm");
    EXPECT_EQ(ExpandLinkNameOnPosix("b.htm", {"/docs/a.htm", "", ""}), "/docs/b.htm");
    EXPECT_EQ(ExpandLinkNameOnPosix("b.htm", {"", "", ""}), "b.htm");
    EXPECT_EQ(ExpandLinkNameOnPosix("mailto:ann@example.com", {"/docs/a.htm", "", ""}),
              "/docs/mailto:ann@example.com");
}

TEST(LinkNames, ExtensionsAreUpperCasedAndCutToFiveCharacters) {
    EXPECT_EQ(UpperExtension("/a/b.html"), ".HTML");
    EXPECT_EQ(UpperExtension("/a/b.Jpeg"), ".JPEG");
    EXPECT_EQ(UpperExtension("/a.b/c"), "");
    EXPECT_EQ(UpperExtension("/a/b.htmlx"), ".HTML");
    EXPECT_EQ(UpperExtension("mailto:ann@example.com"), ".COM");
    EXPECT_EQ(FolderOf("/a/b.htm"), "/a/");
    EXPECT_EQ(FolderOf("b.htm"), "");
    EXPECT_EQ(NormalizedPath("//a///b/./c/"), "/a/b/c/");
    EXPECT_EQ(NormalizedPath("../a"), "../a");
}

}  // namespace
}  // namespace kelvor::engine
