#include "core/ApplicationIdentity.h"
#include "core/EnterPressesButtons.h"
#include "shell/ProgramEnd.h"
#include "startup/StartUp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    pellam::app::setApplicationIdentity();
    // The program ends through its own closing question, not when a
    // dialog happens to be the last window.
    QApplication::setQuitOnLastWindowClosed(false);
    pellam::app::installEnterPressesButtons(&app);
    pellam::app::setExitOnProgramEnd(true);
    pellam::app::startProgram();
    return app.exec();
}
