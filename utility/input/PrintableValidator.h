#pragma once

#include "UtilExport.h"

#include <QValidator>

namespace pellam::input {

// Keeps control characters out of a line edit: typing cannot enter them,
// but pasting, dropping or setting a text can, and the books would then
// carry a line break or a printer code into every report. Each one becomes
// a blank, as the reports would print it, so that the words of a pasted
// text of several lines stay apart. A password box keeps what was typed:
// its text is compared, never printed.
class PELLAM_UTIL_EXPORT PrintableValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

} // namespace pellam::input
