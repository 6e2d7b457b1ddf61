#include "dialogs/Dialogs.h"

#include "dialogs/QtDialogs.h"

namespace pellam {

namespace {

std::unique_ptr<Dialogs>& current()
{
    static std::unique_ptr<Dialogs> service = std::make_unique<QtDialogs>();
    return service;
}

} // namespace

Dialogs::~Dialogs() = default;

QList<MessageAnswer> answersOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return {MessageAnswer::Ok};
    case MessageButtons::OkCancel: return {MessageAnswer::Ok, MessageAnswer::Cancel};
    case MessageButtons::YesNo: return {MessageAnswer::Yes, MessageAnswer::No};
    case MessageButtons::YesNoCancel:
        return {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel};
    case MessageButtons::AbortRetryIgnore:
        return {MessageAnswer::Abort, MessageAnswer::Retry, MessageAnswer::Ignore};
    case MessageButtons::RetryCancel: return {MessageAnswer::Retry, MessageAnswer::Cancel};
    }
    return {MessageAnswer::Ok};
}

QString answerName(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Ok: return QStringLiteral("OK");
    case MessageAnswer::Cancel: return QStringLiteral("Cancel");
    case MessageAnswer::Yes: return QStringLiteral("Yes");
    case MessageAnswer::No: return QStringLiteral("No");
    case MessageAnswer::Abort: return QStringLiteral("Abort");
    case MessageAnswer::Retry: return QStringLiteral("Retry");
    case MessageAnswer::Ignore: return QStringLiteral("Ignore");
    }
    return {};
}

Dialogs& dialogs()
{
    return *current();
}

std::unique_ptr<Dialogs> setDialogs(std::unique_ptr<Dialogs> service)
{
    if (!service)
        service = std::make_unique<QtDialogs>();
    std::swap(current(), service);
    return service;
}

} // namespace pellam
