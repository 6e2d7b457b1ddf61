#include "shell/Calculator.h"

#include "core/Say.h"
#include "errors/PellamError.h"
#include "system/SystemServices.h"

#include <QStandardPaths>

namespace pellam::app {

const QStringList& Calculator::programs()
{
    static const QStringList names{QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                                   QStringLiteral("galculator"),       QStringLiteral("mate-calc"),
                                   QStringLiteral("qalculate-gtk"),    QStringLiteral("xcalc")};
    return names;
}

QString Calculator::find()
{
    for (const QString& program : programs()) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

void Calculator::start()
{
    // A menu item that does nothing leaves the clerk guessing; the message
    // names what to install.
    const QString path = find();
    if (path.isEmpty()) {
        say(QStringLiteral("Calculator Application Not Found") + QChar(13) + QChar(13) +
                QStringLiteral("Install one of these programs: ") + programs().join(QStringLiteral(", ")),
            MessageIcon::Information);
        return;
    }
    try {
        sys::startProgram(QLatin1Char('"') + path + QLatin1Char('"'), false);
    } catch (const PellamError&) {
        say(QStringLiteral("Calculator Application Not Available to Run This Time") + QChar(13) + path,
            MessageIcon::Information);
    }
}

} // namespace pellam::app
