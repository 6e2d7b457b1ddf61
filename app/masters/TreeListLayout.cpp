#include "masters/TreeListLayout.h"

#include <algorithm>

namespace pellam::masters::treelist {

int splitterPosition(int x, int formWidth)
{
    // On a form too narrow for both minimums the list's room wins.
    return std::max(0, std::min(std::max(x, kPaneMinimum), formWidth - kPaneMinimum));
}

int dragPosition(int x, int formWidth)
{
    return std::max(0, std::min(std::max(x, kDragMargin), formWidth - kDragMargin));
}

TreeListGeometry layout(int x, QSize form)
{
    x = splitterPosition(x, form.width());
    const int height = std::max(0, form.height() - kTitlesHeight);
    const int listLeft = x + kSplitterWidth;
    const int listWidth = std::max(0, form.width() - x - 140);
    TreeListGeometry g;
    g.selectTitle = QRect(0, 0, x, kTitlesHeight);
    g.detailsTitle = QRect(listLeft + 20, 0, std::max(0, listWidth - 40), kTitlesHeight);
    g.tree = QRect(0, kTitlesHeight, x, height);
    g.splitter = QRect(x, kTitlesHeight, kSplitterWidth, height);
    g.list = QRect(listLeft, kTitlesHeight, listWidth, height);
    return g;
}

} // namespace pellam::masters::treelist
