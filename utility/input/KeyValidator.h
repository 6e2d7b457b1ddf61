#pragma once

#include "UtilExport.h"

#include <QObject>

class QWidget;

namespace pellam::input {

// Filters the keys typed into one entry field by a validation kind: keys the
// kind refuses are dropped, letters are turned to the kind's case, and Enter
// moves to the next field. Keys with Ctrl or Alt (copy, paste, menu
// shortcuts) and keys that type nothing (arrows, Delete) are left alone.
// A line edit also gets a PrintableValidator, so that a text pasted into it
// brings no control characters.
class PELLAM_UTIL_EXPORT KeyValidator : public QObject {
    Q_OBJECT
public:
    // Attaches a validator to `entry` (owned by it) and returns it. For an
    // editable combo box the validator watches its line edit.
    static KeyValidator* attach(QWidget* entry, int kind, bool enterForTab = true,
                                bool skipControlKeys = true);

    int kind() const { return kind_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyValidator(QWidget* entry, int kind, bool enterForTab, bool skipControlKeys);

    int kind_;
    bool enterForTab_;
    bool skipControlKeys_;
};

} // namespace pellam::input
