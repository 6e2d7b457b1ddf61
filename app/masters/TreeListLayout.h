#pragma once

#include <QRect>
#include <QSize>

namespace pellam::masters {

// Where the parts of the accounts browser stand, in twips.
struct TreeListGeometry {
    QRect selectTitle;  // the title over the tree
    QRect detailsTitle; // the title over the list
    QRect tree;
    QRect splitter;     // the grip between tree and list
    QRect list;
};

// The accounts browser's layout around its splitter: tree on the left, list
// on the right, both under the titles and down to the bottom of the form.
namespace treelist {

inline constexpr int kPaneMinimum = 1500; // narrowest tree, and least room left for the list
inline constexpr int kDragMargin = 1000;  // the dragged bar stays this far from either side
inline constexpr int kSplitterWidth = 60;
inline constexpr int kTitlesHeight = 300;

// The splitter position `x` kept between kPaneMinimum and the form's width
// less kPaneMinimum.
int splitterPosition(int x, int formWidth);
// Where the dragged bar stands when the mouse is at `x`.
int dragPosition(int x, int formWidth);
// The parts of a form of `form` size with the splitter at `x` (kept in
// bounds first).
TreeListGeometry layout(int x, QSize form);

} // namespace treelist

} // namespace pellam::masters
