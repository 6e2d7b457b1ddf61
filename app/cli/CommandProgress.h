#pragma once

#include "reports/ReportProgress.h"

#include <QString>
#include <QTextStream>

namespace pellam::cli {

// One `pellam report` run: how far it has come, as one line of the error
// output ("ledger 42%") that each step rewrites and the end clears, shown
// only when `shown` (the error output is a terminal that the report itself
// does not write to); and Ctrl+C, which instead of ending the program with
// a file half-written stops the run at its next step, where tell() throws
// app::ReportCancelled and the route gives its file up. One run at a time.
class CommandProgress {
public:
    CommandProgress(QString report, bool shown, QTextStream& err);
    ~CommandProgress();
    CommandProgress(const CommandProgress&) = delete;
    CommandProgress& operator=(const CommandProgress&) = delete;

    // `done` from 0 to 1.
    void tell(double done);
    // tell() as a report's progress callback; valid while this object lives.
    app::ReportProgress callback();

private:
    QString report_;
    bool shown_;
    QTextStream& err_;
    int percent_ = -1;
    int width_ = 0; // of the line on the terminal
    void (*previous_)(int);
};

// Whether the stream writes to a terminal.
bool isTerminal(const QTextStream& stream);

} // namespace pellam::cli
