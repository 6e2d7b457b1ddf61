#pragma once

// Finding and pressing a report window's controls by name.
#include "shell/PellamMenu.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

namespace pellam::test {

template <class W>
W* child(QWidget& w, const char* name)
{
    W* found = w.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

inline void click(QWidget& w, const char* name)
{
    child<QPushButton>(w, name)->click();
}

// Triggers a menu item, which must be enabled, and finds the window of type
// W it opened (null when none), for the caller to delete.
template <class W>
W* openedByMenu(app::PellamMenu& menu, const char* item)
{
    QAction* action = menu.item(QString::fromLatin1(item));
    EXPECT_TRUE(action->isEnabled()) << item;
    action->trigger();
    for (QWidget* w : QApplication::allWidgets())
        if (auto* found = qobject_cast<W*>(w))
            return found;
    return nullptr;
}

} // namespace pellam::test
