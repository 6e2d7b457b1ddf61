#pragma once

// A full disk without root: a limit on the size of the files a process may
// write (RLIMIT_FSIZE), with the signal that would end it ignored, so that
// a write past the limit fails with "File too large" as one into a full
// disk fails with "No space left on device".
#include <QProcess>

#include <csignal>
#include <sys/resource.h>

namespace pellam::test {

// This process, while the object lives. Files already bigger stay readable.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &before_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = before_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit before_{};
    void (*previous_)(int) = SIG_DFL;
};

// A child process, from before it starts its program.
inline void limitFileSize(QProcess& process, rlim_t bytes)
{
    process.setChildProcessModifier([bytes] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, bytes};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
}

} // namespace pellam::test
