#pragma once

#include "UtilExport.h"
#include "errors/PellamError.h"
#include "types/Currency.h"

#include <QString>
#include <QVariant>
#include <optional>

namespace pellam::words {

// The word of an index from 1 to 31 (1 to 19, the tens, Hundred, Thousand,
// Lakh, Crore). Throws PellamError 9 for any other index.
PELLAM_UTIL_EXPORT QString numberWord(int index);

// A whole number above 0 in words with the Indian units, without "and":
// 123456 -> "One Lakh Twenty Three Thousand Four Hundred Fifty Six".
// A round head keeps its trailing blank: 100 -> "One Hundred ".
PELLAM_UTIL_EXPORT QString spellNumber(int value);

struct PELLAM_UTIL_EXPORT AmountInWords {
    QString text;
    std::optional<PellamError> error;
};

// Whether amountInWords spells the whole of `amount`: its rupees, once the
// amount is rounded to paise, must fit the 32-bit whole number the words are
// made from (at most 2,147,483,647 either side of zero). Beyond that the
// words leave the rupees out and report an overflow.
PELLAM_UTIL_EXPORT bool canSpell(Currency amount);

// An amount in words, rupees and paise: 100.50 -> "One Hundred  and Fifty";
// with `rupeesAndPaise`, " Rupees One Hundred  and Fifty Paise ".
PELLAM_UTIL_EXPORT AmountInWords amountInWords(const QVariant& amount, bool rupeesAndPaise);

} // namespace pellam::words
