#pragma once

#include "PlatformExport.h"

#include <QByteArray>
#include <QString>

namespace pellam {

// The raw printer device: bytes that go to the printer exactly as given,
// control codes included. The target is the settings value "RawPrinter"
// (local machine, "Software\Pellam\Coffer9.0"): a device or file path, or
// "|" and a command that receives the bytes on its standard input.
class PELLAM_PLATFORM_EXPORT RawPrinter {
public:
    // The configured target; "|lp -o raw" when the value is missing or blank.
    static QString target();

    // A file target gets the bytes appended, as a printer port takes job
    // after job. Throws PellamError 76 when the target's folder does not
    // exist, 75 when it cannot be opened, 57 when writing or the command fails.
    static void write(const QByteArray& bytes);
    // The text in the printer's code page (Windows-1252).
    static void writeText(const QString& text);
};

} // namespace pellam
