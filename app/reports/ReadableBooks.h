#pragma once

#include <QString>

namespace pellam::app {

// Whether the open books can be reported on: false, after one message
// naming the vouchers that the reports would read differently, when some
// can not. Every report window asks before it builds; `module` is the
// window's name for the error log.
bool booksAreReadable(const QString& module);

} // namespace pellam::app
