#include "search/SourceSignature.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace {

// One page of a SQLite file at each end: its header, with the change counter, and the last page written.
constexpr qint64 SampledBytes = 4096;

} // namespace

QString sourceSignature(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return QStringLiteral("missing");
    QCryptographicHash hash(QCryptographicHash::Sha1);
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        hash.addData(file.read(SampledBytes));
        if (file.size() > SampledBytes && file.seek(std::max(SampledBytes, file.size() - SampledBytes)))
            hash.addData(file.read(SampledBytes));
    }
    return QStringLiteral("%1 %2 %3")
        .arg(info.size())
        .arg(info.lastModified().toMSecsSinceEpoch())
        .arg(QString::fromLatin1(hash.result().toHex()));
}
