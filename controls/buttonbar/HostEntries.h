#pragma once

class QWidget;

namespace pellam::ctl {

// What the record bar does to the entry controls of its form: text boxes,
// masked boxes, combo boxes, check boxes and option buttons anywhere on the
// form, but not inside composite controls (grids, the bar itself).
class HostEntries {
public:
    static void setEnabled(QWidget* form, bool enabled);
    // Text boxes lose their text, masked boxes show only their mask, lists
    // select nothing, check boxes and option buttons are cleared; with
    // `clearTags` every control's "Tag" becomes empty too.
    static void empty(QWidget* form, bool clearTags);
};

} // namespace pellam::ctl
