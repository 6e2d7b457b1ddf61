#pragma once

// The statement books with a quarterly statement's choices: both
// institutions of the year 2026-27.
#include "StatementFixture.h"
#include "reports/QuarterlyBuilder.h"

namespace pellam::test {

struct QuarterlyBooks : StatementBooks {
    static app::QuarterRequest request(const char* quarter, bool lines = false, QList<qint64> shops = {1, 2})
    {
        app::QuarterRequest r;
        r.shops = std::move(shops);
        r.quarter = QString::fromLatin1(quarter);
        r.lines = lines;
        r.yearStart = QDate(2026, 4, 1);
        r.yearEnd = QDate(2027, 3, 31);
        return r;
    }
    app::QuarterlyDocument build(const app::QuarterRequest& r) { return app::QuarterlyBuilder(conn()).build(r, StCash); }
};

} // namespace pellam::test
