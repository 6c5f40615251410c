#pragma once

#include "data/OperatingSystem.h"
#include "data/Result.h"

#include <QString>

#include <chrono>

// One conversion at a time in a data folder, whichever process runs it: held while databases there are
// converted, replaced or tidied up after an interrupted conversion. The lock is the kernel's lock on a
// hidden file in the folder, so a process that dies holding it holds it no longer; the file is removed
// when the lock is released, and a file left by a process that died is taken over by the next.
class ConversionLock {
public:
    explicit ConversionLock(const QString& folder);
    ~ConversionLock();
    ConversionLock(const ConversionLock&) = delete;
    ConversionLock& operator=(const ConversionLock&) = delete;

    // Waits while another process holds the lock, at most for the time given; fails when the lock cannot be
    // had.
    Result<> acquire(std::chrono::milliseconds patience = std::chrono::minutes(1));

    // Whether the lock's file is there: held now, or left by a process that died.
    static bool isInFolder(const QString& folder);

private:
    static QString pathIn(const QString& folder);
    QString shownFolder() const;

    QString m_path;
    OperatingSystem::FileLock m_lock;
};
