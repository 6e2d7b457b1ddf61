#include "yearend/YearClosing.h"

#include "data/CarriedBalances.h"
#include "data/CashAccount.h"
#include "data/DatabaseFiles.h"
#include "data/YearBooks.h"
#include "database/Connection.h"
#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"
#include "files/FileHold.h"
#include "yearend/BackupCopy.h"

#include <QDir>
#include <QFileInfo>

namespace pellam::yearend {

namespace {

const QString kSource = QStringLiteral("Pellam closing");

struct CarriedTable {
    const char* logText;
    const char* table;
};

// In this order, each with its own log line.
constexpr CarriedTable kCarried[] = {
    {"Tranfer Ledger heads", "account"},
    {"Tranfer Organisation", "organization"},
    {"Tranfer Postsettings", "PostSettings"},
    {"Tranfer loginuser", "loginuser"},
};

QString quoted(const QString& identifier)
{
    return QLatin1Char('"') + QString(identifier).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

// Every row of `table`, every column by name, so heads and institutions
// keep their numbers. A column the new books lack fails the closing.
void carryRows(db::Connection& from, db::Connection& to, const QString& table)
{
    db::RecordSet rows = from.query(QStringLiteral("select * from ") + table);
    QStringList columns, marks;
    for (int i = 0; i < rows.FieldCount(); ++i) {
        columns << quoted(rows.FieldName(i));
        marks << QStringLiteral("?");
    }
    const QString insert = QStringLiteral("insert into %1(%2) values(%3)")
                               .arg(table, columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    for (; !rows.eof(); rows.MoveNext()) {
        QVariantList values;
        for (int i = 0; i < rows.FieldCount(); ++i)
            values << rows.value(i);
        to.execute(insert, values);
    }
}

PellamError withContext(const PellamError& e)
{
    return PellamError(e.Number(), QStringLiteral("The new year's database could not be created: ") + e.Description(),
                       kSource);
}

} // namespace

YearClosing::YearClosing(QString appFolder, QString openBooks, const data::FinancialYear& openYear)
    : appFolder_(std::move(appFolder)), openBooks_(std::move(openBooks)), openYear_(openYear),
      newYear_(data::FinancialYear::beginningIn(openYear.end.year())),
      newBooks_(data::yearDatabasePath(QFileInfo(openBooks_).absolutePath(), newYear_))
{
}

bool YearClosing::newBooksExist() const
{
    return QFileInfo::exists(newBooks_);
}

QString YearClosing::safetyCopyName(const QDateTime& now) const
{
    return QDir(backupFolder()).filePath(QStringLiteral("tempbak") + now.toString(QStringLiteral("HHmmss")) +
                                         QStringLiteral("account") + newYear_.shortYears() + QStringLiteral(".bak"));
}

QString YearClosing::run(bool replaceExisting, const Reporter& reporter, const QDateTime& now)
{
    const auto log = [&](const QString& text) { reporter.say(text); };
    // Nobody works in the new books while they are copied and replaced,
    // and no other closing builds them meanwhile.
    files::FileHold hold;
    try {
        if (!hold.take(newBooks_, files::FileHold::Mode::Exclusive))
            throw PellamError(DatabaseLocked,
                              QStringLiteral("the books for the financial year %1 (%2) are open in another program; "
                                             "close them there and start the closing again.")
                                  .arg(newYear_.label(), newBooks_),
                              kSource);
    } catch (const PellamError& e) {
        throw withContext(e);
    }
    const bool replacing = newBooksExist();
    if (replacing && !replaceExisting)
        throw PellamError(FileExists,
                          QStringLiteral("The books for the financial year %1 already exist (%2).").arg(newYear_.label(), newBooks_),
                          kSource);
    const QString partial = newBooks_ + QStringLiteral(".closing");
    QString safetyCopy;
    try {
        for (const QString& line : removeUnfinished())
            log(line);
        const QString templateFile = QDir(appFolder_).filePath(data::kTemplateFileName);
        if (!QFileInfo::exists(templateFile)) {
            log(QStringLiteral("The template %1 was missing; it was written again").arg(data::kTemplateFileName));
            data::ensureTemplate(appFolder_);
        }
        if (replacing) {
            QDir().mkpath(backupFolder());
            safetyCopy = unusedFileName(safetyCopyName(now));
            copyYearDatabase(newBooks_, safetyCopy);
            log(QStringLiteral("Safety copy of the existing database = ") + QDir::toNativeSeparators(safetyCopy));
        }
        log(QStringLiteral("  DataBase =") + QDir::toNativeSeparators(newBooks_));
        copyYearDatabase(templateFile, partial);
        reporter.done(10);
        build(partial, reporter);
        checkYearDatabase(partial);
        moveDatabaseIntoPlace(partial, newBooks_);
    } catch (const PellamError& e) {
        data::removeDatabaseFiles(partial);
        throw withContext(e);
    } catch (...) {
        data::removeDatabaseFiles(partial);
        throw;
    }
    reporter.done(100);
    return safetyCopy;
}

QStringList YearClosing::removeUnfinished() const
{
    const QString books = QFileInfo(newBooks_).fileName();
    QStringList removed = data::removeLeftovers(QFileInfo(newBooks_).absolutePath(),
                                                {books + QStringLiteral(".closing"), books + QStringLiteral(".closing.partial")});
    removed += data::removeLeftovers(backupFolder(), {QStringLiteral("tempbak*account") + newYear_.shortYears() +
                                                      QStringLiteral(".bak.partial")});
    return leftoverLines(removed, QStringLiteral("closing"));
}

QString YearClosing::backupFolder() const
{
    return QDir(appFolder_).filePath(QStringLiteral("BackUp"));
}

void YearClosing::build(const QString& file, const Reporter& reporter)
{
    db::Connection open;
    open.Open(openBooks_, true, 5000, true);
    db::Connection books;
    books.Open(file);
    // A template of an older program gets today's tables and views.
    data::createSchema(books);
    db::Transaction transaction(books);
    // Whatever a template holds besides its schema is not this year's.
    for (const char* table : {"account", "organization", "PostSettings", "loginuser", "accountopening", "journal", "shopacc",
                              "userrole", "balancehead", "booksetting", "importmapping", "importrule"})
        books.execute(QStringLiteral("delete from ") + QLatin1String(table));
    int step = 0;
    for (const CarriedTable& carried : kCarried) {
        reporter.say(QLatin1String(carried.logText));
        carryRows(open, books, QLatin1String(carried.table));
        reporter.done(10 + 20 * ++step);
    }
    // The users keep their roles; users of books older than roles were
    // free to do everything, and stay Administrators.
    if (data::hasTable(open, QStringLiteral("userrole")))
        carryRows(open, books, QStringLiteral("userrole"));
    else
        books.execute(QStringLiteral("insert into userrole(userid, role) select userid, 'Administrator' from loginuser"));
    // Which heads each institution uses, the balance heads and the bank
    // statements' mappings and rules serve next year as they are; books
    // older than some of them have none to carry.
    for (const char* table : {"shopacc", "balancehead", "importmapping", "importrule"})
        if (data::hasTable(open, QLatin1String(table)))
            carryRows(open, books, QLatin1String(table));
    reporter.say(QStringLiteral("Tranfer Accounts...."));
    books.execute(QStringLiteral("insert into accountopening(accno, shopid, opamt, optype) "
                                 "select distinct accno, organization.ShopId, 0, 'D' from account, organization"));
    if (const std::optional<data::CashAccount> cash = data::cashAccount(open)) {
        if (carryForward_) {
            reporter.say(QStringLiteral("Carry forward closing balances"));
            data::writeOpenings(books, data::closingBalances(open, data::BalanceHeads(open).carried(cash->accno), openYear_));
        }
        // What the closing leaves (nothing, when it carried the balances) is
        // what a later change of this year's books is told against.
        data::CarryForwardCheck::rememberClosing(
            books, data::CarryForwardCheck(books, cash->accno, open, openYear_).differences());
    }
    transaction.commit();
    books.Close();
    open.Close();
}

} // namespace pellam::yearend
