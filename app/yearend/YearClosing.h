#pragma once

#include "data/FinancialYear.h"

#include <QDateTime>
#include <QString>
#include <functional>

namespace pellam::yearend {

// Creates the books of the year that follows the open one: a checked copy
// of the template, the ledger heads, institutions, post settings, users and
// the institutions' lists of heads carried over with their numbers, and an
// opening for every head in every institution: the closing balance for the
// cash account and the balance heads (unless told to give zero openings),
// a zero debit for the others. The open year's books are only read.
class YearClosing {
public:
    struct Reporter {
        std::function<void(const QString&)> log;   // each step, in the log's words
        std::function<void(int)> progress;         // percent done

        void say(const QString& text) const
        {
            if (log)
                log(text);
        }
        void done(int percent) const
        {
            if (progress)
                progress(percent);
        }
    };

    // `openBooks` is the open year's file; the new file goes beside it.
    YearClosing(QString appFolder, QString openBooks, const data::FinancialYear& openYear);

    const data::FinancialYear& newYear() const { return newYear_; }
    // False: every head opens at zero debit, balances are typed in later.
    void setCarryForward(bool carry) { carryForward_ = carry; }
    QString newBooks() const { return newBooks_; }
    bool newBooksExist() const;

    // Builds the new books under a temporary name and renames them into
    // place only when complete. When the new file exists it is replaced
    // only if `replaceExisting`, after a checked safety copy; the copy's
    // name is returned (empty when there was nothing to replace).
    // The new books are held exclusively throughout: while another program
    // has them open, PellamError 3261 is thrown before anything is done.
    // What an interrupted closing left is removed first, and logged.
    // Throws PellamError on any failure and then leaves no new file behind
    // (an existing one stays as it was).
    QString run(bool replaceExisting, const Reporter& reporter, const QDateTime& now = QDateTime::currentDateTime());

    // "BackUp/tempbak143005account2728.bak": the safety copy of a replaced
    // new year's books.
    QString safetyCopyName(const QDateTime& now) const;

private:
    void build(const QString& file, const Reporter& reporter);
    // The unfinished new books and safety copies of interrupted closings of
    // this year, removed; a line for the log for each.
    QStringList removeUnfinished() const;
    QString backupFolder() const;

    QString appFolder_;
    QString openBooks_;
    data::FinancialYear openYear_;
    data::FinancialYear newYear_;
    bool carryForward_ = true;
    QString newBooks_;
};

} // namespace pellam::yearend
