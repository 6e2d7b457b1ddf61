#pragma once

#include <functional>

namespace pellam::app {

// Told how far a long report has come, as a share from 0 to 1, while its
// rows pass. Whoever runs the report shows it (the main window's progress
// bar, `pellam` on a terminal) and may stop the run by throwing from it;
// every route then gives up its file as it gives up after any failure.
using ReportProgress = std::function<void(double done)>;

} // namespace pellam::app
