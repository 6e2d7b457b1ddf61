#pragma once

#include <QString>
#include <optional>

namespace pellam::excel {

// Reads back a workbook file just written: a zip whose every part is whole
// (its size and checksum as listed) and, for the XML parts, well-formed to
// the end. The writing library makes each sheet in a scratch file first and
// does not check those writes, so a disk that fills up can leave a sheet
// cut short inside a workbook it calls written; this is what finds it.
// The name of the first part that is not whole, or "the file" when the zip
// itself cannot be read; nothing when the workbook is whole.
std::optional<QString> brokenWorkbookPart(const QString& file);

} // namespace pellam::excel
