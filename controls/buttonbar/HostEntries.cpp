#include "buttonbar/HostEntries.h"

#include "common/HostForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>

#include <functional>

namespace pellam::ctl {

namespace {

bool isEntry(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QTextEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w);
}

// Every control of the form in creation order, without looking inside
// entry controls or composites (whose parts are no controls of the form).
void forEachControl(QWidget* parent, const std::function<void(QWidget*)>& act)
{
    if (!parent)
        return;
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow())
            continue;
        act(w);
        if (!isEntry(w) && !isComposite(w))
            forEachControl(w, act);
    }
}

void clearEntry(QWidget* w)
{
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        // A masked box keeps its literals and shows blanks to fill.
        edit->clear();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
        plain->clear();
    } else if (auto* rich = qobject_cast<QTextEdit*>(w)) {
        rich->clear();
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (combo->isEditable())
            combo->clearEditText();
        else
            combo->setCurrentIndex(-1);
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        check->setCheckState(Qt::Unchecked);
    } else if (auto* option = qobject_cast<QRadioButton*>(w)) {
        // An exclusive group never lets its last checked button go.
        const bool exclusive = option->autoExclusive();
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(exclusive);
    }
}

} // namespace

void HostEntries::setEnabled(QWidget* form, bool enabled)
{
    forEachControl(form, [enabled](QWidget* w) {
        if (isEntry(w))
            w->setEnabled(enabled);
    });
}

void HostEntries::empty(QWidget* form, bool clearTags)
{
    forEachControl(form, [clearTags](QWidget* w) {
        if (isEntry(w))
            clearEntry(w);
        if (clearTags && w->property("Tag").isValid())
            w->setProperty("Tag", QString());
    });
}

} // namespace pellam::ctl
