#include "cli/PellamTool.h"
#include "core/ApplicationIdentity.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>
#include <memory>

// pellam: the year's books without a window (see `pellam --help`).
int main(int argc, char** argv)
{
    // Reports need fonts and a paint device (not a screen); the other
    // commands start without either.
    bool report = false;
    for (int i = 1; i < argc; ++i)
        report = report || QByteArray(argv[i]) == "report";
    std::unique_ptr<QCoreApplication> app;
    if (report) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY") &&
            !qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    pellam::app::setApplicationIdentity();
    QTextStream out(stdout);
    QTextStream err(stderr);
    QTextStream in(stdin);
    pellam::cli::PellamTool tool(out, err);
    tool.setInput(in);
    return tool.run(QCoreApplication::arguments().mid(1));
}
