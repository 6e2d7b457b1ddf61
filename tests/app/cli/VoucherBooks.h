#pragma once

#include "cli/PellamTool.h"
#include "database/Connection.h"
#include "support/TempHome.h"

#include <QTextStream>
#include <gtest/gtest.h>

namespace pellam::test {

struct ToolResult {
    int code;
    QString out, err;
};

// Books of 2026-2027 with a second institution and three heads besides the
// cash account (1), worked on by the tool at a fixed moment of that year.
struct VoucherBooks : ::testing::Test {
    TempHome home;
    QDateTime now{QDate(2026, 12, 6), QTime(14, 30, 5)};
    QString books = home.file(QStringLiteral("home/Data/account2627.db"));
    db::Connection conn;

    VoucherBooks()
    {
        EXPECT_EQ(run({QStringLiteral("init")}).code, 0);
        conn.Open(books);
        conn.executeScript(QStringLiteral(
            "insert into organization(ShopId, shopName) values(2, 'DISPENSARY');"
            "insert into account(accno, AccCode, AccountName) values(7, 'MLK', 'MILK & TEA'), (8, 'FEE', 'FEES'),"
            " (9, 'RNT', 'RENT');"
            "insert into loginuser(userid, username, description) values('clerk', 'A CLERK', '');"));
    }

    // `input` is what standard input holds.
    ToolResult run(const QStringList& arguments, QString input = {})
    {
        QString out, err;
        QTextStream outStream(&out), errStream(&err), inStream(&input);
        cli::PellamTool tool(outStream, errStream, now);
        tool.setInput(inStream);
        const int code = tool.run(arguments);
        return {code, out, err};
    }
    // Voucher `number` as stored, every field but its number.
    QString row(qint64 number)
    {
        return conn
            .scalar(QStringLiteral("select shopid||'|'||debitaccid||'|'||creditaccid||'|'||joudate||'|'||amount||'|'||"
                                   "coalesce(narration,'')||'|'||coalesce(billno,'')||'|'||userid from journal where "
                                   "jousrlno=?"),
                    {number})
            .toString();
    }
    qint64 count(const QString& sql) { return conn.scalar(sql).toLongLong(); }
};

} // namespace pellam::test
