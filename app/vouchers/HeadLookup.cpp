#include "vouchers/HeadLookup.h"

namespace pellam::app {

ctl::PopupGrid::Filter headsBeginningWith(const QString& typed)
{
    return [typed](const db::RecordSet::Row& row) {
        return row.value(2).toString().startsWith(typed, Qt::CaseInsensitive) ||
               row.value(1).toString().startsWith(typed, Qt::CaseInsensitive);
    };
}

} // namespace pellam::app
