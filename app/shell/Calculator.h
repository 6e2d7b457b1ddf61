#pragma once

#include <QString>
#include <QStringList>

namespace pellam::app {

// The desktop's calculator, started for the File menu's Calculator item.
class Calculator {
public:
    // The calculator programs looked for, in the order they are tried.
    static const QStringList& programs();
    // The first of them found on the PATH; empty when none is installed.
    static QString find();
    // Starts the calculator without waiting for it; says so in a message
    // when none is installed or it cannot be started.
    static void start();
};

} // namespace pellam::app
