#pragma once

#include "UtilExport.h"
#include "dialogs/Dialogs.h"
#include "errors/PellamError.h"

#include <QString>
#include <functional>

namespace pellam::errors {

// What the program tells the failing procedure to do next.
enum Answer : quint8 {
    Retry = 0,           // run the failing statement again
    Continue = 1,        // skip it and go on
    ConnectionFailed = 2,
    LoginRefused = 3,
    Abandon = 10,        // clean up and leave
};

// The message shown for an error number and how its answers map to codes.
struct PELLAM_UTIL_EXPORT ErrorResponse {
    MessageRequest message;
    int beepsBefore = 0;
    std::function<quint8(MessageAnswer)> code;
};

// The message and answers for `error`, captioned `title`.
PELLAM_UTIL_EXPORT ErrorResponse responseTo(const PellamError& error, const QString& title);

// Appends the two log lines of an error (each ended by CR LF), creating the
// file when missing. Throws PellamError 75 when the file cannot be opened.
PELLAM_UTIL_EXPORT void appendToLog(const QString& logFile, const PellamError& error,
                                    const QString& ctrlName, const QString& frm);

} // namespace pellam::errors
