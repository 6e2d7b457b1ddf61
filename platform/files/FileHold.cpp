#include "files/FileHold.h"

#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace pellam::files {

namespace {

constexpr int kPollMs = 15;

[[noreturn]] void cannotOpen(const QString& holdFile, const QString& why)
{
    throw PellamError(PathAccessError, QStringLiteral("Cannot open the hold file %1: %2").arg(holdFile, why),
                      QStringLiteral("Pellam files"));
}

#ifdef Q_OS_WIN
qintptr openHoldFile(const QString& holdFile)
{
    const HANDLE h = CreateFileW(reinterpret_cast<const wchar_t*>(holdFile.utf16()), GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        cannotOpen(holdFile, QStringLiteral("system error %1").arg(GetLastError()));
    return reinterpret_cast<qintptr>(h);
}

bool lock(qintptr handle, FileHold::Mode mode)
{
    OVERLAPPED at = {};
    const DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (mode == FileHold::Mode::Exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
    return LockFileEx(reinterpret_cast<HANDLE>(handle), flags, 0, 1, 0, &at);
}

// A file open there cannot be removed and made again under its name.
bool stillNamed(qintptr, const QString&)
{
    return true;
}

void closeHandle(qintptr handle)
{
    CloseHandle(reinterpret_cast<HANDLE>(handle));
}
#else
qintptr openHoldFile(const QString& holdFile)
{
    const QByteArray name = QFile::encodeName(holdFile);
    int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    // A hold file made by another user may be only readable; a lock
    // needs no more.
    if (fd < 0 && (errno == EACCES || errno == EROFS))
        fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        cannotOpen(holdFile, QString::fromLocal8Bit(std::strerror(errno)));
    return fd;
}

bool lock(qintptr handle, FileHold::Mode mode)
{
    return ::flock(int(handle), (mode == FileHold::Mode::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) == 0;
}

// The hold of a temporary file goes with it: a lock won on a hold file
// that was removed meanwhile holds nothing.
bool stillNamed(qintptr handle, const QString& holdFile)
{
    struct stat opened, named;
    return ::fstat(int(handle), &opened) == 0 && ::stat(QFile::encodeName(holdFile).constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

void closeHandle(qintptr handle)
{
    ::close(int(handle));
}
#endif

} // namespace

FileHold::~FileHold()
{
    release();
}

FileHold::FileHold(FileHold&& other) noexcept
    : holdFile_(std::move(other.holdFile_)), handle_(other.handle_), removeWhenReleased_(other.removeWhenReleased_)
{
    other.handle_ = -1;
}

FileHold& FileHold::operator=(FileHold&& other) noexcept
{
    if (this != &other) {
        release();
        holdFile_ = std::move(other.holdFile_);
        handle_ = other.handle_;
        removeWhenReleased_ = other.removeWhenReleased_;
        other.handle_ = -1;
    }
    return *this;
}

QString FileHold::holdFileOf(const QString& file)
{
    return file + QStringLiteral("-hold");
}

bool FileHold::take(const QString& file, Mode mode, int waitMs)
{
    release();
    removeWhenReleased_ = false;
    holdFile_ = holdFileOf(file);
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        const qintptr handle = openHoldFile(holdFile_);
        while (!lock(handle, mode)) {
            if (deadline.hasExpired()) {
                closeHandle(handle);
                return false;
            }
            QThread::msleep(kPollMs);
        }
        if (stillNamed(handle, holdFile_)) {
            handle_ = handle;
            return true;
        }
        closeHandle(handle);
    }
}

void FileHold::release()
{
    if (handle_ < 0)
        return;
    if (removeWhenReleased_)
        QFile::remove(holdFile_);
    closeHandle(handle_);
    handle_ = -1;
}

} // namespace pellam::files
