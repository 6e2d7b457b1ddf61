#pragma once

namespace pellam::app {

// Ends the program now, without further questions: every window closes and
// the event loop stops. Tests see it through programEnded().
void endProgram();
// Whether ending also stops the application's event loop: the program's
// main sets it; tests leave it off so that later windows still run.
void setExitOnProgramEnd(bool exit);
bool programEnded();
// Forgets an earlier end (tests run several sessions in one process).
void resetProgramEnd();

} // namespace pellam::app
