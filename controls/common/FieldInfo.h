#pragma once

#include "CtlExport.h"

#include <QString>
#include <QVariant>

namespace pellam::db {
class RecordSet;
}

namespace pellam::ctl {

// What a record set's column holds, as the grids and the printed table need
// it: the kind of value and the defined size (characters of a text, bytes of
// a number), taken from the column's declared type.
struct PELLAM_CTL_EXPORT FieldInfo {
    enum class Kind { Number, Boolean, FixedText, Text, Date, Other };
    Kind kind = Kind::Other;
    int definedSize = 0;

    static FieldInfo of(const db::RecordSet& records, int field);
    // Declared type as the table gives it ("INTEGER", "CHAR(4)", "DATE");
    // `sample` decides for a computed column, which has none.
    static FieldInfo fromDeclaredType(const QString& declared, const QVariant& sample = {});

    // A value as the user reads it: Null empty, booleans "True"/"False",
    // stored dates day/month/year.
    QString text(const QVariant& value) const;
};

} // namespace pellam::ctl
