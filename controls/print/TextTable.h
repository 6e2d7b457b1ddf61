#pragma once

#include "CtlExport.h"
#include "common/FieldInfo.h"

#include <QList>
#include <QStringList>

namespace pellam::db {
class RecordSet;
}

namespace pellam::ctl {

// A record set as a fixed-width text table: a cell of a width that follows
// the field's type (numbers 15 right-aligned, booleans 5, fixed-length text
// its size, text 30, the rest 20) and two blanks between cells. A value too
// long for its cell continues on the next lines in its own column.
class PELLAM_CTL_EXPORT TextTable {
public:
    struct Column {
        QString name;
        FieldInfo field;
        int width = 0;
        bool rightAligned = false;
        int threshold = 0; // a name this long or longer moves its heading right
    };

    static Column column(const QString& name, const FieldInfo& field);

    static QString heading(const QList<Column>& columns);
    // The lines of one record; `values` in the order of `columns`.
    static QStringList rowLines(const QList<Column>& columns, const QStringList& values);
    // The heading, a blank line, then every record.
    static QStringList lines(const db::RecordSet& records, const QStringList& fields);
};

} // namespace pellam::ctl
