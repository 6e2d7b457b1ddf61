#pragma once

#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"

namespace pellam::db {

// The failures of reading a row, the same from a RecordSet as from a Cursor.

[[noreturn]] inline void noCurrentRow()
{
    throw PellamError(NoCurrentRecord, QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."),
                      QStringLiteral("Pellam database"));
}

[[noreturn]] inline void noSuchField()
{
    throw PellamError(ItemNotFound,
                      QStringLiteral("Item cannot be found in the collection corresponding to the requested name or ordinal."),
                      QStringLiteral("Pellam database"));
}

} // namespace pellam::db
