#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The legacy Access files of the tests and what mdb-export prints of them, in tests/testdata/legacy-access.
inline QString legacyFile(const QString& name)
{
    return qEnvironmentVariable("VELCARIN_TEST_DATA") + QStringLiteral("/legacy-access/") + name;
}

inline QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
