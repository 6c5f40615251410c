#pragma once

#include "data/Database.h"
#include "data/Result.h"

#include <QString>
#include <QStringList>

// The data folder with Velcarin's four databases under their fixed names.
class Store {
public:
    explicit Store(QString dataDir);

    const QString& dataDir() const { return m_dataDir; }
    QString pathOf(const QString& fileName) const;

    // Opens one of the four databases after checking that it holds the tables and fields the program
    // reads. Only the cargo table may ever be written, so every other file is opened read-only.
    Result<Database> open(const QString& fileName) const;

    // One message for each database that cannot be used, naming the file and what is wrong.
    QStringList problems() const;

private:
    QString m_dataDir;
};
