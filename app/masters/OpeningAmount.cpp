#include "masters/OpeningAmount.h"

#include "errors/PellamError.h"
#include "format/AmountWords.h"

namespace pellam::masters::openingamount {

std::optional<Currency> parse(const QString& text)
{
    std::optional<Currency> amount;
    try {
        amount = Currency::parse(text);
    } catch (const PellamError&) {
        return std::nullopt; // too large for an amount
    }
    // An opening is held to what a voucher may carry: an amount the words
    // can spell.
    if (!amount || amount->isNegative() || !words::canSpell(*amount))
        return std::nullopt;
    return amount->rounded(2);
}

QString text(qint64 paise)
{
    QString out = Currency::fromPaise(paise).toString(2);
    if (out.contains(QLatin1Char('.'))) {
        while (out.endsWith(QLatin1Char('0')))
            out.chop(1);
        if (out.endsWith(QLatin1Char('.')))
            out.chop(1);
    }
    return out;
}

} // namespace pellam::masters::openingamount
