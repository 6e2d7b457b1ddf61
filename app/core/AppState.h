#pragma once

#include "data/CashAccount.h"
#include "database/Connection.h"
#include "PellamUtility.h"

#include <QDate>
#include <QString>
#include <QTime>

namespace pellam::app {

// The run-wide state every window reads: set at start-up, kept until the
// program ends. There is one, reached through state().
struct AppState {
    QTime StartTime;
    PellamUtility Util;
    QString DbFile;
    QDate YearStart;
    QDate YearEnd;
    QString TempDir;              // ends with a slash
    QString ErrorLog;
    QString AppKey;               // this installation's settings slot
    bool ExcelAvailable = true;   // workbooks are written by the program itself
    bool AccessAvailable = true;  // copies are made by the database itself
    int CashAccNo = 0;
    QString CashAccName;
    QString CashAccCode;
    QString HelpFile;
    db::Connection Conn;          // the one shared connection to the year's books

    // Keeps the cash account the windows show, read from the open books;
    // the one place that writes it.
    void rememberCashAccount(const data::CashAccount& cash);
};

AppState& state();

} // namespace pellam::app
