#include "search/ManualDocuments.h"

#include "help/Manual.h"

#include <QFileInfo>

namespace {

// Long enough to tell topics apart in a list of results, short enough for one line of it.
constexpr int LongestUntitledName = 60;

// What a result calls a topic: its title; for one without a title, which Windows Help allows, the
// beginning of its text, so that no result goes without a name.
QString nameOf(const Manual::Topic& topic)
{
    if (!topic.title.trimmed().isEmpty())
        return topic.title;
    const QString text = topic.text.simplified();
    return text.size() <= LongestUntitledName ? text : text.left(LongestUntitledName - 1) + QChar(0x2026);
}

} // namespace

Result<QList<SearchDocument>> manualDocuments(const QString& path, std::stop_token stop)
{
    const Result<std::unique_ptr<Manual>> manual = Manual::open(path);
    if (!manual)
        return Failure{manual.error()};
    const QString fileName = QFileInfo(path).fileName();
    QList<SearchDocument> documents;
    QString firstFailure;
    const QList<Manual::Heading> headings = (*manual)->headings();
    for (const Manual::Heading& heading : headings) {
        if (stop.stop_requested())
            break;
        const Result<std::optional<Manual::Topic>> topic = (*manual)->topicAt(heading.target);
        if (!topic) {
            if (firstFailure.isEmpty())
                firstFailure = topic.error();
            continue;
        }
        if (!*topic)
            continue;
        const Manual::Topic& read = **topic;
        documents << SearchDocument{SearchSource::Manual,
                                    SearchDocument::Kind::Topic,
                                    nameOf(read),
                                    QStringLiteral("topic"),
                                    read.title + QLatin1Char('\n') + read.text,
                                    fileName,
                                    heading.target};
    }
    if (documents.isEmpty() && !firstFailure.isEmpty())
        return Failure{firstFailure};
    return documents;
}
