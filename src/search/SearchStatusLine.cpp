#include "search/SearchStatusLine.h"

#include "search/SearchResultsList.h"

namespace {

// A source as the officer knows it: the name of a database's list, or a manual's file name.
QString titleOf(const QString& name)
{
    const std::optional<SearchSource> source = searchSourceFromKey(name);
    return source ? SearchResultsList::sourceTitle(*source) : name;
}

} // namespace

SearchStatusLine::SearchStatusLine(QObject* parent)
    : QObject(parent)
{
}

QString SearchStatusLine::readingNotice()
{
    return tr("Search: still reading");
}

void SearchStatusLine::follow(const Finder& finder)
{
    connect(&finder, &Finder::statusChanged, this,
            [this, &finder] { update(finder.isReading(), finder.status()); });
}

void SearchStatusLine::update(bool reading, const QList<SourceState>& states)
{
    if (reading != m_reading) {
        m_reading = reading;
        Q_EMIT readingChanged(reading);
    }
    QStringList said;
    for (const SourceState& state : states) {
        if (state.state != SourceState::State::LeftOut || m_leftOut.contains(state.name))
            continue;
        m_leftOut.insert(state.name);
        said << tr("Search leaves out %1: %2").arg(titleOf(state.name), state.reason);
    }
    if (!said.isEmpty())
        Q_EMIT message(said.join(QLatin1String("  ")));
}
