#include "help/TabStops.h"

#include <QRegularExpression>

namespace {

const QString TitlePrefix = QStringLiteral("velcarin-tabs:");

} // namespace

QString TabStop::titleOf(const QList<TabStop>& stops)
{
    QString title = TitlePrefix;
    for (const TabStop& stop : stops) {
        title += QLatin1Char(' ');
        if (stop.kind == Right)
            title += QLatin1Char('r');
        else if (stop.kind == Centre)
            title += QLatin1Char('c');
        title += QString::number(stop.position);
    }
    return title;
}

std::optional<QList<TabStop>> TabStop::fromTitle(const QString& title)
{
    if (!title.startsWith(TitlePrefix))
        return std::nullopt;
    QList<TabStop> stops;
    for (QStringView word : QStringView(title).sliced(TitlePrefix.size()).split(u' ', Qt::SkipEmptyParts)) {
        TabStop stop;
        if (word.startsWith(u'r'))
            stop.kind = Right;
        else if (word.startsWith(u'c'))
            stop.kind = Centre;
        if (stop.kind != Left)
            word = word.sliced(1);
        bool number = false;
        stop.position = word.toInt(&number);
        if (!number)
            return std::nullopt;
        stops << stop;
    }
    return stops;
}

QString TabStop::withoutTitles(QString html)
{
    static const QRegularExpression Title(QStringLiteral(" title=\"") + TitlePrefix +
                                          QStringLiteral("[^\"]*\""));
    return html.remove(Title);
}
