#pragma once

#include <QDate>
#include <QString>

namespace pellam::app {

// What the start-up window shows while the books are prepared, and the
// backup it can be asked to run.
class StartupView {
public:
    virtual ~StartupView() = default;
    virtual void setStatus(const QString& text) = 0;
    // The upgrade's own progress line.
    virtual void setUpgradeText(const QString& text) = 0;
    // Runs the backup window on its own (no questions) and waits for it.
    virtual void runAutomaticBackup() = 0;
};

// The start-up of the program, without its window: preparing the folders,
// then, for a confirmed working date, finding and opening that year's books,
// backing them up when due, checking and repairing them.
class StartupRun {
public:
    enum class Outcome { Ready, EndProgram };

    explicit StartupRun(StartupView& view) : view_(view) {}

    // Before the date is asked: folders, temporary files, run-wide names.
    // False when the program cannot go on.
    bool prepare();
    // After the user confirmed `workingDate`.
    Outcome openBooks(const QDate& workingDate);

private:
    bool findBooks(const QString& yearLabel);
    void upgrade();
    void verifyBooks();
    void status(const QString& text) { view_.setStatus(text); }

    StartupView& view_;
};

// The title kept in the settings file, unscrambled; empty when there is none.
QString storedApplicationTitle();

} // namespace pellam::app
