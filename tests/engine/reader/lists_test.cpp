#include <gtest/gtest.h>

#include "reader_fixture.h"

namespace kelvor::engine::testing {
namespace {

using Lists = ReaderTest;

// The list items of a cell, looking into blocks that are not items.
std::vector<const TListItemBlock*> Items(const TFlowCell& cell) {
    std::vector<const TListItemBlock*> items;
    for (const auto& item : cell.items) {
        if (const auto* listItem = dynamic_cast<const TListItemBlock*>(item.get()))
            items.push_back(listItem);
    }
    return items;
}

const TBlock& FirstBlock(const TFlowCell& cell) {
    for (const auto& item : cell.items) {
        if (const auto* block = dynamic_cast<const TBlock*>(item.get()))
            return *block;
    }
    throw std::runtime_error("no block");
}

TEST_F(Lists, UnorderedListsAndTheirLevels) {
    Read("<ul><li>a<li>b<ul><li>c<ul><li>d</ul></ul></ul>e");
    EXPECT_EQ(Dump(), "ul{li{'a '} li{'b ' ul{li{'c ' ul{li{'d '}}}}}} 'e '");
    const TBlock& outer = FirstBlock(body().cell());
    const auto items = Items(outer.cell());
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0]->marker, MarkerKind::disc);
    const TListItemBlock& second = *Items(FirstBlock(items[1]->cell()).cell()).at(0);
    EXPECT_EQ(second.marker, MarkerKind::circle);
    const TListItemBlock& third = *Items(FirstBlock(second.cell()).cell()).at(0);
    EXPECT_EQ(third.marker, MarkerKind::square);
}

TEST_F(Lists, OrderedListsCount) {
    Read("<ol start=3 type=a><li>a<li value=10>b<li>c<li value=0>d</ol>");
    const auto items = Items(FirstBlock(body().cell()).cell());
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0]->number, 3);
    EXPECT_EQ(items[0]->marker, MarkerKind::lowerAlpha);
    EXPECT_EQ(items[1]->number, 10);
    EXPECT_EQ(items[2]->number, 11);
    EXPECT_EQ(items[3]->number, 12);  // a VALUE of 0 changes nothing
    doc.clear({});
    Read("<ol start=-2 type=I><li>a</ol>");
    const auto roman = Items(FirstBlock(body().cell()).cell());
    EXPECT_EQ(roman.at(0)->number, 1);
    EXPECT_EQ(roman.at(0)->marker, MarkerKind::upperRoman);
}

TEST_F(Lists, PlainListsHaveNoBullets) {
    for (const char* html :
         {"<ul plain><li>a</ul>", "<ul type=NONE><li>a</ul>", "<ul type=plain><li>a</ul>"}) {
        doc.clear({});
        Read(html);
        EXPECT_EQ(Items(FirstBlock(body().cell()).cell()).at(0)->marker, MarkerKind::none) << html;
    }
}

TEST_F(Lists, AnEmptyItemGetsANoBreakSpace) {
    Read("<ul><li><li>b</ul>");
    EXPECT_EQ(Dump(), "ul{li{'~ '} li{'b '}}");
}

TEST_F(Lists, AnEmptyListIsAnEmptyBlock) {
    Read("a<ul></ul>b");
    EXPECT_EQ(Dump(), "'a ' ul{} 'b '");
}

TEST_F(Lists, ItemsOutsideAListStandAloneAndEndAtAParagraph) {
    Read("<li>a<p>b");
    EXPECT_EQ(Dump(), "li{'a '} p{'b '}");
    const auto items = Items(body().cell());
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0]->marker, MarkerKind::disc);
    // Inside a list a P stays in the item.
    doc.clear({});
    Read("<ul><li>a<p>b</ul>");
    EXPECT_EQ(Dump(), "ul{li{'a ' p{'b '}}}");
}

TEST_F(Lists, DefinitionLists) {
    Read("<dl><dt>term<dd>meaning</dl>");
    EXPECT_EQ(Dump(), "dl{dt{'term '} dd{'meaning '}}");
    for (const TListItemBlock* item : Items(FirstBlock(body().cell()).cell()))
        EXPECT_EQ(item->marker, MarkerKind::none);
}

TEST_F(Lists, AddressAndBlockquoteAreListsWithoutItems) {
    Read("<blockquote>a<address>b</address></blockquote>c");
    EXPECT_EQ(Dump(), "blockquote{'a ' address{'b '}} 'c '");
    EXPECT_TRUE(Italic(Section(1), 0));
    EXPECT_FALSE(Italic(Section(2), 0));
}

TEST_F(Lists, WhatEndsAListItem) {
    // Another list's end tag ends the item and the list; a heading ends both too.
    Read("<ul><li>a</ol>b<ul><li>c<h2>d</h2>e");
    EXPECT_EQ(Dump(), "ul{li{'a '}} 'b ' ul{li{'c '}} h2{'d '} 'e '");
    doc.clear({});
    // End tags that match nothing are passed over.
    Read("<ul><li>a</p></div>b<li>c</ul>");
    EXPECT_EQ(Dump(), "ul{li{'ab '} li{'c '}}");
    doc.clear({});
    // The end tag of an enclosing division ends the item and the list.
    Read("<div><ul><li>a</div>b");
    EXPECT_EQ(Dump(), "div{ul{li{'a '}}} 'b '");
}

TEST_F(Lists, ANestedListMovesTheItemsAutomaticMargin) {
    Read("<ul><li>a<ol><li>b</ol></ul>");
    const TBlock& list = FirstBlock(body().cell());
    const auto& item = *Items(list.cell()).at(0);
    const TBlock& inner = FirstBlock(item.cell());
    EXPECT_EQ(inner.marginBottom, 0);
    EXPECT_EQ(item.marginBottom, 14);
    EXPECT_TRUE(item.bottomAuto);
}

}  // namespace
}  // namespace kelvor::engine::testing
