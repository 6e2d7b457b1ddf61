#pragma once

// Finding and pressing a report window's controls by name.
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

} // namespace pellam::test
