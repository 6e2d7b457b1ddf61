#include "print/TextTable.h"

#include "database/RecordSet.h"

namespace pellam::ctl {

namespace {

const QString kSeparator = QStringLiteral("  ");

QString cell(const QString& text, int width, bool right)
{
    const QString piece = text.left(width);
    return (right ? piece.rightJustified(width) : piece.leftJustified(width)) + kSeparator;
}

// Line breaks and tabs inside a value would break the table's columns.
QString oneLine(QString value)
{
    for (QChar& ch : value)
        if (ch == u'\r' || ch == u'\n' || ch == u'\t')
            ch = u' ';
    return value;
}

} // namespace

TextTable::Column TextTable::column(const QString& name, const FieldInfo& field)
{
    switch (field.kind) {
    case FieldInfo::Kind::Number: return {name, field, 15, true, 15};
    case FieldInfo::Kind::Boolean: return {name, field, 5, false, 5};
    case FieldInfo::Kind::FixedText: return {name, field, field.definedSize, false, field.definedSize};
    case FieldInfo::Kind::Text: return {name, field, 30, false, 30};
    case FieldInfo::Kind::Date:
    case FieldInfo::Kind::Other: break;
    }
    return {name, field, 20, false, 20};
}

QString TextTable::heading(const QList<Column>& columns)
{
    QString line;
    for (const Column& c : columns) {
        const QString name = c.name.toUpper();
        const bool fits = name.size() < c.threshold;
        if (c.field.kind == FieldInfo::Kind::FixedText) {
            // Padded to the whole cell, separator included, so the headings
            // after it stay over their columns.
            line += name.leftJustified(c.width + kSeparator.size());
        } else if (c.rightAligned) {
            line += QString(fits ? c.width - name.size() : c.width, u' ') + name + kSeparator;
        } else {
            line += QString(fits ? c.width + kSeparator.size() - name.size() : c.width + kSeparator.size(), u' ') +
                    name;
        }
    }
    return line;
}

QStringList TextTable::rowLines(const QList<Column>& columns, const QStringList& values)
{
    QStringList remaining;
    for (const QString& v : values)
        remaining.append(oneLine(v));
    const auto overflowing = [&] {
        for (int i = 0; i < columns.size(); ++i)
            if (remaining[i].trimmed().size() > columns[i].width)
                return true;
        return false;
    };
    const auto writeLine = [&] {
        QString line;
        for (int i = 0; i < columns.size(); ++i) {
            line += cell(remaining[i], columns[i].width, columns[i].rightAligned);
            remaining[i] = remaining[i].mid(columns[i].width);
        }
        return line;
    };
    QStringList lines;
    while (overflowing())
        lines.append(writeLine());
    lines.append(writeLine());
    return lines;
}

QStringList TextTable::lines(const db::RecordSet& records, const QStringList& fields)
{
    QList<Column> columns;
    QList<int> indexes;
    for (const QString& name : fields) {
        const int index = records.fieldIndex(name);
        indexes.append(index);
        columns.append(column(name, FieldInfo::of(records, index)));
    }
    QStringList out{heading(columns), QString()};
    for (int row = 0; row < records.RecordCount(); ++row) {
        QStringList values;
        for (int i = 0; i < columns.size(); ++i)
            values.append(columns[i].field.text(records.cell(row, indexes[i])));
        out.append(rowLines(columns, values));
    }
    return out;
}

} // namespace pellam::ctl
