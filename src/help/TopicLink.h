#pragma once

#include <QList>
#include <QString>

#include <optional>

// A link of a topic: a jump or a popup to a topic of this manual or of another help file. In a topic's HTML
// it is an anchor whose href is "velcarin-jump:TARGET" or "velcarin-popup:TARGET", with "FILE>" before the
// target for another help file, percent-encoded; TARGET is a topic target as Manual::topicAt takes it.
struct TopicLink {
    QString text;
    QString target;
    QString file; // empty: this manual
    bool popup = false;

    QString href() const;
    // The link an href names; nothing for an href that is not one of a topic link.
    static std::optional<TopicLink> fromHref(const QString& href);
    // The links of a topic's HTML in order, each with its text as the viewer shows it.
    static QList<TopicLink> linksOf(const QString& html);

    bool operator==(const TopicLink&) const = default;
};
