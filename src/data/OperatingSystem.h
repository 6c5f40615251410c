#pragma once

#include "data/Result.h"

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

// The file-system and process calls that Qt does not offer, in one place. Each kind of system has its own
// source file: OperatingSystem_posix.cpp.
namespace OperatingSystem {

// Writes what an open file holds through to the disk. Succeeds also on a file system that cannot sync,
// where written is as far as a file gets; fails, with the system's reason, when the disk did not take it.
Result<> syncFile(QFileDevice& file);

// Writes a folder's list of names through to the disk, so that a file renamed into it is found there
// after a loss of power. Where that cannot be done, nothing is done.
void syncFolder(const QString& folder);

// Renames a file in one step, replacing a file that stands under the new name: the name holds the old
// file or the new, never neither. Fails, with the system's reason, when it cannot be done.
Result<> replaceFile(const QString& path, const QString& newPath);

enum class Link { Made, Unsupported, Failed };
// Gives a file a second name in its folder, the same file under both. Unsupported where the file system
// has no such names (FAT on a memory stick); Failed, with the system's reason, for any other refusal.
Link linkFile(const QString& path, const QString& linkPath, QString* error);

// The size of the file that a C stream has open; nothing when the system cannot tell.
std::optional<qint64> openFileSize(std::FILE* stream);

// The system's exclusive lock on a file, held by this process alone. The system releases it when the
// process ends, however it ends.
struct FileLock {
    enum class State { Held, Busy, Unopened, Refused };
    State state = State::Unopened;
    qintptr handle = -1; // while Held
    QString reason;      // why Unopened or Refused
};
// Creates the file if needed and takes its lock without waiting: Held, Busy while another process holds
// it, Unopened when the file cannot be created or opened, Refused when it cannot be locked. A file that
// the last holder removed while this took its lock is not held: the lock is taken on the file that
// stands under the name.
FileLock lockFile(const QString& path);
// Removes the locked file, then releases its lock.
void unlockFile(const FileLock& lock, const QString& path);

// While one lives, what its thread prints to the C library's stderr is kept in it instead of printed;
// other threads print to the standard error as before. For libraries that report only on stderr.
class StderrCapture {
public:
    StderrCapture();
    ~StderrCapture();
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    const QByteArray& text() const { return m_text; }

private:
    friend class StderrRoute;
    StderrCapture* m_outer;
    QByteArray m_text;
};

// Runs a program in this process's place, with the arguments given. Returns only when it could not be
// started, with the system's reason.
QString runInstead(const QString& program, const QStringList& arguments);

} // namespace OperatingSystem
