#include "errors/PellamError.h"

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
        {5, "Invalid procedure call or argument"},
        {6, "Overflow"},
        {7, "Out of memory"},
        {9, "Subscript out of range"},
        {11, "Division by zero"},
        {13, "Type mismatch"},
        {52, "Bad file name or number"},
        {53, "File not found"},
        {57, "Device I/O error"},
        {58, "File already exists"},
        {61, "Disk full"},
        {70, "Permission denied"},
        {75, "Path/File access error"},
        {76, "Path not found"},
        {91, "Object variable or With block variable not set"},
        {94, "Invalid use of Null"},
        {380, "Invalid property value"},
        {382, "Property cannot be set at run time"},
        {424, "Object required"},
        {438, "Object doesn't support this property or method"},
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
