#pragma once

#include <QtCore/qglobal.h>

#if defined(PELLAM_PLATFORM_LIBRARY)
#define PELLAM_PLATFORM_EXPORT Q_DECL_EXPORT
#else
#define PELLAM_PLATFORM_EXPORT Q_DECL_IMPORT
#endif
