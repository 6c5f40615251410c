#include "help/TopicHtmlFile.h"

#include "data/WholeFileWriter.h"
#include "help/PngFile.h"
#include "help/TabStops.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace {

const QRegularExpression PictureTag(QStringLiteral("<img [^>]*src=\"velcarin-picture:([^\"]*)\"[^>]*>"));

// A picture's file name beside the page, of letters, digits, - and _ whatever the picture's name holds.
QString pictureFileName(const QString& page, const QString& name)
{
    QString safe = name;
    safe.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]")), QStringLiteral("_"));
    return QFileInfo(page).completeBaseName() + QLatin1Char('-') + safe + QStringLiteral(".png");
}

Result<> writeFile(const QString& path, const QByteArray& content)
{
    const Result<> written = WholeFileWriter::write(path, content);
    if (written)
        return {};
    return Failure{QCoreApplication::translate("TopicHtmlFile", "cannot write %1: %2")
                       .arg(QDir::toNativeSeparators(path), written.error())};
}

} // namespace

QStringList pictureNames(const QString& html)
{
    QStringList names;
    for (const QRegularExpressionMatch& match : PictureTag.globalMatch(html)) {
        if (!names.contains(match.captured(1)))
            names.append(match.captured(1));
    }
    return names;
}

Result<QStringList> writeTopicHtml(const Manual& manual, const Manual::Topic& topic, const QString& path)
{
    const QDir folder = QFileInfo(path).absoluteDir();
    QStringList unreadable;
    QHash<QString, QString> shown; // the HTML of each picture's place
    QString body = TabStop::withoutTitles(topic.fixedHtml + topic.html);
    for (const QString& name : pictureNames(body)) {
        const Result<Manual::Picture> picture = manual.picture(name);
        if (!picture) {
            unreadable.append(picture.error());
            shown.insert(name,
                         QStringLiteral("<span style=\"border: 1px solid gray; padding: 4px\">%1</span>")
                             .arg(picture.error().toHtmlEscaped()));
            continue;
        }
        const QString fileName = pictureFileName(path, name);
        if (const Result<> written = writeFile(folder.filePath(fileName), pngFile(*picture)); !written)
            return Failure{written.error()};
        shown.insert(name, QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\">")
                               .arg(QString::fromLatin1(QUrl::toPercentEncoding(fileName)))
                               .arg(picture->size.width())
                               .arg(picture->size.height()));
    }

    for (qsizetype at = 0;;) {
        const QRegularExpressionMatch match = PictureTag.match(body, at);
        if (!match.hasMatch())
            break;
        const QString& replacement = shown[match.captured(1)];
        body.replace(match.capturedStart(), match.capturedLength(), replacement);
        at = match.capturedStart() + replacement.size();
    }
    const QString title = topic.title.toHtmlEscaped();
    const QString page =
        QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1</title>"
                       "</head>\n<body>\n<h1>%1</h1>\n%2\n</body></html>\n")
            .arg(title, body);
    if (const Result<> written = writeFile(path, page.toUtf8()); !written)
        return Failure{written.error()};
    return unreadable;
}
