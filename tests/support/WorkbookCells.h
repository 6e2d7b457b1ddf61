#pragma once

// A saved workbook read back as a spreadsheet shows it: each cell's text and
// its number format, from the sheet's XML inside the .xlsx file.
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

namespace pellam::test {

// A part of a saved workbook, read with unzip.
inline QString workbookPart(const QString& file, const QString& part)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), file, part});
    unzip.waitForFinished();
    return QString::fromUtf8(unzip.readAllStandardOutput());
}

struct WorkbookCell {
    QString shown;   // a string as the spreadsheet shows it, or a number's stored value
    QString format;  // the number format: "@" for text, empty for the general one
    QString formula; // the formula of a formula cell, without its "="
};

// The names of the workbook's sheets, in order.
inline QStringList workbookSheets(const QString& file)
{
    QStringList names;
    QXmlStreamReader book(workbookPart(file, QStringLiteral("xl/workbook.xml")));
    while (!book.atEnd())
        if (book.readNext() == QXmlStreamReader::StartElement && book.name() == QLatin1String("sheet"))
            names << book.attributes().value(QLatin1String("name")).toString();
    return names;
}

// A stored string as a spreadsheet reads it: each "_xHHHH_" is the
// character it names (so "_x005F_" is an underscore).
inline QString unescapedCellText(const QString& stored)
{
    static const QRegularExpression escape(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    QString shown;
    qsizetype at = 0;
    for (auto it = escape.globalMatch(stored); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        shown += stored.mid(at, m.capturedStart() - at) + QChar(char16_t(m.captured(1).toUShort(nullptr, 16)));
        at = m.capturedEnd();
    }
    return shown + stored.mid(at);
}

// Every cell of a sheet (1 is the first) by its address ("B3"); a merged
// range's text stands in its first cell. A string is read from the
// workbook's shared strings or from the cell itself (an inline string).
inline QMap<QString, WorkbookCell> workbookCells(const QString& file, int sheetNumber = 1)
{
    QStringList strings;
    QXmlStreamReader sst(workbookPart(file, QStringLiteral("xl/sharedStrings.xml")));
    while (!sst.atEnd()) {
        sst.readNext();
        if (sst.isStartElement() && sst.name() == QLatin1String("si"))
            strings << QString();
        else if (sst.isStartElement() && sst.name() == QLatin1String("t"))
            strings.back() += unescapedCellText(sst.readElementText());
    }
    QMap<int, QString> formatCodes{{49, QStringLiteral("@")}};
    QStringList styleFormats; // the number format of each cell style
    QXmlStreamReader styles(workbookPart(file, QStringLiteral("xl/styles.xml")));
    bool inCellStyles = false;
    while (!styles.atEnd()) {
        styles.readNext();
        const auto name = styles.name();
        if (styles.isStartElement() && name == QLatin1String("numFmt"))
            formatCodes.insert(styles.attributes().value(QLatin1String("numFmtId")).toInt(),
                               styles.attributes().value(QLatin1String("formatCode")).toString());
        else if (name == QLatin1String("cellXfs"))
            inCellStyles = styles.isStartElement();
        else if (inCellStyles && styles.isStartElement() && name == QLatin1String("xf"))
            styleFormats << formatCodes.value(styles.attributes().value(QLatin1String("numFmtId")).toInt());
    }
    QMap<QString, WorkbookCell> cells;
    QXmlStreamReader sheet(workbookPart(file, QStringLiteral("xl/worksheets/sheet%1.xml").arg(sheetNumber)));
    QString at, type;
    while (!sheet.atEnd()) {
        sheet.readNext();
        if (sheet.isStartElement() && sheet.name() == QLatin1String("c")) {
            at = sheet.attributes().value(QLatin1String("r")).toString();
            type = sheet.attributes().value(QLatin1String("t")).toString();
            cells[at].format = styleFormats.value(sheet.attributes().value(QLatin1String("s")).toInt());
        } else if (sheet.isStartElement() && sheet.name() == QLatin1String("v")) {
            const QString v = sheet.readElementText();
            cells[at].shown = type == QLatin1String("s") ? strings.value(v.toInt()) : v;
        } else if (sheet.isStartElement() && sheet.name() == QLatin1String("t")) {
            cells[at].shown += unescapedCellText(sheet.readElementText());
        } else if (sheet.isStartElement() && sheet.name() == QLatin1String("f")) {
            cells[at].formula = sheet.readElementText();
        }
    }
    return cells;
}

} // namespace pellam::test
