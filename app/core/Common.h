#pragma once

#include <QString>

class QComboBox;
class QListWidget;

namespace pellam::app {

// Makes sure the shared connection is open on the year's books. A failure
// goes to the error reporter; false when the connection stays closed.
bool Connection();

// Shows a status text, each word capitalised, in the main window's status
// bar (or on the terminal).
void ShowStatus(const QString& text);
// Drives the main window's progress bar: mode 1 restarts it with a maximum,
// mode 2 hides it; a value above the maximum is ignored.
void ShowProgress(int value, int mode, int maximum);
// Opens a new preview window on a report text file. An empty caption
// becomes "Pellam Accounts 3.1  Preview", in the caller's variable too.
void ShowReportPreview(const QString& file, QString& caption);
// Fills a list with every institution (its number as the item's data) and
// selects the first. Throws PellamError 380 when there is none.
void LoadInstitutions(QListWidget* list);
void LoadInstitutions(QComboBox* list);
// Opens the help at a window's topic.
void ShowHelp(short context);

// The institution's heading for a report kind (1 ledger, 2 receipt and
// payment, 3 quarterly, 4 monthly) and, into `place`, its place line.
// Institution 0 means the first one.
QString ReportTitle(int kind, int shopId, QString& place);

// Each word's first letter upper case, the rest lower case.
QString properCase(const QString& text);

} // namespace pellam::app
