#pragma once

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

// While alive, no file of this process (nor of the programs it starts) may
// grow beyond `bytes`: writes past it fail with EFBIG, as on a full disk.
// SIGXFSZ is ignored so the write fails instead of ending the process.
// Windows has no such limit: there `supported` is false, and the suites skip
// these cases; tst_asx_document's failing device stands for a full disk on
// every system.
class FileSizeLimit final
{
public:
#ifdef Q_OS_UNIX
    static constexpr bool supported = true;

    explicit FileSizeLimit(qint64 bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = rlim_t(bytes);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
#else
    static constexpr bool supported = false;

    explicit FileSizeLimit(qint64) { }
#endif
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
#ifdef Q_OS_UNIX
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
#endif
};

#define SKIP_WITHOUT_FILE_SIZE_LIMIT()                                                                      \
    if (!FileSizeLimit::supported)                                                                          \
    QSKIP("This system has no per-process file size limit to stand for a full disk")
