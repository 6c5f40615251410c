#include "overview/CargoOverview.h"

#include <QCoreApplication>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("CargoOverview", text);
}

} // namespace

QString matchedByKey(OverviewMatch::By by)
{
    switch (by) {
    case OverviewMatch::By::Name:
        return QStringLiteral("name");
    case OverviewMatch::By::Normalised:
        return QStringLiteral("normalised");
    case OverviewMatch::By::Synonym:
        return QStringLiteral("synonym");
    case OverviewMatch::By::FullName:
        return QStringLiteral("full-name");
    }
    return {};
}

QString OverviewSection::heading() const
{
    switch (source) {
    case OverviewSource::Tavro:
        return QStringLiteral("Tavro");
    case OverviewSource::Jo:
        return QStringLiteral("Jo Tankers");
    case OverviewSource::Unitor:
        return QStringLiteral("Unitor");
    case OverviewSource::Henkel:
        return QStringLiteral("Henkel");
    case OverviewSource::Compatibility:
        return tr("Compatibility");
    }
    return {};
}

QString OverviewSection::key() const
{
    switch (source) {
    case OverviewSource::Tavro:
        return QStringLiteral("tavro");
    case OverviewSource::Jo:
        return QStringLiteral("jo");
    case OverviewSource::Unitor:
        return QStringLiteral("unitor");
    case OverviewSource::Henkel:
        return QStringLiteral("henkel");
    case OverviewSource::Compatibility:
        return QStringLiteral("compatibility");
    }
    return {};
}

QString OverviewSection::matchLine(const QString& cargo) const
{
    if (!match)
        return tr("%1 holds nothing for %2.").arg(heading(), cargo);
    switch (match->by) {
    case OverviewMatch::By::Name:
        return tr("Found under the same name, %1.").arg(match->name);
    case OverviewMatch::By::Normalised:
        return tr("Found as %1, the same name up to case, blanks and punctuation.").arg(match->name);
    case OverviewMatch::By::Synonym:
        return tr("Found as %1, a synonym in the Jo Tankers list.").arg(match->name);
    case OverviewMatch::By::FullName:
        return tr("Found as %1, by the Tavro full name.").arg(match->name);
    }
    return {};
}

QString OverviewSection::sameUnLine() const
{
    if (sameUn.isEmpty())
        return {};
    return QStringLiteral("same UN number: ") + sameUn.join(QStringLiteral(", "));
}
