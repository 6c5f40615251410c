#include "data/Criterion.h"

namespace {

class Scanner {
public:
    explicit Scanner(const QString& text)
        : m_text(text)
    {
    }

    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar peek() const { return atEnd() ? QChar() : m_text.at(m_pos); }
    void skipBlanks()
    {
        while (!atEnd() && peek().isSpace())
            ++m_pos;
    }
    bool take(QChar c)
    {
        if (peek() != c)
            return false;
        ++m_pos;
        return true;
    }

    // [Name with blanks] or a bare identifier.
    std::optional<QString> name()
    {
        if (take(QLatin1Char('['))) {
            const qsizetype close = m_text.indexOf(QLatin1Char(']'), m_pos);
            if (close < 0 || close == m_pos)
                return std::nullopt;
            const QString result = m_text.mid(m_pos, close - m_pos);
            m_pos = close + 1;
            return result;
        }
        const qsizetype start = m_pos;
        while (!atEnd() && (peek().isLetterOrNumber() || peek() == QLatin1Char('_')))
            ++m_pos;
        if (m_pos == start)
            return std::nullopt;
        return m_text.mid(start, m_pos - start);
    }

    // 'text' with '' standing for one quote.
    std::optional<QString> quoted()
    {
        if (!take(QLatin1Char('\'')))
            return std::nullopt;
        QString result;
        while (!atEnd()) {
            const QChar c = m_text.at(m_pos++);
            if (c != QLatin1Char('\'')) {
                result += c;
                continue;
            }
            if (!take(QLatin1Char('\'')))
                return result;
            result += QLatin1Char('\'');
        }
        return std::nullopt; // no closing quote
    }

private:
    const QString& m_text;
    qsizetype m_pos = 0;
};

} // namespace

QString Criterion::build(const QString& prefix, const QString& value)
{
    QString doubled = value;
    doubled.replace(QLatin1Char('\''), QLatin1String("''"));
    return prefix + doubled + QLatin1Char('\'');
}

std::optional<Criterion> Criterion::parse(const QString& text)
{
    Scanner scanner(text);
    scanner.skipBlanks();
    Criterion criterion;
    std::optional<QString> first = scanner.name();
    if (!first)
        return std::nullopt;
    if (scanner.take(QLatin1Char('.'))) {
        const std::optional<QString> field = scanner.name();
        if (!field)
            return std::nullopt;
        criterion.table = *first;
        criterion.field = *field;
    } else {
        criterion.field = *first;
    }
    scanner.skipBlanks();
    if (!scanner.take(QLatin1Char('=')))
        return std::nullopt;
    scanner.skipBlanks();
    const std::optional<QString> value = scanner.quoted();
    if (!value)
        return std::nullopt;
    scanner.skipBlanks();
    if (!scanner.atEnd())
        return std::nullopt;
    criterion.value = *value;
    return criterion;
}
