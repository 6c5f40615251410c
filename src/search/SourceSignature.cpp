#include "search/SourceSignature.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The first page of a SQLite file, with the header that counts the changes committed.
constexpr qint64 SampledBytes = 4096;

// FNV-1a: the same in every run, and fast enough to take before every search.
quint64 hashOf(const QByteArray& bytes)
{
    quint64 hash = 14695981039346656037ULL;
    for (const char byte : bytes) {
        hash ^= quint8(byte);
        hash *= 1099511628211ULL;
    }
    return hash;
}

} // namespace

QString sourceSignature(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return QStringLiteral("missing");
    QFile file(path);
    // A file that cannot be opened is told by its size and time; reading it says why it cannot be read.
    const QByteArray sample = file.open(QIODevice::ReadOnly) ? file.read(SampledBytes) : QByteArray();
    return QStringLiteral("%1 %2 %3")
        .arg(info.size())
        .arg(info.lastModified().toMSecsSinceEpoch())
        .arg(hashOf(sample), 16, 16, QLatin1Char('0'));
}
