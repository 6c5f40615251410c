#include "data/legacy/ConversionLock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

ConversionLock::ConversionLock(const QString& folder)
    : m_path(pathIn(folder))
{
}

ConversionLock::~ConversionLock()
{
    if (m_lock.state == OperatingSystem::FileLock::State::Held)
        OperatingSystem::unlockFile(m_lock, m_path);
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

Result<> ConversionLock::acquire(std::chrono::milliseconds patience)
{
    const QDeadlineTimer deadline(patience);
    for (;;) {
        m_lock = OperatingSystem::lockFile(m_path);
        switch (m_lock.state) {
        case OperatingSystem::FileLock::State::Held:
            return {};
        case OperatingSystem::FileLock::State::Unopened:
            return Failure{
                QCoreApplication::translate("ConversionLock", "The folder \"%1\" cannot be written: %2")
                    .arg(shownFolder(), m_lock.reason)};
        case OperatingSystem::FileLock::State::Refused:
            return Failure{QCoreApplication::translate("ConversionLock", "\"%1\" cannot be locked: %2")
                               .arg(QDir::toNativeSeparators(m_path), m_lock.reason)};
        case OperatingSystem::FileLock::State::Busy:
            break;
        }
        if (deadline.hasExpired())
            return Failure{QCoreApplication::translate(
                               "ConversionLock", "Another Velcarin is still converting the databases in "
                                                 "\"%1\"; try again when it has finished.")
                               .arg(shownFolder())};
        QThread::msleep(20);
    }
}
