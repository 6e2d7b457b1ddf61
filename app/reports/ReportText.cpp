#include "reports/ReportText.h"

#include "format/IndianNumberFormat.h"
#include "format/LineBreak.h"

namespace pellam::app {

QString blanks(int count)
{
    return QString(std::max(count, 0), QLatin1Char(' '));
}

QString dashes(int count)
{
    return QString(std::max(count, 0), QLatin1Char('-'));
}

QString fitted(const QString& text, int width)
{
    return text.left(width).leftJustified(width, QLatin1Char(' '));
}

QString rightAligned(const QString& text, int width)
{
    return text.rightJustified(width, QLatin1Char(' '));
}

QString amountText(Currency amount, int width)
{
    // The same text as NumFormat of the amount's plain text, without the round trip.
    return formatIndianAmount(amount, width);
}

QStringList narrationLines(const QString& narration, int width)
{
    const QString trimmed = narration.trimmed();
    if (trimmed.isEmpty())
        return {};
    return linebreak::wrap(QLatin1Char('[') + trimmed + QLatin1Char(']'), width, linebreak::Blank::Dropped);
}

QString referenceText(ReportReference kind, qint64 jouNo, int serial, const QString& billNo, int billWidth)
{
    switch (kind) {
    case ReportReference::JouNo:
        return QString::number(jouNo);
    case ReportReference::SerialNo:
        return QString::number(serial);
    case ReportReference::BillNo:
        return billNo.left(billWidth);
    case ReportReference::None:
        break;
    }
    return {};
}

QString voucherLineStart(const ReportChoices& r, qint64 jouNo, int serial, const QString& billNo, qint64 shopId,
                         int width, int shopBlanks)
{
    const QString ref = referenceText(r.reference, jouNo, serial, billNo, width);
    const QString start = ref.isEmpty() ? blanks(width + 1) : rightAligned(ref, width) + QLatin1Char(' ');
    if (r.shopColumn)
        return start + rightAligned(QString::number(shopId), 2) + QLatin1Char(' ');
    return start + blanks(shopBlanks);
}

QString sumFormula(char column, int from, int to)
{
    return QStringLiteral("=sum(%1%2:%1%3)").arg(QLatin1Char(column)).arg(from).arg(to);
}

QString cellAt(char column, int row)
{
    return QLatin1Char(column) + QString::number(row);
}

} // namespace pellam::app
