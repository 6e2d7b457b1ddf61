#pragma once

class QLabel;
class QWidget;

namespace pellam::ctl {

// A grid control's caption stands at the top when it has one; the grid
// fills the rest of `owner`, or all of it without a caption.
void placeCaptionAndGrid(QWidget* owner, QLabel* caption, QWidget* grid, bool showCaption);

} // namespace pellam::ctl
