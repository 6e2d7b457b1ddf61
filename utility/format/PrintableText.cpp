#include "format/PrintableText.h"

#include <algorithm>

namespace pellam {

bool isControlOrLineBreak(QChar ch)
{
    const char16_t c = ch.unicode();
    if (c >= 0x20 && c < 0x7F)
        return false;
    return ch.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

QString printable(const QString& text)
{
    const auto first = std::find_if(text.cbegin(), text.cend(), isControlOrLineBreak);
    if (first == text.cend())
        return text;
    QString out = text;
    for (qsizetype i = first - text.cbegin(); i < out.size(); ++i)
        if (isControlOrLineBreak(out.at(i)))
            out[i] = QLatin1Char(' ');
    return out;
}

} // namespace pellam
