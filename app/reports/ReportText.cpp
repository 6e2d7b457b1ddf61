#include "reports/ReportText.h"

#include "shell/AppState.h"

namespace pellam::app {

namespace {

constexpr int kNarrationWidth = 33;

// The first line of `text` and what is left after it.
std::pair<QString, QString> breakAt33(const QString& text)
{
    int cut = int(text.left(kNarrationWidth).lastIndexOf(QLatin1Char(' ')));
    if (cut <= 0)
        cut = kNarrationWidth;
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

QStringList narrationLines(const QString& narration)
{
    const QString trimmed = narration.trimmed();
    if (trimmed.isEmpty())
        return {};
    QString rest = QLatin1Char('[') + trimmed + QLatin1Char(']');
    QStringList lines;
    for (int i = 0; i < 2 && rest.size() > kNarrationWidth; ++i) {
        auto [line, remainder] = breakAt33(rest);
        lines << line;
        rest = remainder;
    }
    if (!rest.isEmpty())
        lines << rest;
    return lines;
}

} // namespace pellam::app
