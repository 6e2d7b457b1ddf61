#include "input/PrintableValidator.h"

#include "format/PrintableText.h"

#include <QLineEdit>

namespace pellam::input {

QValidator::State PrintableValidator::validate(QString& input, int&) const
{
    const auto* box = qobject_cast<const QLineEdit*>(parent());
    if (!box || box->echoMode() == QLineEdit::Normal)
        input = printable(input); // one blank for one character: the cursor stays put
    return Acceptable;
}

} // namespace pellam::input
