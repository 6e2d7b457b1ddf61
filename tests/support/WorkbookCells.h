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
    QString shown;  // a string as the spreadsheet shows it, or a number's stored value
    QString format; // the number format: "@" for text, empty for the general one
};

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

// Every cell of the first sheet by its address ("B3"); a merged range's
// text stands in its first cell.
inline QMap<QString, WorkbookCell> workbookCells(const QString& file)
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
    QXmlStreamReader sheet(workbookPart(file, QStringLiteral("xl/worksheets/sheet1.xml")));
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
        }
    }
    return cells;
}

} // namespace pellam::test
