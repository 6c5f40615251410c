#include "data/OperatingSystem.h"

#include "data/ArgumentVector.h"

#include <QFile>

#include <cerrno>
#include <mutex>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace OperatingSystem {

namespace {

// Whether the open file is still the one under that name, not one that its last holder removed.
bool stillNamed(int file, const QByteArray& path)
{
    struct stat held {};
    struct stat named {};
    return ::fstat(file, &held) == 0 && ::stat(path.constData(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

} // namespace

Result<> syncFile(QFileDevice& file)
{
    // EINVAL: a file system that cannot sync.
    if (::fsync(file.handle()) == 0 || errno == EINVAL)
        return {};
    return Failure{qt_error_string(errno)};
}

void syncFolder(const QString& folder)
{
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle >= 0) {
        ::fsync(handle);
        ::close(handle);
    }
}

Result<> replaceFile(const QString& path, const QString& newPath)
{
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(newPath).constData()) == 0)
        return {};
    return Failure{qt_error_string(errno)};
}

Link linkFile(const QString& path, const QString& linkPath, QString* error)
{
    if (::link(QFile::encodeName(path).constData(), QFile::encodeName(linkPath).constData()) == 0)
        return Link::Made;
    if (errno == EPERM || errno == EOPNOTSUPP || errno == EMLINK || errno == ENOSYS)
        return Link::Unsupported;
    if (error)
        *error = qt_error_string(errno);
    return Link::Failed;
}

std::optional<qint64> openFileSize(std::FILE* stream)
{
    struct stat status {};
    if (::fstat(fileno(stream), &status) != 0)
        return std::nullopt;
    return qint64(status.st_size);
}

FileLock lockFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    for (;;) {
        const int file = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (file < 0)
            return {FileLock::State::Unopened, -1, qt_error_string(errno)};
        if (::flock(file, LOCK_EX | LOCK_NB) == 0) {
            if (stillNamed(file, name))
                return {FileLock::State::Held, file, {}};
            ::close(file);
            continue;
        }
        const int reason = errno;
        ::close(file);
        if (reason == EWOULDBLOCK)
            return {FileLock::State::Busy, -1, {}};
        return {FileLock::State::Refused, -1, qt_error_string(reason)};
    }
}

void unlockFile(const FileLock& lock, const QString& path)
{
    ::unlink(QFile::encodeName(path).constData());
    ::close(int(lock.handle));
}

// The C library's stderr may be set like any variable: it becomes a stream that hands each write to the
// capture of the writing thread, or else to the standard error as before.
class StderrRoute {
public:
    static void ensure()
    {
        static std::once_flag routed;
        std::call_once(routed, [] {
            const cookie_io_functions_t functions{nullptr, &StderrRoute::write, nullptr, nullptr};
            FILE* stream = fopencookie(nullptr, "w", functions);
            if (!stream)
                return;
            setvbuf(stream, nullptr, _IONBF, 0);
            std::fflush(stderr);
            stderr = stream;
        });
    }

    static thread_local StderrCapture* t_current;

private:
    static ssize_t write(void*, const char* data, size_t size)
    {
        if (t_current) {
            t_current->m_text.append(data, qsizetype(size));
            return ssize_t(size);
        }
        size_t written = 0;
        while (written < size) {
            const ssize_t now = ::write(STDERR_FILENO, data + written, size - written);
            if (now < 0 && errno == EINTR)
                continue;
            if (now <= 0)
                return written > 0 ? ssize_t(written) : -1;
            written += size_t(now);
        }
        return ssize_t(written);
    }
};

thread_local StderrCapture* StderrRoute::t_current = nullptr;

StderrCapture::StderrCapture()
    : m_outer(std::exchange(StderrRoute::t_current, this))
{
    StderrRoute::ensure();
}

StderrCapture::~StderrCapture()
{
    StderrRoute::t_current = m_outer;
}

QString runInstead(const QString& program, const QStringList& arguments)
{
    ArgumentVector argv(QStringList{program} + arguments);
    ::execv(argv.program(), argv.data());
    return qt_error_string(errno);
}

} // namespace OperatingSystem
