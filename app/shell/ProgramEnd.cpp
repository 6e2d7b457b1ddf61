#include "shell/ProgramEnd.h"

#include <QApplication>
#include <QWidget>

namespace pellam::app {

namespace {
bool ended = false;
bool exitLoop = false;
} // namespace

void setExitOnProgramEnd(bool exit)
{
    exitLoop = exit;
}

void endProgram()
{
    if (ended)
        return;
    ended = true;
    for (QWidget* w : QApplication::topLevelWidgets())
        w->close();
    if (exitLoop)
        QCoreApplication::exit(0);
}

bool programEnded()
{
    return ended;
}

void resetProgramEnd()
{
    ended = false;
}

} // namespace pellam::app
