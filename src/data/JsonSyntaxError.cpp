#include "data/JsonSyntaxError.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("JsonSyntaxError", text);
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Qt's parser reads the first character of the token it refuses before it stops, and tells the offset
// after it; at the end of the text, or after a character that asks for more, nothing was read.
bool tokenRead(const QByteArray& json, qsizetype offset)
{
    if (offset <= 0 || offset > json.size() || isSpace(json.at(offset - 1)))
        return false;
    return offset < json.size() || !QByteArray(",:[{").contains(json.at(offset - 1));
}

// A number refused at its first character was no number at all.
bool startsAValue(const QByteArray& json, qsizetype offset)
{
    return offset == 0 || isSpace(json.at(offset - 1)) || QByteArray(",:[").contains(json.at(offset - 1));
}

QString expected(const QByteArray& json, const QJsonParseError& error)
{
    switch (error.error) {
    case QJsonParseError::UnterminatedObject:
        return tr("a ',' or '}' was expected");
    case QJsonParseError::MissingNameSeparator:
        return tr("a ':' was expected");
    case QJsonParseError::UnterminatedArray:
    case QJsonParseError::MissingValueSeparator:
        return tr("a ',' or ']' was expected");
    case QJsonParseError::IllegalValue:
    case QJsonParseError::MissingObject:
        return tr("a value was expected");
    case QJsonParseError::TerminationByNumber:
    case QJsonParseError::UnterminatedString:
        return tr("the text ends too early");
    case QJsonParseError::IllegalNumber:
        return startsAValue(json, error.offset) ? tr("a value was expected") : tr("a digit was expected");
    case QJsonParseError::IllegalEscapeSequence:
        return tr("an escape sequence was expected (\\\", \\\\, \\/, \\b, \\f, \\n, \\r, \\t or \\u and four "
                  "hexadecimal digits)");
    case QJsonParseError::IllegalUTF8String:
        return tr("a character in UTF-8 was expected");
    case QJsonParseError::GarbageAtEnd:
        return tr("the end of the text was expected");
    case QJsonParseError::DeepNesting:
        return tr("lists and objects are nested too deeply");
    case QJsonParseError::DocumentTooLarge:
        return tr("the text is too large");
    case QJsonParseError::NoError:
        break;
    }
    return error.errorString();
}

// The offset of the character the parser refused.
qsizetype refusedAt(const QByteArray& json, const QJsonParseError& error)
{
    switch (error.error) {
    case QJsonParseError::UnterminatedObject:
    case QJsonParseError::MissingNameSeparator:
    case QJsonParseError::UnterminatedArray:
    case QJsonParseError::MissingValueSeparator:
    case QJsonParseError::IllegalValue:
    case QJsonParseError::MissingObject:
        return tokenRead(json, error.offset) ? error.offset - 1 : error.offset;
    default:
        return error.offset;
    }
}

} // namespace

QString describeJsonSyntaxError(const QByteArray& json, const QJsonParseError& error)
{
    const qsizetype at = std::clamp<qsizetype>(refusedAt(json, error), 0, json.size());
    // Where a token was missing at the end, only the end is sure.
    const bool endsEarly = at == json.size() && error.error != QJsonParseError::IllegalUTF8String;
    int line = 1;
    int column = 1;
    for (qsizetype i = 0; i < at; ++i) {
        const char c = json.at(i);
        if (c == '\n') {
            ++line;
            column = 1;
        } else if ((c & 0xC0) != 0x80) { // not the continuation of a character in UTF-8
            ++column;
        }
    }
    return tr("line %1, column %2: %3")
        .arg(line)
        .arg(column)
        .arg(endsEarly ? tr("the text ends too early") : expected(json, error));
}
