#include "cli/ImportCommand.h"

#include "cli/ExitCode.h"
#include "data/ImportMappings.h"
#include "data/VoucherImport.h"

#include <QFile>

namespace pellam::cli {

namespace {

// What each action of `import` takes: its words after the action (the
// file, the mapping's name, a rule's number) and its options.
struct ImportAction {
    const char* subject;
    const char* action;   // "" for `import vouchers`
    QStringList words;    // names of the words, for the message
    QStringList options;
};

const QList<ImportAction>& importActions()
{
    static const QStringList mappingOptions{QStringLiteral("date-column"),   QStringLiteral("date-format"),
                                            QStringLiteral("credit-column"), QStringLiteral("debit-column"),
                                            QStringLiteral("narration-column"), QStringLiteral("bill-column"),
                                            QStringLiteral("shop")};
    static const QList<ImportAction> actions{
        {"vouchers", "", {QStringLiteral("the name of a file")},
         {QStringLiteral("dry-run"), QStringLiteral("allow-duplicates"), QStringLiteral("mapping"),
          QStringLiteral("default-head")}},
        {"mapping", "save", {QStringLiteral("the mapping's name")}, mappingOptions},
        {"mapping", "list", {}, {}},
        {"mapping", "show", {QStringLiteral("the mapping's name")}, {}},
        {"mapping", "delete", {QStringLiteral("the mapping's name")}, {}},
        {"rule", "add", {QStringLiteral("the mapping's name")}, {QStringLiteral("contains"), QStringLiteral("head")}},
        {"rule", "list", {QStringLiteral("the mapping's name")}, {}},
        {"rule", "delete", {QStringLiteral("the mapping's name"), QStringLiteral("the rule's number")}, {}},
    };
    return actions;
}

// The action the words name, with the words that follow it.
std::pair<const ImportAction*, QStringList> actionOf(const CommandLine& line)
{
    QStringList words = line.words();
    const QString subject = line.subject();
    QStringList known;
    for (const ImportAction& action : importActions()) {
        if (subject != QLatin1String(action.subject))
            continue;
        if (*action.action == '\0')
            return {&action, words};
        known << QLatin1String(action.action);
        if (!words.isEmpty() && words.first() == QLatin1String(action.action))
            return {&action, words.mid(1)};
    }
    throw UsageError(QStringLiteral("import %1 needs one of: %2").arg(subject, known.join(QStringLiteral(", "))));
}

QString describe(const data::ImportMapping& m)
{
    QString text = QStringLiteral("date '%1' as %2, credit '%3', debit '%4', narration '%5'")
                       .arg(m.dateColumn, m.dateFormat, m.creditColumn, m.debitColumn, m.narrationColumn);
    if (!m.billColumn.isEmpty())
        text += QStringLiteral(", bill '%1'").arg(m.billColumn);
    return text + QStringLiteral("; institution %1").arg(m.shopId);
}

} // namespace

ImportCommand::ImportCommand(const CommandLine& line, db::Connection& conn, int cashAccNo,
                             const data::FinancialYear& year, QTextStream& out, QTextStream& err)
    : line_(line), conn_(conn), cashAccNo_(cashAccNo), year_(year), out_(out), err_(err)
{
}

void ImportCommand::checkUsage(const CommandLine& line)
{
    const auto [action, words] = actionOf(line);
    const QString name = *action->action == '\0' ? QStringLiteral("import %1").arg(line.subject())
                                                 : QStringLiteral("import %1 %2").arg(line.subject(), action->action);
    if (words.size() < action->words.size())
        throw UsageError(*action->action == '\0' ? QStringLiteral("'import' needs the name of a file")
                                                 : QStringLiteral("'%1' needs %2").arg(name, action->words[words.size()]));
    if (words.size() > action->words.size())
        throw UsageError(QStringLiteral("unexpected argument '%1'").arg(words[action->words.size()]));
    for (const QString& option : line.options())
        if (option != QLatin1String("year") && !CommandLine::namesTheUser(option) && !action->options.contains(option))
            throw UsageError(QStringLiteral("'%1' takes no option '--%2'").arg(name, option));
    if (line.has(QStringLiteral("default-head")) && !line.has(QStringLiteral("mapping")))
        throw UsageError(QStringLiteral("--default-head goes with --mapping"));
}

data::Action ImportCommand::action(const CommandLine& line)
{
    const QString first = line.words().value(0);
    if (line.subject() != QLatin1String("vouchers") &&
        (first == QLatin1String("list") || first == QLatin1String("show")))
        return data::Action::ReadBooks;
    return data::Action::ImportVouchers;
}

void ImportCommand::run()
{
    checkUsage(line_);
    if (line_.subject() == QLatin1String("mapping"))
        mapping();
    else if (line_.subject() == QLatin1String("rule"))
        rule();
    else
        importVouchers();
}

std::unique_ptr<data::ImportLayout> ImportCommand::bankLayout() const
{
    if (!line_.has(QStringLiteral("mapping")))
        return nullptr;
    auto layout = data::bankStatementLayout(conn_, cashAccNo_, line_.text(QStringLiteral("mapping")),
                                            line_.text(QStringLiteral("default-head")));
    if (const QString* problem = std::get_if<QString>(&layout))
        throw CommandFailure(ExitCode::Failed, *problem);
    return std::move(std::get<0>(layout));
}

void ImportCommand::importVouchers()
{
    const QString file = line_.words().constFirst();
    const std::unique_ptr<data::ImportLayout> layout = bankLayout();
    QFile input(file);
    const auto unreadable = [&] {
        return CommandFailure(ExitCode::Failed, QStringLiteral("The file %1 cannot be read: %2").arg(file, input.errorString()));
    };
    if (!input.open(QIODevice::ReadOnly))
        throw unreadable();
    QByteArray bytes = input.readAll();
    if (input.error() != QFileDevice::NoError)
        throw unreadable();

    const std::optional<QString> user = data::voucherUser(conn_, line_.text(QStringLiteral("user")));
    data::VoucherImport import(conn_, cashAccNo_, year_.start, year_.end, *user);
    const data::CheckedImport checked =
        import.check(std::move(bytes), line_.has(QStringLiteral("allow-duplicates")), layout.get());

    if (!checked.errors.isEmpty()) {
        out_.flush();
        for (const data::LineNote& error : std::as_const(checked.errors))
            err_ << file << ':' << error.line << ": " << error.message << Qt::endl;
        throw CommandFailure(ExitCode::Failed, QStringLiteral("%1 refused; nothing was imported from %2")
                                                   .arg(data::countedText(checked.errors.size(), "row", "rows"), file));
    }
    for (const data::LineNote& duplicate : std::as_const(checked.duplicates))
        out_ << file << ':' << duplicate.line << ": " << duplicate.message << Qt::endl;
    if (line_.has(QStringLiteral("dry-run"))) {
        out_ << QStringLiteral("Checked %1; nothing was stored (--dry-run)").arg(data::checkedSummary(checked)) << Qt::endl;
        return;
    }
    const data::JournalRange range = checked.vouchers.isEmpty() ? data::JournalRange{} : import.store(checked);
    out_ << data::importedSummary(checked, range) << Qt::endl;
}

void ImportCommand::mapping()
{
    data::ImportMappings mappings(conn_);
    const QStringList words = line_.words();
    const QString action = words.constFirst();
    if (action == QLatin1String("list")) {
        for (const data::ImportMapping& m : mappings.all())
            out_ << m.name << ": " << describe(m) << Qt::endl;
        return;
    }
    const QString name = words.value(1);
    if (action == QLatin1String("save")) {
        data::ImportMapping m;
        m.name = name;
        m.dateColumn = line_.text(QStringLiteral("date-column"));
        m.dateFormat = line_.text(QStringLiteral("date-format"));
        m.creditColumn = line_.text(QStringLiteral("credit-column"));
        m.debitColumn = line_.text(QStringLiteral("debit-column"));
        m.narrationColumn = line_.text(QStringLiteral("narration-column"));
        m.billColumn = line_.text(QStringLiteral("bill-column"));
        if (!line_.has(QStringLiteral("shop")))
            throw CommandFailure(ExitCode::Failed, QStringLiteral("The mapping needs its institution (--shop N)."));
        m.shopId = line_.number(QStringLiteral("shop"), 0, 0, std::numeric_limits<qint32>::max());
        if (const std::optional<QString> problem = mappings.save(m))
            throw CommandFailure(ExitCode::Failed, *problem);
        out_ << QStringLiteral("Saved the import mapping %1").arg(name.trimmed()) << Qt::endl;
        return;
    }
    const std::optional<data::ImportMapping> m = mappings.find(name);
    if (!m)
        throw CommandFailure(ExitCode::Failed, data::ImportMappings::noMapping(name));
    if (action == QLatin1String("show")) {
        out_ << m->name << ": " << describe(*m) << Qt::endl;
        for (const data::ImportRule& r : mappings.rules(m->name))
            out_ << QStringLiteral("rule %1: '%2' -> %3").arg(r.number).arg(r.contains, r.headCode) << Qt::endl;
        return;
    }
    const qsizetype rules = mappings.rules(m->name).size();
    mappings.remove(m->name);
    out_ << QStringLiteral("Deleted the import mapping %1 and its %2").arg(m->name, data::countedText(rules, "rule", "rules"))
         << Qt::endl;
}

void ImportCommand::rule()
{
    data::ImportMappings mappings(conn_);
    const QStringList words = line_.words();
    const QString action = words.constFirst();
    const QString name = words.value(1);
    if (action == QLatin1String("add")) {
        const auto added = mappings.addRule(name, line_.text(QStringLiteral("contains")), line_.text(QStringLiteral("head")));
        if (const QString* problem = std::get_if<QString>(&added))
            throw CommandFailure(ExitCode::Failed, *problem);
        out_ << std::get<qint64>(added) << Qt::endl;
        return;
    }
    const std::optional<data::ImportMapping> m = mappings.find(name);
    if (!m)
        throw CommandFailure(ExitCode::Failed, data::ImportMappings::noMapping(name));
    if (action == QLatin1String("list")) {
        for (const data::ImportRule& r : mappings.rules(m->name))
            out_ << QStringLiteral("rule %1: '%2' -> %3").arg(r.number).arg(r.contains, r.headCode) << Qt::endl;
        return;
    }
    bool ok = false;
    const qint64 number = words.value(2).toLongLong(&ok);
    if (!ok || !mappings.removeRule(m->name, number))
        throw CommandFailure(ExitCode::Failed,
                             QStringLiteral("The mapping %1 has no rule '%2'.").arg(m->name, words.value(2)));
    out_ << QStringLiteral("Deleted rule %1 of %2").arg(number).arg(m->name) << Qt::endl;
}

} // namespace pellam::cli
