#pragma once

#include "PlatformExport.h"

#include <QByteArray>
#include <QString>

#include <memory>

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

// One job for the raw printer, handed over piece by piece so that a long
// text is never held whole. The target opens when the job is made and the
// command's outcome is known at finish(); the errors are RawPrinter's. A job
// dropped unfinished stops its command; what reached a file stays there.
class PELLAM_PLATFORM_EXPORT RawPrintJob {
public:
    RawPrintJob();
    ~RawPrintJob();
    RawPrintJob(const RawPrintJob&) = delete;
    RawPrintJob& operator=(const RawPrintJob&) = delete;

    void write(const QByteArray& bytes);
    // The text in the printer's code page (Windows-1252).
    void writeText(const QString& text);
    void finish();

    class Sink;

private:
    std::unique_ptr<Sink> sink_;
};

} // namespace pellam
