#include "input/FormControls.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>

#include <functional>

namespace pellam::input {

namespace {

const char* const kComposite = "pellamComposite";

// Calls `act` on every entry control below `parent`, without looking inside
// entry controls, composites, spin boxes or item views.
void forEachControl(QWidget* parent, const std::function<void(QWidget*, const QString&)>& act)
{
    if (!parent)
        return;
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w)
            continue;
        const QString type = controlTypeName(w);
        if (type == QLatin1String("TextBox") || type == QLatin1String("MaskEdBox") ||
            type == QLatin1String("ComboBox") || type == QLatin1String("CheckBox") ||
            type == QLatin1String("OptionButton")) {
            act(w, type);
            continue;
        }
        if (w->property(kComposite).toBool() || qobject_cast<QAbstractSpinBox*>(w) ||
            qobject_cast<QAbstractItemView*>(w))
            continue;
        forEachControl(w, act);
    }
}

} // namespace

QString controlTypeName(const QWidget* widget)
{
    if (!widget)
        return {};
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->inputMask().isEmpty() ? QStringLiteral("TextBox") : QStringLiteral("MaskEdBox");
    if (qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTextEdit*>(widget))
        return QStringLiteral("TextBox");
    if (qobject_cast<const QComboBox*>(widget))
        return QStringLiteral("ComboBox");
    if (qobject_cast<const QCheckBox*>(widget))
        return QStringLiteral("CheckBox");
    if (qobject_cast<const QRadioButton*>(widget))
        return QStringLiteral("OptionButton");
    return QString::fromLatin1(widget->metaObject()->className());
}

void markComposite(QWidget* widget)
{
    widget->setProperty(kComposite, true);
}

void setEntriesEnabled(QWidget* form, bool enabled)
{
    forEachControl(form, [enabled](QWidget* w, const QString& type) {
        if (type != QLatin1String("OptionButton"))
            w->setEnabled(enabled);
    });
}

void emptyEntries(QWidget* form)
{
    forEachControl(form, [](QWidget* w, const QString& type) {
        if (type == QLatin1String("TextBox")) {
            if (auto* edit = qobject_cast<QLineEdit*>(w))
                edit->clear();
            else if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
                plain->clear();
            else if (auto* rich = qobject_cast<QTextEdit*>(w))
                rich->clear();
            w->setProperty("Tag", QString());
        } else if (type == QLatin1String("MaskEdBox")) {
            // Clearing keeps the mask's literals and shows the blank
            // character in every place to fill.
            static_cast<QLineEdit*>(w)->clear();
        } else if (type == QLatin1String("ComboBox")) {
            auto* combo = static_cast<QComboBox*>(w);
            if (combo->isEditable())
                combo->clearEditText();
            else
                combo->setCurrentIndex(-1);
        } else if (type == QLatin1String("CheckBox")) {
            static_cast<QCheckBox*>(w)->setCheckState(Qt::Unchecked);
        } else if (type == QLatin1String("OptionButton")) {
            auto* option = static_cast<QRadioButton*>(w);
            // An exclusive group never lets its last checked button go.
            const bool exclusive = option->autoExclusive();
            option->setAutoExclusive(false);
            option->setChecked(false);
            option->setAutoExclusive(exclusive);
        }
    });
}

} // namespace pellam::input
