#include "files/FileReplace.h"

#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace pellam::files {

namespace {

const QString kSource = QStringLiteral("Pellam files");

#ifndef Q_OS_WIN
QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// One step that never replaces: the kernel refuses an existing target.
// File systems without that refusal get a hard link, which refuses too.
int renameWithoutReplacing(const QByteArray& from, const QByteArray& to)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
#endif
    if (::link(from.constData(), to.constData()) != 0)
        return errno;
    ::unlink(from.constData());
    return 0;
}
#endif

} // namespace

void syncFile(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadWrite | QIODevice::ExistingOnly) && !f.open(QIODevice::ReadOnly))
        throw PellamError(PathAccessError, QStringLiteral("Cannot open %1 to flush it to the disk.").arg(file), kSource);
#ifdef Q_OS_WIN
    const int rc = _commit(f.handle());
#else
    const int rc = ::fsync(f.handle());
#endif
    if (rc != 0)
        throw PellamError(DeviceIOError, QStringLiteral("Cannot flush %1 to the disk.").arg(file), kSource);
}

void syncFolder(const QString& folder)
{
#ifdef Q_OS_WIN
    // A rename there is made with MOVEFILE_WRITE_THROUGH: it reaches the
    // disk before it returns, and a folder cannot be flushed on its own.
    Q_UNUSED(folder);
#else
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        throw PellamError(DeviceIOError,
                          QStringLiteral("Cannot open the folder %1 to flush it to the disk: %2").arg(folder, reason(errno)),
                          kSource);
    const int rc = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    if (rc != 0 && error != EINVAL && error != ENOTSUP)
        throw PellamError(DeviceIOError, QStringLiteral("Cannot flush the folder %1 to the disk: %2").arg(folder, reason(error)),
                          kSource);
#endif
}

void replaceFile(const QString& temporary, const QString& target, IfTargetExists ifExists)
{
    syncFile(temporary);
    const auto failed = [&](int number, const QString& why) {
        return PellamError(number, QStringLiteral("Cannot rename %1 to %2: %3").arg(temporary, target, why), kSource);
    };
#ifdef Q_OS_WIN
    DWORD flags = MOVEFILE_WRITE_THROUGH;
    if (ifExists == IfTargetExists::Replace)
        flags |= MOVEFILE_REPLACE_EXISTING;
    if (!MoveFileExW(reinterpret_cast<const wchar_t*>(temporary.utf16()), reinterpret_cast<const wchar_t*>(target.utf16()),
                     flags)) {
        const DWORD error = GetLastError();
        if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)
            throw failed(FileExists, QStringLiteral("the file exists"));
        throw failed(PathAccessError, QStringLiteral("system error %1").arg(error));
    }
#else
    const QByteArray from = QFile::encodeName(temporary), to = QFile::encodeName(target);
    const int error = ifExists == IfTargetExists::Replace ? (std::rename(from.constData(), to.constData()) == 0 ? 0 : errno)
                                                          : renameWithoutReplacing(from, to);
    if (error == EEXIST)
        throw failed(FileExists, reason(error));
    if (error != 0)
        throw failed(PathAccessError, reason(error));
#endif
    syncFolder(QFileInfo(target).absolutePath());
}

QString whyNotWritten(QFileDevice& file)
{
#ifndef Q_OS_WIN
    if (file.isOpen() && file.handle() >= 0 && ::write(file.handle(), "", 1) < 0)
        return reason(errno);
#endif
    return file.errorString();
}

bool commitAndSync(QSaveFile& file, QString& why)
{
    why.clear();
    // QSaveFile refuses to commit after a write that failed, but not after
    // a failure of the last flush or of the sync, both of which it makes
    // while it commits: a file cut short by a full disk would be renamed
    // into place. So both are made, and checked, here first.
    if (!file.flush() || file.error() != QFileDevice::NoError)
        why = whyNotWritten(file);
#ifdef Q_OS_WIN
    else if (_commit(file.handle()) != 0)
        why = QStringLiteral("the file cannot be flushed to the disk");
#else
    else if (::fsync(file.handle()) != 0)
        why = reason(errno);
#endif
    if (!why.isEmpty()) {
        file.cancelWriting();
        file.commit(); // removes the temporary file
        return false;
    }
    if (!file.commit()) {
        why = file.errorString();
        return false;
    }
    try {
        syncFolder(QFileInfo(file.fileName()).absolutePath());
    } catch (const PellamError& e) {
        why = e.Description();
        return false;
    }
    return true;
}

PellamError cannotWrite(const QString& file, const QString& reason)
{
    QString why = reason.simplified();
    if (why.isEmpty())
        why = QStringLiteral("the file was not written in full");
    return PellamError(DeviceIOError, QStringLiteral("The file %1 cannot be written: %2").arg(QDir::toNativeSeparators(file), why),
                       kSource);
}

} // namespace pellam::files
