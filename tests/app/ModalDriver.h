#pragma once

// Acts on the next modal window the code under test opens: the action runs
// from the event loop once the window is showing.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace pellam::test {

inline void whenModal(std::function<void(QWidget*)> act, int attempts = 200)
{
    QTimer::singleShot(10, [act = std::move(act), attempts]() mutable {
        if (QWidget* w = QApplication::activeModalWidget()) {
            act(w);
            return;
        }
        if (attempts > 0)
            whenModal(std::move(act), attempts - 1);
    });
}

} // namespace pellam::test
