#pragma once

#include "cli/ExitCode.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>

namespace pellam::cli {

// A mistake in how the tool was called: the message says which.
class UsageError : public CommandFailure {
public:
    explicit UsageError(const QString& message) : CommandFailure(ExitCode::CalledWrongly, message) {}
};

// `pellam [--home DIR] COMMAND [--option VALUE]...`, checked against the
// options each command takes.
class CommandLine {
public:
    // The arguments after the program's name. Throws UsageError.
    static CommandLine parse(const QStringList& arguments);
    static QString usage();
    // Whether the option names who runs the command (--user,
    // --password-stdin), which every command on existing books takes.
    static bool namesTheUser(const QString& option);

    QString home() const { return home_; }
    QString command() const { return command_; }
    // The file named after the command, for the commands that take one.
    QString file() const { return file_; }
    // The report of `report NAME`, the action of `voucher ACTION`.
    QString subject() const { return subject_; }
    // The words after the subject of the commands that take them (`import
    // mapping save NAME`: save, NAME).
    QStringList words() const { return words_; }
    // The voucher's number of `voucher show|edit|delete N`, as given.
    QString numberGiven() const { return number_; }
    bool has(const QString& option) const { return options_.contains(option); }
    QString text(const QString& option) const { return options_.value(option); }
    // The options given, by name, in no particular order.
    QStringList options() const { return options_.keys(); }
    // A whole number from `low` to `high`, or `fallback` when not given.
    qint64 number(const QString& option, qint64 fallback, qint64 low, qint64 high) const;
    // A day/month/year date, or `fallback` when not given.
    QDate date(const QString& option, const QDate& fallback) const;

private:
    QString home_;
    QString command_;
    QString file_;
    QString subject_;
    QString number_;
    QStringList words_;
    QHash<QString, QString> options_;
};

} // namespace pellam::cli
