#pragma once

#include "PlatformExport.h"

#include <QString>

namespace pellam::files {

// A hold on a file that several programs use: an advisory lock on a small
// file beside it, "<file>-hold", made when missing. Programs that work in
// the file hold it shared; one that replaces the file or removes it holds
// it exclusively, so it is refused while any other holds it, and the others
// cannot start meanwhile. The lock lives on a file of its own, apart from
// the locks SQLite takes on a database, so the two never meet; and it
// belongs to the open file, so the system drops it when a program ends or
// is killed and no stale hold is ever left behind.
class PELLAM_PLATFORM_EXPORT FileHold {
public:
    enum class Mode { Shared, Exclusive };

    FileHold() = default;
    ~FileHold();
    FileHold(FileHold&& other) noexcept;
    FileHold& operator=(FileHold&& other) noexcept;
    FileHold(const FileHold&) = delete;
    FileHold& operator=(const FileHold&) = delete;

    // "<file>-hold".
    static QString holdFileOf(const QString& file);

    // Takes the hold of `file`, waiting up to `waitMs` for a conflicting
    // one to be let go. False when another program still holds it; throws
    // PellamError 75 when the hold file can be neither opened nor made.
    bool take(const QString& file, Mode mode, int waitMs = 0);
    bool held() const { return handle_ >= 0; }
    void release();
    // For the hold of a temporary file, which ends with it: the hold file
    // is removed, while still held, when the hold is let go.
    void removeWhenReleased() { removeWhenReleased_ = true; }

private:
    QString holdFile_;
    qintptr handle_ = -1;
    bool removeWhenReleased_ = false;
};

} // namespace pellam::files
