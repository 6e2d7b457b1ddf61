#include "shell/MainWindowPlace.h"

#include "core/InstallationSlot.h"
#include "PellamUtility.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace pellam::app {

MainWindowPlace::MainWindowPlace(QWidget* window, const PellamUtility& util, const QString& appKey)
    : QObject(window), window_(window), util_(util), appKey_(appKey)
{
}

void MainWindowPlace::keep(QWidget* window, const PellamUtility& util, const QString& appKey)
{
    auto* place = new MainWindowPlace(window, util, appKey);
    window->installEventFilter(place);
    place->restore();
}

void MainWindowPlace::restore() const
{
    const QByteArray stored = QByteArray::fromBase64(
        util_.GetKeyValue(PellamUtility::HkeyCURRENT_USER, startup::kInstallationKey, valueName()).toLatin1());
    // A place that cannot be read (first run, a damaged value) is no error:
    // the window then fills the screen.
    if (stored.isEmpty() || !window_->restoreGeometry(stored)) {
        // Filled by hand as well, for a desktop without a window manager
        // to act on the request.
        if (const QScreen* screen = window_->screen())
            window_->setGeometry(screen->availableGeometry());
        window_->showMaximized();
        return;
    }
    window_->show();
}

void MainWindowPlace::save() const
{
    QString value = QString::fromLatin1(window_->saveGeometry().toBase64());
    util_.UpdateKey(PellamUtility::HkeyCURRENT_USER, startup::kInstallationKey, valueName(), value);
}

bool MainWindowPlace::eventFilter(QObject* watched, QEvent* event)
{
    // Saved at every request to close, answered Yes or No: the place is
    // the same either way.
    if (watched == window_ && event->type() == QEvent::Close)
        save();
    return QObject::eventFilter(watched, event);
}

} // namespace pellam::app
