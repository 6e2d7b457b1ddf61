#pragma once

#include "reports/JournalSums.h"
#include "reports/ReportProgress.h"
#include "reports/ReportRoute.h"

namespace pellam::app {

// The same route, telling `progress` 1 once a writer has written the whole
// report and before its file is kept, printed or shown: a run stopped in
// its last moments still leaves nothing. A route the report lacks stays
// empty.
ReportRoute tellingDone(ReportRoute report, ReportProgress progress);

// A statement's phases as stages of its progress, each told on to
// `status` (when set). A statement cannot say how far its grouped queries
// have come, only that one has passed, so each phase moves the progress
// half of the way still left, short of done.
StatementStatus statementStages(StatementStatus status, ReportProgress progress);

} // namespace pellam::app
