#include "help/TopicLink.h"

#include "help/HtmlText.h"

#include <QRegularExpression>
#include <QUrl>

namespace {

const QString JumpScheme = QStringLiteral("velcarin-jump:");
const QString PopupScheme = QStringLiteral("velcarin-popup:");
constexpr QChar FileMark = u'>';

} // namespace

QString TopicLink::href() const
{
    const QString place = file.isEmpty() ? target : file + FileMark + target;
    return (popup ? PopupScheme : JumpScheme) + QString::fromLatin1(QUrl::toPercentEncoding(place));
}

std::optional<TopicLink> TopicLink::fromHref(const QString& href)
{
    TopicLink link;
    QString place;
    if (href.startsWith(JumpScheme)) {
        place = href.mid(JumpScheme.size());
    } else if (href.startsWith(PopupScheme)) {
        place = href.mid(PopupScheme.size());
        link.popup = true;
    } else {
        return std::nullopt;
    }
    place = QUrl::fromPercentEncoding(place.toLatin1());
    const qsizetype fileMark = place.lastIndexOf(FileMark);
    link.file = fileMark < 0 ? QString() : place.left(fileMark);
    link.target = place.mid(fileMark + 1);
    return link;
}

QList<TopicLink> TopicLink::linksOf(const QString& html)
{
    static const QRegularExpression Anchor(
        QStringLiteral(R"re(<a\s[^>]*href\s*=\s*"([^"]*)"[^>]*>(.*?)</a\s*>)re"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    QList<TopicLink> links;
    for (const QRegularExpressionMatch& anchor : Anchor.globalMatch(html)) {
        std::optional<TopicLink> link = fromHref(anchor.captured(1));
        if (!link)
            continue;
        link->text = plainTextOfHtml(anchor.captured(2)).trimmed();
        links << *link;
    }
    return links;
}
