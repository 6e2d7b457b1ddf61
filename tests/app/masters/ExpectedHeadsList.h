#pragma once

#include <QStringList>

namespace pellam::test {

// The heading of the printed list of ledger heads, as laid out by hand.
inline const QStringList kHeadsListHeading{
    "           - - - - - - - - - - - - - -",
    "           A C C O U N T    H E A D S",
    "           - - - - - - - - - - - - - -",
    "Sl   Code         Account                    Carried",
    " - -- - - - - - - - - - - - - - - - - - - - - - - - - ",
};

} // namespace pellam::test
