#include "core/EnterPressesButtons.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace pellam::app {

namespace {

class EnterFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        // Buttons that already answer Enter (in dialogs) are left to Qt.
        if (!button || button->autoDefault() || button->isDefault() || !button->isEnabled())
            return false;
        button->click();
        return true;
    }
};

} // namespace

void installEnterPressesButtons(QCoreApplication* application)
{
    application->installEventFilter(new EnterFilter(application));
}

} // namespace pellam::app
