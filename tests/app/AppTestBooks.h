#pragma once

// A fresh application folder with this year's books open as the program's
// own, for tests of windows and shared procedures.
#include "core/AppState.h"
#include "data/FinancialYear.h"
#include "data/YearBooks.h"
#include "support/TempHome.h"
#include "system/AppFolders.h"

#include <QDir>

namespace pellam::test {

struct AppTestBooks {
    TempHome home;
    data::FinancialYear year;

    // The books of the year that holds today, or of the one that holds
    // `day` for fixtures whose vouchers carry fixed dates.
    explicit AppTestBooks(bool open = true, QDate day = QDate::currentDate())
        : year(data::FinancialYear::containing(day))
    {
        app::AppState& s = app::state();
        s.Conn.Close();
        QDir().mkpath(AppFolders::data());
        QDir().mkpath(AppFolders::backup());
        QDir().mkpath(AppFolders::temp());
        s.DbFile = data::yearDatabasePath(AppFolders::data(), year);
        s.YearStart = year.start;
        s.YearEnd = year.end;
        s.TempDir = AppFolders::temp() + QLatin1Char('/');
        s.ErrorLog = QDir(AppFolders::home()).filePath(QStringLiteral("error.log"));
        s.AppKey = QStringLiteral("App0");
        s.Util.setUserName(QStringLiteral("MERION"));
        data::createYearBooks(s.DbFile);
        if (open)
            s.Conn.OpenHeld(s.DbFile);
    }
    ~AppTestBooks() { app::state().Conn.Close(); }

    db::Connection& conn() { return app::state().Conn; }
};

} // namespace pellam::test
