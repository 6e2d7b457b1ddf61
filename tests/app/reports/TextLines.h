#pragma once

// A report's text file as its preview and `pellam report` write it.
#include "reports/ReportRoute.h"

#include <QStringList>

namespace pellam::test {

template <class Document>
QStringList textLines(const Document& doc)
{
    QStringList lines;
    app::route(doc).text([&lines](const QString& line) { lines << line; });
    return lines;
}

// The lines joined as the file holds them, each ending in a newline.
template <class Document>
QString textFile(const Document& doc)
{
    return textLines(doc).join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace pellam::test
