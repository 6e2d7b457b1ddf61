#pragma once

#include <QString>
#include <stdexcept>

namespace pellam::cli {

// What `pellam` answers, each code once; what each means is in
// exitCodeList(). 0, 1 and 2 keep their meaning; the others name the
// refusals a script may want to tell apart.
enum class ExitCode : int {
    Done = 0,
    Failed = 1,
    CalledWrongly = 2,
    NoBooks = 3,
    BooksExist = 4,
    OtherYearsBackup = 5,
    DamagedBooks = 6,
    NothingToReport = 7,
    CannotWrite = 8,
    Cancelled = 9,
    NotAllowed = 10,
};

// The exit codes with what each means, in order, as `pellam --help` lists
// them: "  0  done\n  1  ...".
QString exitCodeList();

// A refusal of the command line's own: the message is the whole error line
// after "pellam: ", the code what the program exits with.
class CommandFailure : public std::runtime_error {
public:
    CommandFailure(ExitCode code, const QString& message)
        : std::runtime_error(message.toStdString()), code_(code), message_(message)
    {
    }
    ExitCode code() const { return code_; }
    QString message() const { return message_; }

private:
    ExitCode code_;
    QString message_;
};

} // namespace pellam::cli
