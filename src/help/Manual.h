#pragma once

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

    virtual ~Manual() = default;

    // Opens a help file; nothing, and a message naming the file in `error`, when it cannot be shown.
    static std::unique_ptr<Manual> open(const QString& path, QString* error);

    virtual QString title() const = 0;
    // The topic of a context number. Nothing with `error` left empty: the manual has no such topic;
    // nothing with a message in `error`: the topic cannot be read.
    virtual std::optional<Topic> topic(int context, QString* error) const = 0;
    // The topic of a context name of the help project ("idh_Open"), the same way.
    virtual std::optional<Topic> topicNamed(const QString& contextName, QString* error) const = 0;
    // The topic a manual opens with, the same way; Velcarin's own help files have none.
    virtual std::optional<Topic> contentsTopic(QString* error) const = 0;
};
