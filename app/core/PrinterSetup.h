#pragma once

#include <QString>

namespace pellam::app {

// The printer dialog before a report prints: on OK the chosen copies, the
// report font (Courier New, 12 points), and the usable height (the page less
// one inch) and width in twips. False when the user cancelled or no printer
// can be used.
bool SetupPrinter(double& height, double& width, short& copies);

// The number of blanks that centre `text` on a printed line of `lineWidth`
// twips (0: the printer's width, also in the caller's variable).
short CenterBlanks(const QString& text, double& lineWidth);

} // namespace pellam::app
