#pragma once

#include "data/Result.h"
#include "help/TopicLink.h"

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// A manual the help viewer shows, whichever its format: a Windows Help file (an officer's own manual),
// told by its signature, or one of Velcarin's own SQLite help files.
//
// A topic target names a topic the way `velcarin-cli help FILE TARGET` takes it: its context number
// ("1005", "0x80880404"); for a topic that no number maps to, its place in file order counted from 1
// ("#12"); for a link into a Windows Help file whose context names cannot be seen from here, the hash of
// its context name ("~1A2B3C4D").
class Manual {
public:
    struct Topic {
        QString title;
        QString html;
        QString text;      // plain, a line break after each paragraph
        QString fixedHtml; // the region at its top that does not scroll; empty when it has none
        QString target;
        // The targets of the topics before and after it in its browse sequence; empty when none.
        QString browseBack;
        QString browseForward;
        QList<TopicLink> links; // the jumps and popups of its HTML
    };
    struct Heading {
        QString title;
        QString target;
    };
    // An entry of the contents: a heading of the entries under it, or a topic of this or another manual.
    struct ContentsEntry {
        QString title;
        QString target; // empty: a heading
        QString file;   // empty: this manual
        QList<ContentsEntry> children;
    };
    struct Keyword {
        QString keyword;
        QStringList targets;
    };
    struct Found {
        QString title;
        QString target;
        QString snippet;
    };

    // A picture a topic shows; the topic's HTML names it <img src="velcarin-picture:NAME">.
    struct Hotspot {
        QRect area;     // in the picture's pixels
        QString target; // the topic a click on it leads to, a topic target as a TopicLink holds it
        bool popup = false;
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
    // The topic of a target: nothing when the manual has no such topic, the reason when it cannot be read.
    virtual Result<std::optional<Topic>> topicAt(const QString& target) const = 0;
    // The topic of a context number, the same way.
    Result<std::optional<Topic>> topic(int context) const { return topicAt(QString::number(context)); }
    // The topic of a context name of the help project ("idh_Open"), the same way.
    virtual Result<std::optional<Topic>> topicNamed(const QString& contextName) const = 0;
    // The topic a manual opens with, the same way; Velcarin's own help files have none.
    virtual Result<std::optional<Topic>> contentsTopic() const = 0;
    // Every topic in file order.
    virtual QList<Heading> headings() const = 0;
    // The contents: the manual's contents topic first, then every topic by its title; the reason when they
    // cannot be read.
    virtual Result<QList<ContentsEntry>> contents() const;
    // The keywords of the index in order; none when the manual has no index.
    virtual Result<QList<Keyword>> keywords() const = 0;
    // The topics whose text holds every one of the words, whatever their case, in file order; a topic that
    // cannot be read is passed over.
    QList<Found> search(const QString& words) const;

    // A picture its topics' HTML names; the reason when there is none by that name or it cannot be read.
    virtual Result<Picture> picture(const QString& name) const;
};
