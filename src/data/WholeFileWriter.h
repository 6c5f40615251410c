#pragma once

#include "data/Result.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <memory>

// Writes a file whole or not at all, and onto the disk before it counts as written: the content goes to a
// temporary file beside it, which takes the file's name only once every byte of it is on the disk. Until
// then, and after any failure, a file already standing under that name stays as it was.
class WholeFileWriter {
public:
    explicit WholeFileWriter(const QString& path);
    ~WholeFileWriter();
    WholeFileWriter(const WholeFileWriter&) = delete;
    WholeFileWriter& operator=(const WholeFileWriter&) = delete;

    Result<> open();
    // Where the content goes, for writers that write to a QIODevice (it cannot seek). A write that fails
    // fails commit(), also where the writer does not look at what its writes return.
    QIODevice* device();
    // Puts the file in place; fails, with the system's reason, when any of it could not be written.
    Result<> commit();

    // A file's whole content at once.
    static Result<> write(const QString& path, const QByteArray& content);

private:
    class Sink;

    QSaveFile m_file;
    std::unique_ptr<Sink> m_sink;
};
