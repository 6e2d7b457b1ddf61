#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace pellam::test {

// Acts on the next modal window once it is up, from inside its event loop.
inline void whenModal(std::function<void(QWidget*)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        act(modal);
    });
}

} // namespace pellam::test
