#pragma once

// Acts on the next modal window the code under test opens: the action runs
// from the event loop once the window is showing and has the keyboard, so
// keys the action types reach the window and not the one below it (on a
// loaded machine the window is found before it is activated).
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace pellam::test {

inline void whenModal(std::function<void(QWidget*)> act, int attempts = 1000)
{
    QTimer::singleShot(10, [act = std::move(act), attempts]() mutable {
        QWidget* w = QApplication::activeModalWidget();
        const bool ready = w && w->isVisible() && QApplication::activeWindow() == w;
        if (ready || (w && attempts <= 0)) {
            act(w);
            return;
        }
        if (attempts > 0)
            whenModal(std::move(act), attempts - 1);
    });
}

} // namespace pellam::test
