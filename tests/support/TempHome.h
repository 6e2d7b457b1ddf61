#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace pellam::test {

// A fresh temporary folder that stands in for the user's configuration
// folder ($XDG_CONFIG_HOME) and the application folder ($PELLAM_HOME) while
// the object lives; both variables are put back afterwards.
class TempHome {
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QByteArray oldConfig_;
    QByteArray oldHome_;
    bool hadConfig_;
    bool hadHome_;
};

} // namespace pellam::test
