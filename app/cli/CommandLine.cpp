#include "cli/CommandLine.h"

#include "format/DateText.h"

#include <QMap>

namespace pellam::cli {

namespace {

// What each command takes: options with a value, flags without one, and
// whether a file name follows the command or (for the commands whose
// subjects each take their own) any words do.
struct CommandSpec {
    QStringList options;
    QStringList flags;
    bool takesFile = false;
    bool takesWords = false;
};

const QMap<QString, CommandSpec>& commands()
{
    // Every command on existing books names who runs it.
    const auto asUser = [](CommandSpec spec) {
        spec.options.append(QStringLiteral("user"));
        spec.flags.append(QStringLiteral("password-stdin"));
        return spec;
    };
    static const QMap<QString, CommandSpec> specs = {
        {QStringLiteral("init"), {{QStringLiteral("year")}, {}}},
        {QStringLiteral("check"), asUser({{QStringLiteral("date")}, {}})},
        {QStringLiteral("backup"), asUser({{QStringLiteral("date"), QStringLiteral("to")}, {}})},
        {QStringLiteral("restore"), asUser({{QStringLiteral("date")}, {QStringLiteral("yes")}, true})},
        {QStringLiteral("close-year"),
         asUser({{QStringLiteral("date")}, {QStringLiteral("yes"), QStringLiteral("zero-openings")}})},
        {QStringLiteral("demo"),
         {{QStringLiteral("year"), QStringLiteral("institutions"), QStringLiteral("heads"), QStringLiteral("vouchers"),
           QStringLiteral("seed")},
          {}}},
        {QStringLiteral("report"),
         asUser({{QStringLiteral("date"), QStringLiteral("shops"), QStringLiteral("from"), QStringLiteral("to"),
           QStringLiteral("heads"), QStringLiteral("ref"), QStringLiteral("page-offset"), QStringLiteral("format"),
           QStringLiteral("out"), QStringLiteral("quarter"), QStringLiteral("month")},
          {QStringLiteral("shop-column"), QStringLiteral("lines"), QStringLiteral("narration"),
           QStringLiteral("with-opening")}})},
        {QStringLiteral("voucher"),
         asUser({{QStringLiteral("year"), QStringLiteral("date"), QStringLiteral("shop"), QStringLiteral("head"),
           QStringLiteral("amount"), QStringLiteral("narration"), QStringLiteral("bill"), QStringLiteral("from"), QStringLiteral("to"), QStringLiteral("format")},
          {QStringLiteral("receipt"), QStringLiteral("payment"), QStringLiteral("yes")}})},
        {QStringLiteral("import"),
         asUser({{QStringLiteral("year"), QStringLiteral("mapping"), QStringLiteral("default-head"),
           QStringLiteral("date-column"), QStringLiteral("date-format"), QStringLiteral("credit-column"),
           QStringLiteral("debit-column"), QStringLiteral("narration-column"), QStringLiteral("bill-column"),
           QStringLiteral("shop"), QStringLiteral("contains"), QStringLiteral("head")},
          {QStringLiteral("dry-run"), QStringLiteral("allow-duplicates")},
          false,
          true})},
        {QStringLiteral("carry-forward"), asUser({{QStringLiteral("date")}, {}})},
        {QStringLiteral("lock"),
         asUser({{QStringLiteral("date"), QStringLiteral("until")}, {QStringLiteral("show"), QStringLiteral("clear")}})},
        {QStringLiteral("help"), {}},
    };
    return specs;
}

const QString kCommandList =
    QStringLiteral("init, check, backup, restore, close-year, carry-forward, lock, demo, report, voucher, import");

// What follows the commands that name what they do: the reports `pellam
// report` makes, what `pellam voucher` does; and what each list is called.
struct Subjects {
    QStringList names;
    QString what;
};

const QMap<QString, Subjects>& subjects()
{
    static const QMap<QString, Subjects> lists = {
        {QStringLiteral("report"),
         {{QStringLiteral("ledger"), QStringLiteral("recpay"), QStringLiteral("summary"), QStringLiteral("monthly"),
           QStringLiteral("quarterly")},
          QStringLiteral("report")}},
        {QStringLiteral("voucher"),
         {{QStringLiteral("add"), QStringLiteral("show"), QStringLiteral("edit"), QStringLiteral("delete"),
           QStringLiteral("list")},
          QStringLiteral("voucher action")}},
        {QStringLiteral("import"),
         {{QStringLiteral("vouchers"), QStringLiteral("mapping"), QStringLiteral("rule")}, QStringLiteral("import")}},
        {QStringLiteral("carry-forward"), {{QStringLiteral("check"), QStringLiteral("update")}, QStringLiteral("action")}},
    };
    return lists;
}

// The voucher actions that take the voucher's number.
bool takesNumber(const CommandLine& line)
{
    return line.command() == QLatin1String("voucher") && line.subject() != QLatin1String("add") &&
           line.subject() != QLatin1String("list");
}

} // namespace

QString CommandLine::usage()
{
    return QStringLiteral(
        "Usage: pellam [--home DIR] COMMAND [OPTIONS]\n"
        "The books of one financial year (1 April to 31 March) without a window.\n"
        "\n"
        "  init [--year YYYY]            the application folder, the template and the books\n"
        "                                of the year that begins in April YYYY\n"
        "  check [--date dd/mm/yyyy]     the start-up checks and repairs on that date's books;\n"
        "                                prints each repair\n"
        "  backup [--date D] [--to FILE] a checked copy of that date's books\n"
        "  restore FILE [--date D] [--yes]\n"
        "                                puts a checked backup in place of that date's books,\n"
        "                                keeping a copy of them; --yes takes a backup that\n"
        "                                seems to be of another year\n"
        "  close-year [--date D] [--yes] [--zero-openings]\n"
        "                                creates the next year's books from that date's books,\n"
        "                                the cash account and the balance heads opening at\n"
        "                                their closing balances (--zero-openings: every head\n"
        "                                at zero); --yes replaces existing ones, keeping a copy\n"
        "  carry-forward check|update [--date D]\n"
        "                                on that date's books: lists the cash account's and the\n"
        "                                balance heads' openings that differ from their closing\n"
        "                                in the year before (exit 1 if any); update writes those\n"
        "                                closings as the openings\n"
        "  lock --until D | --show | --clear [--date D]\n"
        "                                locks that date's books up to D (a day of their year):\n"
        "                                no voucher on or before it is added, changed or deleted\n"
        "                                and no opening changes; --show prints the lock,\n"
        "                                --clear removes it\n"
        "  demo [--year YYYY] [--institutions N] [--heads N] [--vouchers N] [--seed S]\n"
        "                                sample books (3 institutions, 40 heads, 2000 vouchers)\n"
        "  report ledger [--date D] [--shops 1,3|all] [--heads CODE,...|all] [--from D] [--to D]\n"
        "                [--ref none|jou|bill|sl] [--shop-column] [--lines] [--narration]\n"
        "                [--page-offset N] [--format text|pdf|xlsx] [--out FILE]\n"
        "                                the ledger of that date's books (default: every\n"
        "                                institution and head, the whole year, text on the\n"
        "                                terminal)\n"
        "  report recpay [--date D] [--shops 1,3|all] [--from D] [--to D]\n"
        "                [--ref none|jou|bill|sl] [--shop-column] [--lines] [--narration]\n"
        "                [--page-offset N] [--format text|pdf|xlsx] [--out FILE]\n"
        "                                the receipt and payment account (the cash book) of\n"
        "                                that date's books (default: every institution, the\n"
        "                                whole year, text on the terminal)\n"
        "  report summary [--date D] [--shops 1,3|all] [--from D] [--to D] [--with-opening]\n"
        "                 [--format text|pdf|xlsx] [--out FILE]\n"
        "                                every head's income and expense for the period\n"
        "                                (default: every institution, the whole year);\n"
        "                                --with-opening adds the cash opening and closing\n"
        "  report monthly [--date D] [--shops 1,3|all] [--month 1..12] [--format text|pdf]\n"
        "                 [--out FILE]\n"
        "                                the monthly statement (default: every institution,\n"
        "                                the month of the date)\n"
        "  report quarterly [--date D] [--shops 1,3|all] [--quarter first|second|third|fourth]\n"
        "                   [--lines] [--format text|pdf|xlsx] [--out FILE]\n"
        "                                the quarterly statement (default: every institution,\n"
        "                                the quarter that holds the date)\n"
        "  voucher add --date D --shop N --receipt|--payment --head CODE --amount A\n"
        "              [--narration TEXT] [--bill B] [--user ID] [--year YYYY]\n"
        "                                stores a voucher with the voucher window's checks and\n"
        "                                prints its number; the user defaults to the books'\n"
        "                                first user\n"
        "  voucher show N [--year YYYY]  the voucher's fields, one a line\n"
        "  voucher edit N [--year YYYY] [any of add's options]\n"
        "                                changes the given fields of voucher N\n"
        "  voucher delete N [--year YYYY] --yes\n"
        "                                deletes voucher N\n"
        "  voucher list [--year YYYY] [--date D | --from D --to D] [--shop N] [--head CODE]\n"
        "               [--format text|csv]\n"
        "                                the vouchers of the year (or of the days given)\n"
        "                                oldest first; csv has a header row and ISO dates\n"
        "  import vouchers FILE [--year YYYY] [--dry-run] [--allow-duplicates]\n"
        "                 [--mapping NAME [--default-head CODE]]\n"
        "                                stores the vouchers of a CSV file (a header row naming\n"
        "                                date, institution, type, head, amount, narration, bill\n"
        "                                number) in one go, each checked as voucher add checks\n"
        "                                it; any row refused stores none. Rows already in the\n"
        "                                books are skipped unless --allow-duplicates; --dry-run\n"
        "                                only checks. With --mapping the file is a bank's\n"
        "                                statement: a credit is a receipt, a debit a payment,\n"
        "                                and the mapping's rules give the heads\n"
        "  import mapping save NAME --date-column C --date-format F --credit-column C\n"
        "                 --debit-column C --narration-column C [--bill-column C] --shop N\n"
        "                                saves how a bank's CSV reads (its column names; a date\n"
        "                                format such as dd/mm/yyyy or dd-mmm-yy)\n"
        "  import mapping list | show NAME | delete NAME\n"
        "  import rule add NAME --contains TEXT --head CODE\n"
        "                                a row whose description holds TEXT goes to the head;\n"
        "                                the first rule added that matches wins\n"
        "  import rule list NAME | delete NAME N\n"
        "\n"
        "--home DIR is the application folder (default: $PELLAM_HOME, else the user's data folder).\n"
        "The date defaults to today, the year to the one that holds today; voucher and import\n"
        "work on the books of --year, else on this year's.\n"
        "A report shows how far it has come on a terminal; Ctrl+C stops it and leaves no file.\n"
        "Every command but init and demo takes --user ID [--password-stdin]: the user who runs it,\n"
        "with that user's rights. Books where any user has a password need both: the password is\n"
        "typed on the terminal, or read as one line from standard input with --password-stdin.\n"
        "Without --user, books without passwords are worked on as an Administrator.\n"
        "\n"
        "Exit codes:\n") +
           exitCodeList();
}

bool CommandLine::namesTheUser(const QString& option)
{
    return option == QLatin1String("user") || option == QLatin1String("password-stdin");
}

CommandLine CommandLine::parse(const QStringList& arguments)
{
    CommandLine line;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            line.command_ = QStringLiteral("help");
            return line;
        }
        if (!argument.startsWith(QLatin1String("--"))) {
            if (subjects().contains(line.command_) && line.subject_.isEmpty()) {
                const Subjects& known = subjects()[line.command_];
                if (!known.names.contains(argument))
                    throw UsageError(QStringLiteral("unknown %1 '%2' (%1s: %3)")
                                         .arg(known.what, argument, known.names.join(QStringLiteral(", "))));
                line.subject_ = argument;
                continue;
            }
            if (takesNumber(line) && line.number_.isEmpty()) {
                line.number_ = argument;
                continue;
            }
            if (commands().value(line.command_).takesWords) {
                line.words_.append(argument);
                continue;
            }
            if (!line.command_.isEmpty()) {
                if (!commands().value(line.command_).takesFile || !line.file_.isEmpty())
                    throw UsageError(QStringLiteral("unexpected argument '%1'").arg(argument));
                line.file_ = argument;
                continue;
            }
            if (!commands().contains(argument))
                throw UsageError(QStringLiteral("unknown command '%1' (commands: %2)").arg(argument, kCommandList));
            line.command_ = argument;
            continue;
        }
        const QString name = argument.mid(2);
        if (!line.command_.isEmpty() && commands().value(line.command_).flags.contains(name)) {
            line.options_.insert(name, QString());
            continue;
        }
        if (i + 1 >= arguments.size())
            throw UsageError(QStringLiteral("%1 needs a value").arg(argument));
        const QString value = arguments[++i];
        if (name == QLatin1String("home") && line.command_.isEmpty())
            line.home_ = value;
        else if (!line.command_.isEmpty() && commands().value(line.command_).options.contains(name))
            line.options_.insert(name, value);
        else
            throw UsageError(line.command_.isEmpty()
                                 ? QStringLiteral("unknown option '%1' before the command").arg(argument)
                                 : QStringLiteral("'%1' takes no option '%2'").arg(line.command_, argument));
    }
    if (line.command_.isEmpty())
        throw UsageError(QStringLiteral("no command given (commands: %1; --help for more)").arg(kCommandList));
    if (commands().value(line.command_).takesFile && line.file_.isEmpty())
        throw UsageError(QStringLiteral("'%1' needs the name of a file").arg(line.command_));
    if (subjects().contains(line.command_) && line.subject_.isEmpty()) {
        const Subjects& known = subjects()[line.command_];
        throw UsageError(QStringLiteral("%1 needs the %2's name (%2s: %3)")
                             .arg(line.command_, known.what, known.names.join(QStringLiteral(", "))));
    }
    if (takesNumber(line) && line.number_.isEmpty())
        throw UsageError(QStringLiteral("voucher %1 needs the voucher's number").arg(line.subject_));
    return line;
}

qint64 CommandLine::number(const QString& option, qint64 fallback, qint64 low, qint64 high) const
{
    if (!has(option))
        return fallback;
    bool ok = false;
    const qint64 value = text(option).toLongLong(&ok);
    if (!ok || value < low || value > high)
        throw UsageError(QStringLiteral("--%1 must be a whole number from %2 to %3, not '%4'")
                             .arg(option).arg(low).arg(high).arg(text(option)));
    return value;
}

QDate CommandLine::date(const QString& option, const QDate& fallback) const
{
    if (!has(option))
        return fallback;
    const auto parsed = datetext::parse(text(option));
    if (!parsed)
        throw UsageError(QStringLiteral("--%1 must be a date as dd/mm/yyyy, not '%2'").arg(option, text(option)));
    return *parsed;
}

} // namespace pellam::cli
