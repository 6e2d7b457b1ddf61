#include "reports/ReportText.h"

#include "shell/AppState.h"

namespace pellam::app {

namespace {

// The first line of `text` and what is left after it.
std::pair<QString, QString> breakAt(const QString& text, int width)
{
    int cut = int(text.left(width).lastIndexOf(QLatin1Char(' ')));
    if (cut <= 0)
        cut = width;
    return {text.left(cut).trimmed(), text.mid(cut).trimmed()};
}

} // namespace

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
    return state().Util.NumFormat(amount.toString(2), short(width));
}

QStringList narrationLines(const QString& narration, int width)
{
    const QString trimmed = narration.trimmed();
    if (trimmed.isEmpty())
        return {};
    QString rest = QLatin1Char('[') + trimmed + QLatin1Char(']');
    QStringList lines;
    for (int i = 0; i < 2 && rest.size() > width; ++i) {
        auto [line, remainder] = breakAt(rest, width);
        lines << line;
        rest = remainder;
    }
    if (!rest.isEmpty())
        lines << rest;
    return lines;
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

} // namespace pellam::app
