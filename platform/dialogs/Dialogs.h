#pragma once

#include "PlatformExport.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QPrinter;

namespace pellam {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, AbortRetryIgnore, RetryCancel };
enum class MessageIcon { None, Information, Question, Exclamation, Critical };
enum class MessageAnswer { Ok, Cancel, Yes, No, Abort, Retry, Ignore };

struct MessageRequest {
    QString text;
    QString title;               // empty: the application's name
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    int defaultButton = 0;       // 0 is the first button of `buttons`
    bool helpButton = false;
};

struct InputRequest {
    QString prompt;
    QString title;
    QString defaultText;
    bool secret = false;         // a password: the typed text is not shown
};

struct FileRequest {
    enum class Mode { Open, Save, Folder }; // Folder: an existing folder, `folder` proposed
    Mode mode = Mode::Open;
    QString title;
    QString folder;
    QString fileName;
    QString filter;              // "Text files (*.txt);;All files (*)"
};

struct PrinterRequest {
    QPrinter* printer = nullptr; // the printer to set up; may be null
    int copies = 1;              // in: proposed; out: chosen
};

// The answers a set of buttons offers, in the order they stand.
PELLAM_PLATFORM_EXPORT QList<MessageAnswer> answersOf(MessageButtons buttons);
PELLAM_PLATFORM_EXPORT QString answerName(MessageAnswer answer);

// Every message box, input box and file choice of the program goes through
// this service, so that tests can answer them and read what was shown.
class PELLAM_PLATFORM_EXPORT Dialogs {
public:
    virtual ~Dialogs();
    virtual MessageAnswer message(const MessageRequest& request) = 0;
    // The typed text, or nothing when the user cancelled.
    virtual std::optional<QString> input(const InputRequest& request) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> file(const FileRequest& request) = 0;
    // The printer dialog; false when the user cancelled.
    virtual bool printer(PrinterRequest& request) = 0;
};

// The service in use: the Qt one unless a test (or the command-line tool)
// installed another.
PELLAM_PLATFORM_EXPORT Dialogs& dialogs();

// Installs `service` and hands back the one it replaces.
PELLAM_PLATFORM_EXPORT std::unique_ptr<Dialogs> setDialogs(std::unique_ptr<Dialogs> service);

} // namespace pellam
