#pragma once

#include "help/Manual.h"

#include <QDateTime>
#include <QString>

#include <map>
#include <memory>

// The manuals the help viewer has opened, kept so that a further topic, or a step back or forward, does
// not read and parse a whole manual again. A manual is opened anew when its file changed on disk.
class OpenManuals {
public:
    // The manual of a help file as Manual::open gives it, opened again only when its file changed since;
    // the reason of Manual::open when it cannot be shown.
    Result<const Manual*> open(const QString& path);

private:
    // What tells a help file from the one a kept manual was read from: a write changes its size or time
    // of change, a file put in its place its time of birth, a change of rights whether it can be read.
    struct FileStamp {
        qint64 size = 0;
        QDateTime modified;
        QDateTime born;
        bool readable = false;

        bool operator==(const FileStamp&) const = default;
    };
    struct KeptManual {
        FileStamp stamp;
        std::unique_ptr<Manual> manual;
    };

    static FileStamp stampOf(const QString& path);

    std::map<QString, KeptManual> m_kept;
};
