#include "text/FixedFont.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace pellam {

QFont fixedPitchFont()
{
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (QFontInfo(fixed).fixedPitch())
        return fixed;
    QFont courier(QStringLiteral("Liberation Mono"));
    courier.setStyleHint(QFont::Monospace);
    return courier;
}

} // namespace pellam
