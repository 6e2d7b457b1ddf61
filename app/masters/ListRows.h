#pragma once

#include <QString>

namespace pellam::ctl {
class ListGrid;
}

namespace pellam::masters {

// Makes the row whose column `col` reads `key` the list's current row, so
// that a window keeps showing the record it saved after the list reloads.
// False, with the current row left alone, when no row has the key.
bool selectListRow(ctl::ListGrid* list, int col, const QString& key);

} // namespace pellam::masters
