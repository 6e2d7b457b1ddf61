#include "format/LineBreak.h"

namespace pellam::linebreak {

QStringList wrap(const QString& text, int width, Blank blank)
{
    QStringList lines;
    QString rest = text;
    while (width > 0 && rest.size() > width) {
        const qsizetype at = rest.left(width).lastIndexOf(QLatin1Char(' '));
        const qsizetype cut = at > 0 ? at : width;
        if (blank == Blank::Shared) {
            lines << rest.left(at > 0 ? at + 1 : width);
            rest = rest.mid(cut);
        } else {
            lines << rest.left(cut).trimmed();
            rest = rest.mid(cut).trimmed();
        }
    }
    if (!rest.isEmpty())
        lines << rest;
    return lines;
}

} // namespace pellam::linebreak
