#pragma once

#include "UtilExport.h"

#include <QString>

class QWidget;

namespace pellam::input {

// The kind of entry control a widget is: "TextBox" (a line edit without an
// input mask, or a plain text editor), "MaskEdBox" (a line edit with a mask),
// "ComboBox", "CheckBox", "OptionButton"; anything else its class name.
PELLAM_UTIL_EXPORT QString controlTypeName(const QWidget* widget);

// Marks a widget built of other widgets (a grid, a button bar) whose inner
// fields the form-wide helpers must leave alone.
PELLAM_UTIL_EXPORT void markComposite(QWidget* widget);

// Enables or disables every text box, masked box, combo box and check box
// of a form; option buttons, labels, buttons and composites are left alone.
PELLAM_UTIL_EXPORT void setEntriesEnabled(QWidget* form, bool enabled);

// Empties every entry control of a form: text boxes lose their text and
// their "Tag", masked boxes show only their mask, drop-down lists select
// nothing, check boxes and option buttons are cleared.
PELLAM_UTIL_EXPORT void emptyEntries(QWidget* form);

} // namespace pellam::input
