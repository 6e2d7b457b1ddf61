#include "grids/TypeAhead.h"

#include "grids/FlexGrid.h"
#include "grids/RecordSetModel.h"

namespace pellam::ctl {

int typeAheadRow(const FlexGrid& grid, const QString& typed, int column1, int column2)
{
    const RecordSetModel& model = *grid.records();
    const qsizetype length = typed.size();
    const QString trimmed = typed.trimmed();
    for (int row = 0; row < model.rowCount(); ++row) {
        if (model.text(row, column1).left(length).trimmed() == trimmed)
            return row + 1;
        if (column2 > 0 && model.text(row, column2).left(length) == typed)
            return row + 1;
    }
    return -1;
}

} // namespace pellam::ctl
