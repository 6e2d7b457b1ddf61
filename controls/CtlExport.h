#pragma once

#include <QtCore/qglobal.h>

#if defined(PELLAM_CTL_LIBRARY)
#define PELLAM_CTL_EXPORT Q_DECL_EXPORT
#else
#define PELLAM_CTL_EXPORT Q_DECL_IMPORT
#endif
