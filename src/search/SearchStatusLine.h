#pragma once

#include "search/Finder.h"

#include <QObject>
#include <QSet>

// What the status bar says of the search's reading: whether it is still reading (a notice of its own, so
// that it never hides what the officer's last action said), and each source it had to leave out, once,
// with the reason.
class SearchStatusLine : public QObject {
    Q_OBJECT
public:
    explicit SearchStatusLine(QObject* parent = nullptr);

    static QString readingNotice();

    // Follows the finder's steps from now on.
    void follow(const Finder& finder);
    // Says what is new in these states since the last ones.
    void update(bool reading, const QList<SourceState>& states);

Q_SIGNALS:
    void message(const QString& text);
    void readingChanged(bool reading);

private:
    bool m_reading = false;
    QSet<QString> m_leftOut; // the sources already named
};
