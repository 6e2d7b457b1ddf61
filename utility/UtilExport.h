#pragma once

#include <QtCore/qglobal.h>

#if defined(PELLAM_UTIL_LIBRARY)
#define PELLAM_UTIL_EXPORT Q_DECL_EXPORT
#else
#define PELLAM_UTIL_EXPORT Q_DECL_IMPORT
#endif
