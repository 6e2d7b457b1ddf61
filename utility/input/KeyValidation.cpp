#include "input/KeyValidation.h"

#include "text/Windows1252.h"

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

namespace pellam::input {

namespace {

const QString kSymbols = QStringLiteral(".~!@#$%^&*()_+=-][}{<>|\\`/?;:,'\"");

bool isDigit(int c) { return c >= '0' && c <= '9'; }
bool isUpperAZ(int c) { return c >= 'A' && c <= 'Z'; }
bool isLowerAZ(int c) { return c >= 'a' && c <= 'z'; }
bool isSymbol(int c) { return c >= 0 && c < 128 && kSymbols.contains(QChar(c)); }

// Case conversion by the desktop's rules, kept inside the code page: a
// character whose other case the page lacks stays as it is.
int toUpper(int c)
{
    const QChar ch = windows1252::character(c);
    const QString up = QString(ch).toUpper();
    if (up.size() != 1)
        return c;
    const int u = windows1252::code(up.front());
    return (u == '?' && c != '?') ? c : u;
}

int toLower(int c)
{
    const QChar ch = windows1252::character(c);
    const QString low = QString(ch).toLower();
    if (low.size() != 1)
        return c;
    const int l = windows1252::code(low.front());
    return (l == '?' && c != '?') ? c : l;
}

int passIf(bool ok, int c) { return ok ? c : 0; }

} // namespace

KeyVerdict judgeKey(int code, int kind, bool enterForTab, bool skipControlKeys)
{
    if (skipControlKeys && (code == 8 || code == 46))
        return {code, false};
    if (enterForTab && code == 13)
        return {code, true};
    switch (kind) {
    case UpperCase: return {toUpper(code)};
    case UcaseAlphabetOnly: { const int u = toUpper(code); return {passIf(isUpperAZ(u), u)}; }
    case NumberOnly: return {passIf(isDigit(code), code)};
    case NumwithDecimalPoint: return {passIf(isDigit(code) || code == '.', code)};
    case NumAndSpecialChar: return {passIf(isDigit(code) || isSymbol(code), code)};
    case AnyAlphabet: return {passIf(isUpperAZ(code), code)};
    case NumAndAlphabetOnly: {
        if (isDigit(code))
            return {code};
        const int u = toUpper(code);
        return {passIf(isUpperAZ(u), u)};
    }
    case NumAndAlphaAnyCase: return {passIf(isDigit(code) || isUpperAZ(code) || isLowerAZ(code), code)};
    case LowerCase: return {toLower(code)};
    case LowerCaseAlphabetOnly: { const int l = toLower(code); return {passIf(isLowerAZ(l), l)}; }
    case UCaseAlphaSpace: { const int u = toUpper(code); return {passIf(isUpperAZ(u) || u == ' ', u)}; }
    case LCaseAlphaSpace: { const int l = toLower(code); return {passIf(isLowerAZ(l) || l == ' ', l)}; }
    case AlphaSpecialChar: return {passIf(isSymbol(code) || isUpperAZ(toUpper(code)), code)};
    default: return {code};
    }
}

void sendTab()
{
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    if (target)
        QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier,
                                                          QStringLiteral("\t")));
}

} // namespace pellam::input
