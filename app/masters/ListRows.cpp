#include "masters/ListRows.h"

#include "grids/FlexGrid.h"
#include "grids/ListGrid.h"

namespace pellam::masters {

bool selectListRow(ctl::ListGrid* list, int col, const QString& key)
{
    if (key.isEmpty())
        return false;
    ctl::FlexGrid* grid = list->grid();
    for (int r = 1; r < grid->Rows(); ++r) {
        if (grid->TextMatrix(r, col) == key) {
            grid->setRow(r);
            grid->scrollTo(grid->model()->index(r - 1, col));
            return true;
        }
    }
    return false;
}

} // namespace pellam::masters
