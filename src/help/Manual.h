#pragma once

#include "data/Result.h"

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>

// A manual the help viewer shows, whichever its format: a Windows Help file (an officer's own manual),
// told by its signature, or one of Velcarin's own SQLite help files.
class Manual {
public:
    struct Topic {
        QString title;
        QString html;
        QString text; // plain, a line break after each paragraph
    };

    // A picture a topic shows; the topic's HTML names it <img src="velcarin-picture:NAME">.
    struct Hotspot {
        QRect area;     // in the picture's pixels
        QString target; // where a click on it leads, as a link of the topic's HTML names it
    };
    struct Picture {
        QSize size;
        QByteArray pixels; // 32-bit 0xAARRGGBB words, row by row from the top, no padding
        QList<Hotspot> hotspots;
    };

    virtual ~Manual() = default;

    // Opens a help file; the reason, naming the file, when it cannot be shown.
    static Result<std::unique_ptr<Manual>> open(const QString& path);

    virtual QString title() const = 0;
    // The topic of a context number: nothing when the manual has no such topic, the reason when it cannot
    // be read.
    virtual Result<std::optional<Topic>> topic(int context) const = 0;
    // The topic of a context name of the help project ("idh_Open"), the same way.
    virtual Result<std::optional<Topic>> topicNamed(const QString& contextName) const = 0;
    // The topic a manual opens with, the same way; Velcarin's own help files have none.
    virtual Result<std::optional<Topic>> contentsTopic() const = 0;
    // A picture its topics' HTML names; the reason when there is none by that name or it cannot be read.
    virtual Result<Picture> picture(const QString& name) const;
};
