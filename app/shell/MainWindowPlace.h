#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace pellam {
class PellamUtility;
}

namespace pellam::app {

// The main window's size and place between runs, kept in the user's own
// settings for this installation: maximized the first time, then as the
// user left it.
class MainWindowPlace : public QObject {
public:
    // Shows `window` where it was last closed and remembers its place
    // whenever it closes from now on.
    static void keep(QWidget* window, const PellamUtility& util, const QString& appKey);

    // Shows the window as it was remembered; maximized when nothing is.
    void restore() const;
    // Remembers the window's size, place and state as they are now.
    void save() const;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainWindowPlace(QWidget* window, const PellamUtility& util, const QString& appKey);
    QString valueName() const { return QStringLiteral("Window") + appKey_; }

    QWidget* window_;
    const PellamUtility& util_;
    QString appKey_;
};

} // namespace pellam::app
