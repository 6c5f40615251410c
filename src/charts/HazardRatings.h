#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The three health hazard ratings of a cargo, each from 0 to 4: H1 the hazard of its vapours, H2 of
// contact with it as a liquid or solid, H3 of it as a poison. Each rating scale has a heading and a
// description of each of its five levels.
namespace HazardRatings {

struct Scale {
    QString name; // "H1", "H2", "H3"
    QString heading;
    QStringList levels; // the descriptions of the ratings 0 to 4
};

// H1, H2 and H3, in that order.
const QList<Scale>& scales();

// The level a rating names: the text read as a number, blanks around it allowed, that equals 0, 1, 2, 3
// or 4. Nothing for another number, an empty text or a text that is no number: a rating that is not on
// the scale is never shown as one of its levels.
std::optional<int> levelOf(const QString& rating);

// What a scale's box shows for a rating: the description of its level, or nothing at all.
QString description(const Scale& scale, const QString& rating);

} // namespace HazardRatings
