#include "data/WholeFileWriter.h"

#include "data/OperatingSystem.h"

#include <QFileInfo>

namespace {

// Why the file could not take what was written to it. Where the disk took part of a write, Qt has no
// reason to give; the rest, flushed again, fails at once with the system's.
QString writeFailure(QSaveFile& file)
{
    file.flush();
    return file.errorString();
}

} // namespace

// Passes every write on to the file, and remembers the first that fails. A file device that the disk
// lets write only part of a piece returns that part as if all were well: the rest is written again.
class WholeFileWriter::Sink : public QIODevice {
public:
    explicit Sink(QSaveFile& file)
        : m_file(file)
    {
    }

    bool isSequential() const override { return true; }
    bool hasFailed() const { return m_failed; }

protected:
    qint64 readData(char*, qint64) override { return -1; }

    qint64 writeData(const char* data, qint64 size) override
    {
        for (qint64 written = 0; written < size && !m_failed;) {
            const qint64 now = m_file.write(data + written, size - written);
            m_failed = now <= 0;
            written += now;
        }
        if (!m_failed)
            return size;
        setErrorString(writeFailure(m_file));
        return -1;
    }

private:
    QSaveFile& m_file;
    bool m_failed = false;
};

WholeFileWriter::WholeFileWriter(const QString& path)
    : m_file(path)
    , m_sink(std::make_unique<Sink>(m_file))
{
}

WholeFileWriter::~WholeFileWriter() = default;

QIODevice* WholeFileWriter::device()
{
    return m_sink.get();
}

Result<> WholeFileWriter::open()
{
    if (!m_file.open(QIODevice::WriteOnly))
        return Failure{m_file.errorString()};
    m_sink->open(QIODevice::WriteOnly);
    return {};
}

Result<> WholeFileWriter::commit()
{
    if (m_sink->hasFailed())
        return Failure{m_sink->errorString()};
    // QSaveFile::commit() flushes its buffer but renames the file into place even when that flush fails,
    // and it ignores a failed sync: on a full disk a small file would take the old one's place empty. So
    // the buffer is flushed and the file synced here, where a failure is seen.
    if (!m_file.flush())
        return Failure{writeFailure(m_file)};
    if (const Result<> synced = OperatingSystem::syncFile(m_file); !synced)
        return synced;
    m_sink->close();
    if (!m_file.commit())
        return Failure{m_file.errorString()};
    OperatingSystem::syncFolder(QFileInfo(m_file.fileName()).absolutePath());
    return {};
}

Result<> WholeFileWriter::write(const QString& path, const QByteArray& content)
{
    WholeFileWriter writer(path);
    if (const Result<> opened = writer.open(); !opened)
        return opened;
    writer.device()->write(content);
    return writer.commit();
}
