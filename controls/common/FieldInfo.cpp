#include "common/FieldInfo.h"

#include "database/RecordSet.h"

#include <QDate>
#include <QRegularExpression>

namespace pellam::ctl {

namespace {

int sizeIn(const QString& declared)
{
    static const QRegularExpression size(QStringLiteral("\\(\\s*(\\d+)"));
    const auto match = size.match(declared);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

bool containsAny(const QString& text, std::initializer_list<const char*> words)
{
    for (const char* word : words)
        if (text.contains(QLatin1String(word)))
            return true;
    return false;
}

FieldInfo fromSample(const QVariant& sample)
{
    switch (sample.typeId()) {
    case QMetaType::Bool: return {FieldInfo::Kind::Boolean, 2};
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: return {FieldInfo::Kind::Number, 4};
    case QMetaType::Double: return {FieldInfo::Kind::Number, 8};
    case QMetaType::QDate: return {FieldInfo::Kind::Date, 8};
    case QMetaType::QString: return {FieldInfo::Kind::Text, 50};
    default: return {FieldInfo::Kind::Other, 8};
    }
}

} // namespace

FieldInfo FieldInfo::fromDeclaredType(const QString& declared, const QVariant& sample)
{
    const QString type = declared.trimmed().toUpper();
    const int size = sizeIn(type);
    if (type.isEmpty())
        return fromSample(sample);
    if (containsAny(type, {"BOOL", "BIT", "YESNO"}))
        return {Kind::Boolean, 2};
    if (containsAny(type, {"VARCHAR", "VARYING", "TEXT", "CLOB", "MEMO", "STRING"}))
        return {Kind::Text, size > 0 ? size : 50};
    if (type.contains(QLatin1String("CHAR")))
        return {size > 0 ? Kind::FixedText : Kind::Text, size > 0 ? size : 50};
    if (containsAny(type, {"TIMESTAMP", "INT", "REAL", "FLOA", "DOUB", "NUMERIC", "DECIMAL", "CURRENCY", "MONEY"}))
        return {Kind::Number, type.contains(QLatin1String("INT")) ? 4 : 8};
    if (containsAny(type, {"DATE", "TIME"}))
        return {Kind::Date, 8};
    return {Kind::Other, size > 0 ? size : 8};
}

FieldInfo FieldInfo::of(const db::RecordSet& records, int field)
{
    QVariant sample;
    const bool computed = records.FieldType(field).trimmed().isEmpty();
    for (int row = 0; computed && row < records.RecordCount() && sample.isNull(); ++row)
        sample = records.cell(row, field);
    return fromDeclaredType(records.FieldType(field), sample);
}

QString FieldInfo::text(const QVariant& value) const
{
    if (value.isNull())
        return {};
    if (kind == Kind::Boolean)
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    if (kind == Kind::Date) {
        const QDate date = value.typeId() == QMetaType::QDate
                               ? value.toDate()
                               : QDate::fromString(value.toString().left(10), Qt::ISODate);
        if (date.isValid())
            return date.toString(QStringLiteral("dd/MM/yyyy"));
    }
    return value.toString();
}

} // namespace pellam::ctl
