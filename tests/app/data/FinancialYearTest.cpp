#include "data/FinancialYear.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pellam::data;

TEST(FinancialYear, WorkingDateGivesYearAndFileName)
{
    struct Case {
        QDate date;
        QDate start, end;
        const char* file;
        const char* label;
    };
    const Case cases[] = {
        {QDate(2009, 3, 31), QDate(2008, 4, 1), QDate(2009, 3, 31), "account0809.db", "2008-2009"},
        {QDate(2009, 4, 1), QDate(2009, 4, 1), QDate(2010, 3, 31), "account0910.db", "2009-2010"},
        {QDate(2010, 1, 15), QDate(2009, 4, 1), QDate(2010, 3, 31), "account0910.db", "2009-2010"},
        {QDate(2026, 12, 6), QDate(2026, 4, 1), QDate(2027, 3, 31), "account2627.db", "2026-2027"},
        {QDate(1999, 6, 1), QDate(1999, 4, 1), QDate(2000, 3, 31), "account9900.db", "1999-2000"},
    };
    for (const Case& c : cases) {
        const FinancialYear year = FinancialYear::containing(c.date);
        EXPECT_EQ(year.start, c.start) << c.date.toString().toStdString();
        EXPECT_EQ(year.end, c.end);
        EXPECT_EQ(yearDatabaseFileName(year), QString::fromLatin1(c.file));
        EXPECT_EQ(year.label(), QString::fromLatin1(c.label));
    }
    EXPECT_EQ(FinancialYear::containing(QDate(2026, 12, 6)).shortYears(), QStringLiteral("2627"));
    EXPECT_EQ(yearDatabasePath(QStringLiteral("/home/x/Data"), FinancialYear::beginningIn(2008)),
              QStringLiteral("/home/x/Data/account0809.db"));
}

TEST(FinancialYear, NoDateGivesNoYear)
{
    EXPECT_FALSE(FinancialYear::containing(QDate()).isValid());
}

TEST(FinancialYear, FirstRunIsKnownByTheAbsenceOfAnyYearsBooks)
{
    QTemporaryDir dir;
    EXPECT_FALSE(hasAnyYearBooks(dir.path()));
    EXPECT_FALSE(hasAnyYearBooks(dir.filePath(QStringLiteral("missing"))));
    for (const char* other : {"account2627.db.new", "account.db", "accountXY.db", "Account.bdk"}) {
        QFile f(dir.filePath(QLatin1String(other)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    EXPECT_FALSE(hasAnyYearBooks(dir.path()));
    QFile books(dir.filePath(QStringLiteral("account0809.db")));
    ASSERT_TRUE(books.open(QIODevice::WriteOnly));
    EXPECT_TRUE(hasAnyYearBooks(dir.path()));
}

TEST(FinancialYear, DateFormatHoldsWhateverTheDesktopLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(dateFormatIsDayMonthYear(QDate(2026, 12, 6)));
    EXPECT_TRUE(dateFormatIsDayMonthYear(QDate(2027, 1, 31)));
    QLocale::setDefault(before);
}
