#include "format/NumericText.h"

#include <QString>
#include <cmath>

namespace pellam::numeric {

long double leadingValue(QStringView text)
{
    // Gather the characters that form the number, dropping blanks.
    QString number;
    bool point = false, exponent = false, digitSeen = false;
    for (QChar ch : text) {
        if (ch == u' ' || ch == u'\t' || ch == u'\n' || ch == u'\r')
            continue;
        const QChar last = number.isEmpty() ? QChar() : number.back();
        if (ch >= u'0' && ch <= u'9') {
            number += ch;
            digitSeen = true;
        } else if ((ch == u'-' || ch == u'+') &&
                   (number.isEmpty() || last == u'e')) {
            number += ch;
        } else if (ch == u'.' && !point && !exponent) {
            number += ch;
            point = true;
        } else if ((ch == u'e' || ch == u'E' || ch == u'd' || ch == u'D') && digitSeen && !exponent) {
            number += u'e';
            exponent = true;
        } else {
            break;
        }
    }
    // A dangling exponent ("12e") or sign is not part of the number.
    while (!number.isEmpty() &&
           (number.back() == u'e' || number.back() == u'-' || number.back() == u'+'))
        number.chop(1);
    if (!digitSeen)
        return 0;
    const std::string s = number.toStdString();
    const long double v = std::strtold(s.c_str(), nullptr);
    return std::isfinite(v) ? v : 0;
}

} // namespace pellam::numeric
