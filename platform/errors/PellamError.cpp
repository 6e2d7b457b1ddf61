#include "errors/PellamError.h"

#include "errors/ErrorNumber.h"

#include <map>

namespace pellam {

PellamError::PellamError(int number, QString description, QString source)
    : number_(number), description_(std::move(description)), source_(std::move(source)),
      what_(description_.toStdString())
{
}

QString PellamError::standardDescription(int number)
{
    static const std::map<int, const char*> descriptions = {
        {InvalidCall, "Invalid procedure call or argument"},
        {Overflow, "Overflow"},
        {OutOfMemory, "Out of memory"},
        {SubscriptOutOfRange, "Subscript out of range"},
        {DivisionByZero, "Division by zero"},
        {TypeMismatch, "Type mismatch"},
        {BadFileName, "Bad file name or number"},
        {FileNotFound, "File not found"},
        {DeviceIOError, "Device I/O error"},
        {FileExists, "File already exists"},
        {DiskFull, "Disk full"},
        {PermissionDenied, "Permission denied"},
        {PathAccessError, "Path/File access error"},
        {PathNotFound, "Path not found"},
        {ObjectNotSet, "Object variable or With block variable not set"},
        {InvalidUseOfNull, "Invalid use of Null"},
        {InvalidFileFormat, "Invalid file format"},
        {InvalidPropertyValue, "Invalid property value"},
        {ReadOnlyAtRunTime, "Property cannot be set at run time"},
        {ObjectRequired, "Object required"},
        {UnsupportedMember, "Object doesn't support this property or method"},
    };
    const auto it = descriptions.find(number);
    return it == descriptions.end() ? QStringLiteral("Application-defined or object-defined error")
                                    : QString::fromLatin1(it->second);
}

PellamError PellamError::standard(int number, const QString& source)
{
    return PellamError(number, standardDescription(number), source);
}

void PellamError::Clear()
{
    number_ = 0;
    description_.clear();
    source_.clear();
    what_.clear();
}

} // namespace pellam
