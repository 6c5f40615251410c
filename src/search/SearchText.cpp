#include "search/SearchText.h"

#include <optional>

namespace SearchText {

namespace {

// Most text is ASCII, which needs neither decomposing nor Unicode's tables: folded several times faster.
std::optional<QString> foldedAscii(const QString& text)
{
    QString result(text.size(), Qt::Uninitialized);
    QChar* out = result.data();
    bool blankPending = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x80)
            return std::nullopt;
        const bool isLetter = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
        if (isLetter || (u >= u'0' && u <= u'9')) {
            if (blankPending && out != result.data())
                *out++ = u' ';
            blankPending = false;
            *out++ = QChar(isLetter ? (u | 0x20) : u);
        } else {
            blankPending = true;
        }
    }
    result.truncate(out - result.data());
    return result;
}

} // namespace

QString folded(const QString& text)
{
    if (std::optional<QString> ascii = foldedAscii(text))
        return *ascii;
    // Compatibility decomposition takes the accents off as marks of their own and splits ligatures ("ﬁ"
    // into "fi"); the full case folding of "ß" is "ss".
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString result;
    result.reserve(decomposed.size());
    bool blankPending = false;
    for (const QChar c : decomposed) {
        if (c.isMark())
            continue;
        if (c.isLetterOrNumber()) {
            if (blankPending && !result.isEmpty())
                result += u' ';
            blankPending = false;
            if (c == u'ß' || c == u'ẞ')
                result += QLatin1String("ss");
            else
                result += c.toCaseFolded();
        } else {
            blankPending = true;
        }
    }
    return result;
}

QStringList words(const QString& text)
{
    return folded(text).split(u' ', Qt::SkipEmptyParts);
}

} // namespace SearchText
