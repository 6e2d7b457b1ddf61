#include "masters/TreeListLayout.h"

#include <gtest/gtest.h>

using namespace pellam::masters;

TEST(TreeListLayout, KeepsTheSplitterAndTheDraggedBarInBounds)
{
    const struct { int x, width, splitter, bar; } cases[] = {
        {3000, 9000, 3000, 3000},
        {0, 9000, 1500, 1000},
        {1200, 9000, 1500, 1200},
        {8500, 9000, 7500, 8000},
        {9500, 9000, 7500, 8000},
        {2000, 2500, 1000, 1500}, // too narrow for both: the list's room wins
    };
    for (const auto& c : cases) {
        EXPECT_EQ(treelist::splitterPosition(c.x, c.width), c.splitter) << c.x << " in " << c.width;
        EXPECT_EQ(treelist::dragPosition(c.x, c.width), c.bar) << c.x << " in " << c.width;
    }
}

TEST(TreeListLayout, TreeAndListShareTheWidthBelowTheTitles)
{
    const TreeListGeometry g = treelist::layout(3000, QSize(9000, 6000));
    EXPECT_EQ(g.tree, QRect(0, 300, 3000, 5700));
    EXPECT_EQ(g.splitter, QRect(3000, 300, 60, 5700));
    EXPECT_EQ(g.list, QRect(3060, 300, 9000 - 3000 - 140, 5700));
    EXPECT_EQ(g.selectTitle, QRect(0, 0, 3000, 300));
    EXPECT_EQ(g.detailsTitle, QRect(3080, 0, 9000 - 3000 - 140 - 40, 300));
    EXPECT_EQ(treelist::layout(100, QSize(9000, 6000)).tree.width(), 1500);
}
