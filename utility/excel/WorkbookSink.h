#pragma once

#include "UtilExport.h"
#include "types/Currency.h"

#include <QDate>
#include <QString>

namespace pellam {

// Where a report writes its cells. Cells are addressed as a sheet shows
// them ("B5"). Amounts are numbers, never text, and a
// formula carries the value it computes so that any viewer shows it.
class PELLAM_UTIL_EXPORT WorkbookSink {
public:
    virtual ~WorkbookSink();
    virtual void text(const QString& cell, const QString& value) = 0;
    virtual void amount(const QString& cell, Currency value) = 0;
    virtual void date(const QString& cell, const QDate& value) = 0;
    virtual void formula(const QString& cell, const QString& formula, Currency value) = 0;
    // A text across the cells of `range` ("C2:J2"), merged into one and
    // centred in it.
    virtual void mergedText(const QString& range, const QString& value) = 0;
};

} // namespace pellam
