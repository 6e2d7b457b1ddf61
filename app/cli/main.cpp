#include "cli/PellamTool.h"
#include "shell/ApplicationIdentity.h"

#include <QCoreApplication>
#include <QTextStream>

// pellam: the year's books without a window (see `pellam --help`).
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    pellam::app::setApplicationIdentity();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return pellam::cli::PellamTool(out, err).run(QCoreApplication::arguments().mid(1));
}
