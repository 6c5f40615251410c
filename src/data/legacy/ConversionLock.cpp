#include "data/legacy/ConversionLock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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

ConversionLock::ConversionLock(const QString& folder)
    : m_path(pathIn(folder))
{
}

ConversionLock::~ConversionLock()
{
    if (m_file < 0)
        return;
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_file);
}

bool ConversionLock::isInFolder(const QString& folder)
{
    return QFileInfo::exists(pathIn(folder));
}

QString ConversionLock::pathIn(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral(".velcarin-conversion.lock"));
}

QString ConversionLock::shownFolder() const
{
    return QDir::toNativeSeparators(QFileInfo(m_path).absolutePath());
}

bool ConversionLock::acquire(QString* error, std::chrono::milliseconds patience)
{
    const QByteArray path = QFile::encodeName(m_path);
    const QDeadlineTimer deadline(patience);
    for (;;) {
        const int file = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (file < 0) {
            *error = QCoreApplication::translate("ConversionLock", "The folder \"%1\" cannot be written: %2")
                         .arg(shownFolder(), qt_error_string(errno));
            return false;
        }
        if (::flock(file, LOCK_EX | LOCK_NB) == 0) {
            if (stillNamed(file, path)) {
                m_file = file;
                return true;
            }
            ::close(file);
            continue;
        }
        const int reason = errno;
        ::close(file);
        if (reason != EWOULDBLOCK) {
            *error = QCoreApplication::translate("ConversionLock", "\"%1\" cannot be locked: %2")
                         .arg(QDir::toNativeSeparators(m_path), qt_error_string(reason));
            return false;
        }
        if (deadline.hasExpired()) {
            *error = QCoreApplication::translate("ConversionLock",
                                                 "Another Velcarin is still converting the databases in "
                                                 "\"%1\"; try again when it has finished.")
                         .arg(shownFolder());
            return false;
        }
        QThread::msleep(20);
    }
}
