#include "grids/CaptionLayout.h"

#include <QLabel>

namespace pellam::ctl {

void placeCaptionAndGrid(QWidget* owner, QLabel* caption, QWidget* grid, bool showCaption)
{
    caption->setVisible(showCaption);
    const int top = showCaption ? caption->sizeHint().height() : 0;
    if (showCaption)
        caption->setGeometry(0, 0, owner->width(), top);
    grid->setGeometry(0, top, owner->width(), qMax(0, owner->height() - top));
}

} // namespace pellam::ctl
