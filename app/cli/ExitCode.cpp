#include "cli/ExitCode.h"

namespace pellam::cli {

namespace {

struct Meaning {
    ExitCode code;
    const char* text;
};

const Meaning kMeanings[] = {
    {ExitCode::Done, "done"},
    {ExitCode::Failed, "failed: a voucher refused by its checks, or an error in the books, a file or the system"},
    {ExitCode::CalledWrongly, "called wrongly: an unknown command or option, or a wrong value"},
    {ExitCode::NoBooks, "no books exist for the financial year"},
    {ExitCode::BooksExist, "the books to be made already exist (close-year: --yes replaces them)"},
    {ExitCode::OtherYearsBackup, "the backup seems to be of another year (restore: --yes takes it)"},
    {ExitCode::DamagedBooks, "the books or the backup are damaged: no year's books, no cash account, or vouchers that cannot be read"},
    {ExitCode::NothingToReport, "nothing to report: no records, or no cash account for the statement"},
    {ExitCode::CannotWrite, "a file or folder cannot be written"},
    {ExitCode::Cancelled, "cancelled: Ctrl+C stopped the report before its file was written"},
    {ExitCode::NotAllowed, "not allowed: an unknown user, a missing or wrong password, or an action the user's role does not allow"},
};

} // namespace

QString exitCodeList()
{
    QString list;
    for (const Meaning& m : kMeanings)
        list += QStringLiteral("  %1  %2\n").arg(int(m.code)).arg(QLatin1String(m.text));
    return list;
}

} // namespace pellam::cli
