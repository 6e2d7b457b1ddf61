#include "scramble/Scrambler.h"

#include "text/Windows1252.h"

#include <algorithm>

namespace pellam::scramble {

namespace {

// Only the blank (code 32) counts: a no-break space or a tab is a character
// like any other, so a scrambled text ending in one still unscrambles.
bool isBlank(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c == u' '; });
}

QString shift(const QString& text, int direction)
{
    if (isBlank(text))
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
