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
    // Every line of a long report passes here, mostly plain ASCII: that is
    // told apart without a call per character.
    const auto first = std::find_if(text.cbegin(), text.cend(), [](QChar ch) {
        const char16_t c = ch.unicode();
        return (c < 0x20 || c >= 0x7F) && isControlOrLineBreak(ch);
    });
    if (first == text.cend())
        return text;
    QString out = text;
    for (qsizetype i = first - text.cbegin(); i < out.size(); ++i)
        if (isControlOrLineBreak(out.at(i)))
            out[i] = QLatin1Char(' ');
    return out;
}

} // namespace pellam
