#pragma once

#include "database/Connection.h"
#include "masters/LedgerHead.h"

#include <QList>

namespace pellam::masters {

// The ledger heads of one institution as the set-up list offers them.
struct InstitutionHeads {
    QList<LedgerHead> inUse;  // ticked, in name order
    QList<LedgerHead> others; // every other head, in name order
    // Nothing was listed for the institution, so `inUse` holds the heads of
    // its vouchers; they are not stored until the user saves them.
    bool fromVouchers = false;
};

// Which ledger heads each institution uses (the shopacc pairs).
class HeadsInUseStore {
public:
    explicit HeadsInUseStore(db::Connection& conn) : conn_(conn) {}

    InstitutionHeads load(qint64 shopId);
    // Replaces the institution's pairs by `accnos`: all of them or, when a
    // statement fails, none (the old pairs stay).
    void save(qint64 shopId, const QList<qint64>& accnos);

private:
    QList<LedgerHead> heads(const QString& sql, const QVariantList& params);
    db::Connection& conn_;
};

// A head's line in the set-up list: the code padded to 10 characters, " | "
// and the name, so that names line up in a fixed-pitch font.
QString headLine(const LedgerHead& head);

} // namespace pellam::masters
