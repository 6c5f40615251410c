#include "help/OpenManuals.h"

#include <QFileInfo>

Result<const Manual*> OpenManuals::open(const QString& path)
{
    // Stamped before it is read: a file that changes while it is read is read again next time.
    const FileStamp stamp = stampOf(path);
    const auto kept = m_kept.find(path);
    if (kept != m_kept.end() && kept->second.stamp == stamp)
        return static_cast<const Manual*>(kept->second.manual.get());
    Result<std::unique_ptr<Manual>> manual = Manual::open(path);
    if (!manual) {
        // Nothing kept for a file that cannot be shown: every request reports it as it stands.
        if (kept != m_kept.end())
            m_kept.erase(kept);
        return Failure{manual.error()};
    }
    KeptManual& entry = m_kept[path];
    entry = {stamp, std::move(*manual)};
    return static_cast<const Manual*>(entry.manual.get());
}

OpenManuals::FileStamp OpenManuals::stampOf(const QString& path)
{
    const QFileInfo file(path);
    return {file.size(), file.lastModified(), file.birthTime(), file.isReadable()};
}
