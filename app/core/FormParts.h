#pragma once

#include "input/KeyValidator.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <initializer_list>

namespace pellam::app {

// The parts the small windows of the shell are built from, each carrying
// the control name that tests and the error reporter know it by.

inline QPushButton* namedButton(QWidget* parent, const QString& caption, const QString& name)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

// An entry box whose keys pass the validation kind (0: Enter moves on only).
inline QLineEdit* entryBox(QWidget* parent, const QString& name, int kind)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    input::KeyValidator::attach(box, kind);
    return box;
}

// Buttons in a row on the right.
inline QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : buttons)
        row->addWidget(b);
    return row;
}

} // namespace pellam::app
