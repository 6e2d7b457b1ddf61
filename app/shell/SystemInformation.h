#pragma once

#include <QList>
#include <QString>
#include <utility>

namespace pellam::app {

// What a support person asks first: the program's and its libraries'
// versions, the operating system, and where this installation keeps its
// books and settings. Pairs of a caption and a value, in display order.
QList<std::pair<QString, QString>> systemInformation();

// The same as plain text, one "caption: value" line each, for copying.
QString systemInformationText();

} // namespace pellam::app
