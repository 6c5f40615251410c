#include "search/SearchText.h"

namespace SearchText {

QString folded(const QString& text)
{
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
