#include "help/ReadableText.h"

QString readableText(QString text)
{
    text.remove(QLatin1Char('\r'));
    for (QChar& character : text) {
        if (character.category() == QChar::Other_Control && character != QLatin1Char('\n') &&
            character != QLatin1Char('\t'))
            character = QChar::ReplacementCharacter;
    }
    return text;
}
