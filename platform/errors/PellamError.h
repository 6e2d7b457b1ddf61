#pragma once

#include "PlatformExport.h"

#include <QString>
#include <exception>
#include <string>

namespace pellam {

// A run-time error with the number, description and source that the error
// handlers and the error log work with. Database, file and formatting
// failures all travel as this type, so one handler serves them all.
class PELLAM_PLATFORM_EXPORT PellamError : public std::exception {
public:
    PellamError() = default;
    PellamError(int number, QString description, QString source = {});

    // An error with the standard description of a well-known number
    // (6 "Overflow", 9 "Subscript out of range", 13 "Type mismatch", ...).
    static PellamError standard(int number, const QString& source = {});
    static QString standardDescription(int number);

    int Number() const { return number_; }
    QString Description() const { return description_; }
    QString Source() const { return source_; }

    // Forget the error, as a handler does once it has dealt with it.
    void Clear();

    const char* what() const noexcept override { return what_.c_str(); }

private:
    int number_ = 0;
    QString description_;
    QString source_;
    std::string what_;
};

} // namespace pellam
