#include "scramble/Scrambler.h"

#include "text/Windows1252.h"

namespace pellam::scramble {

namespace {

QString shift(const QString& text, int direction)
{
    if (text.trimmed().isEmpty())
        return {};
    const QByteArray codes = windows1252::encode(text);
    const int first = static_cast<unsigned char>(codes.front());
    const int k = QString::number(first).front().unicode() - '0';
    QString out(text.front());
    for (int i = 1; i < codes.size(); ++i) {
        const int position = i + 1;
        const int c = static_cast<unsigned char>(codes[i]) + direction * (k + position);
        if (c >= 0 && c <= 255)
            out += windows1252::character(c);
    }
    return out;
}

} // namespace

QString scramble(const QString& text)
{
    return shift(text, +1);
}

QString unscramble(const QString& text)
{
    return shift(text, -1);
}

} // namespace pellam::scramble
