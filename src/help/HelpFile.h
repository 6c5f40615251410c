#pragma once

#include "data/Database.h"
#include "data/Result.h"

#include <QString>

#include <optional>

// A help file of the program folder: a SQLite file with the manual's title and its topics by
// context number, each topic a title and simple HTML, and an index of keywords when the file has the
// table `keywords` (keyword, context); each text is read as readableText makes it. The pictures its HTML
// names <img src="velcarin-picture:NAME"> stand in a table pictures (name, bitmap), each a Windows bitmap
// file.
class HelpFile {
public:
    struct Topic {
        int context = 0;
        QString title;
        QString html;
    };

    // Opens a SQLite file as a help file; nothing, and why not in `error`, when it is not one.
    static std::optional<HelpFile> open(const QString& path, QString* error);

    const QString& title() const { return m_title; }
    std::optional<Topic> topic(int context) const;
    // Every topic by its context number, without its HTML.
    QList<Topic> titles() const;
    // The keywords in alphabetical order with the context numbers of their topics; none without an index.
    Result<QList<std::pair<QString, QList<int>>>> keywords() const;
    // The bitmap file of a picture; the reason when there is none by that name.
    Result<QByteArray> bitmap(const QString& name) const;

private:
    Database m_database;
    QString m_title;
};
