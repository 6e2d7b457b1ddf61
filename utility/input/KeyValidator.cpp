#include "input/KeyValidator.h"

#include "input/KeyValidation.h"
#include "input/PrintableValidator.h"
#include "text/Windows1252.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace pellam::input {

namespace {

// The character code a key press types, or -1 for keys that type nothing.
int typedCode(const QKeyEvent* key)
{
    switch (key->key()) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    default: break;
    }
    const QString text = key->text();
    if (text.size() != 1 || !text.front().isPrint())
        return -1;
    return windows1252::code(text.front());
}

} // namespace

KeyValidator::KeyValidator(QWidget* entry, int kind, bool enterForTab, bool skipControlKeys)
    : QObject(entry), kind_(kind), enterForTab_(enterForTab), skipControlKeys_(skipControlKeys)
{
}

KeyValidator* KeyValidator::attach(QWidget* entry, int kind, bool enterForTab, bool skipControlKeys)
{
    auto* validator = new KeyValidator(entry, kind, enterForTab, skipControlKeys);
    QWidget* watched = entry;
    if (auto* combo = qobject_cast<QComboBox*>(entry); combo && combo->lineEdit())
        watched = combo->lineEdit();
    watched->installEventFilter(validator);
    // Keys are judged above; what arrives without keys is judged here.
    if (auto* box = qobject_cast<QLineEdit*>(watched); box && !box->validator())
        box->setValidator(new PrintableValidator(box));
    return validator;
}

bool KeyValidator::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const int code = typedCode(key);
    if (code < 0)
        return false;
    const KeyVerdict verdict = judgeKey(code, kind_, enterForTab_, skipControlKeys_);
    if (verdict.moveOn) {
        sendTab();
        return true;
    }
    if (verdict.code == 0)
        return true;
    if (verdict.code == code)
        return false;
    // The kind changed the character: type the changed one instead.
    const QString changed(windows1252::character(verdict.code));
    QKeyEvent replacement(QEvent::KeyPress, key->key(), key->modifiers(), changed, key->isAutoRepeat());
    QCoreApplication::sendEvent(watched, &replacement);
    return true;
}

} // namespace pellam::input
