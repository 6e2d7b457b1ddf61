#pragma once

#include "PellamUtility.h"
#include "cli/ActingUser.h"
#include "cli/CommandLine.h"
#include "data/FinancialYear.h"
#include "database/Connection.h"

#include <QDateTime>
#include <QString>
#include <QTextStream>

namespace pellam::cli {

// The command-line tool: runs one command on the books of one year and
// answers with its exit code (ExitCode). What it did goes to `out`; a
// failure is one line on `err`.
class PellamTool {
public:
    PellamTool(QTextStream& out, QTextStream& err, QDateTime now = QDateTime::currentDateTime());
    int run(const QStringList& arguments);
    // Where a password is read (--password-stdin, or typed on a terminal);
    // without it no password can be given.
    void setInput(QTextStream& in) { input_.in = &in; }

private:
    void init(const CommandLine& line);
    void check(const CommandLine& line);
    void backup(const CommandLine& line);
    void demo(const CommandLine& line);
    void restore(const CommandLine& line);
    void closeYear(const CommandLine& line);
    void report(const CommandLine& line);
    void voucher(const CommandLine& line);
    void importVouchers(const CommandLine& line);
    void carryForward(const CommandLine& line);
    void lock(const CommandLine& line);

    data::FinancialYear yearOption(const CommandLine& line) const;
    data::FinancialYear dateOption(const CommandLine& line) const;
    // The year's books, which must exist.
    QString existingBooks(const data::FinancialYear& year) const;
    // Opens the year's books on `conn` for storing vouchers; the cash
    // account's number.
    int openForVouchers(const data::FinancialYear& year, db::Connection& conn, const CommandLine& line,
                        data::Action action);
    // Who runs the command on `books`, refused unless the role allows
    // `action`.
    void actAs(const QString& books, const CommandLine& line, data::Action action);
    enum class Needs { Books, BooksWithCash };
    // The year's books, which must exist and hold a year's books (with a
    // cash account where `needs` says so); looked at without a byte changed.
    QString readableBooks(const data::FinancialYear& year, Needs needs = Needs::Books) const;
    QString newBooks(const data::FinancialYear& year) const;
    // A checked copy in this installation's backup folder (or `target`),
    // recorded as the last backup; the copy's name.
    // This installation's backup folder for the year, created when missing.
    QString backupFolder(const data::FinancialYear& year, const QString& appKey) const;
    QString backUp(const QString& books, const data::FinancialYear& year, const QString& target = {}) const;

    QTextStream& out_;
    QTextStream& err_;
    QDateTime now_;
    QString appFolder_;
    PellamUtility util_;
    PasswordInput input_;
};

} // namespace pellam::cli
