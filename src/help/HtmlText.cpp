#include "help/HtmlText.h"

#include "help/ReadableText.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace {

// The elements that the viewer starts on a line of their own and ends a line after.
const QSet<QString> BlockElements{
    QStringLiteral("address"), QStringLiteral("blockquote"), QStringLiteral("body"), QStringLiteral("center"),
    QStringLiteral("dd"),      QStringLiteral("div"),        QStringLiteral("dl"),   QStringLiteral("dt"),
    QStringLiteral("h1"),      QStringLiteral("h2"),         QStringLiteral("h3"),   QStringLiteral("h4"),
    QStringLiteral("h5"),      QStringLiteral("h6"),         QStringLiteral("hr"),   QStringLiteral("html"),
    QStringLiteral("li"),      QStringLiteral("ol"),         QStringLiteral("p"),    QStringLiteral("pre"),
    QStringLiteral("table"),   QStringLiteral("tr"),         QStringLiteral("ul"),
};

// Builds the lines: white space as HTML counts it, a block ending the line it is on, once.
class LineWriter {
public:
    void addText(QStringView text)
    {
        for (const QChar character : text) {
            if (isHtmlSpace(character))
                m_blankPending = !atLineStart() && m_text.back() != QLatin1Char('\t');
            else
                addCharacters(QStringView(&character, 1));
        }
    }
    // Text that stands as it is, a character reference: "&nbsp;" is a blank that does not collapse.
    void addCharacters(QStringView characters)
    {
        if (m_blankPending)
            m_text += QLatin1Char(' ');
        m_blankPending = false;
        m_text += characters;
    }
    void endLine()
    {
        if (!atLineStart())
            m_text += QLatin1Char('\n');
        m_blankPending = false;
    }
    void addLineBreak()
    {
        m_text += QLatin1Char('\n');
        m_blankPending = false;
    }
    void nextCell()
    {
        if (!atLineStart())
            m_text += QLatin1Char('\t');
        m_blankPending = false;
    }
    const QString& text() const { return m_text; }

private:
    static bool isHtmlSpace(QChar character)
    {
        return character == QLatin1Char(' ') || character == QLatin1Char('\n') ||
               character == QLatin1Char('\t') || character == QLatin1Char('\f') ||
               character == QLatin1Char('\r');
    }
    bool atLineStart() const { return m_text.isEmpty() || m_text.back() == QLatin1Char('\n'); }

    QString m_text;
    bool m_blankPending = false;
};

// The character a reference names ("amp", "#233", "#xE9"); empty for a name not known here.
QString referencedCharacter(const QString& reference)
{
    static const QHash<QString, QString> Named{
        {QStringLiteral("amp"), QStringLiteral("&")},  {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},   {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")}, {QStringLiteral("nbsp"), QStringLiteral(" ")},
    };
    if (!reference.startsWith(QLatin1Char('#')))
        return Named.value(reference);
    bool isNumber = false;
    const uint codePoint = reference.startsWith(QLatin1String("#x"), Qt::CaseInsensitive)
                               ? reference.mid(2).toUInt(&isNumber, 16)
                               : reference.mid(1).toUInt(&isNumber, 10);
    if (!isNumber)
        return {};
    const char32_t character = QChar::isSurrogate(codePoint) || codePoint > QChar::LastValidCodePoint
                                   ? char32_t(QChar::ReplacementCharacter)
                                   : char32_t(codePoint);
    return readableText(QString::fromUcs4(&character, 1));
}

} // namespace

QString plainTextOfHtml(QStringView html)
{
    static const QRegularExpression Markup(QStringLiteral("<(/?)([a-zA-Z0-9]*)[^>]*>|&(#?[a-zA-Z0-9]+);"));
    LineWriter writer;
    qsizetype textStart = 0;
    for (const QRegularExpressionMatch& match : Markup.globalMatch(html)) {
        writer.addText(html.sliced(textStart, match.capturedStart() - textStart));
        textStart = match.capturedEnd();
        if (match.hasCaptured(3)) {
            const QString character = referencedCharacter(match.captured(3));
            writer.addCharacters(character.isEmpty() ? match.capturedView() : QStringView(character));
            continue;
        }
        const QString element = match.captured(2).toLower();
        if (element == QLatin1String("br"))
            writer.addLineBreak();
        else if (BlockElements.contains(element))
            writer.endLine();
        else if ((element == QLatin1String("td") || element == QLatin1String("th")) &&
                 match.captured(1).isEmpty())
            writer.nextCell();
    }
    writer.addText(html.sliced(textStart));
    return writer.text();
}
