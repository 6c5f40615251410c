#include "search/Vocabulary.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace {

// Longer words are no longer words of a language but codes or run-together text.
constexpr qsizetype LongestWord = 40;

} // namespace

int Vocabulary::typosAllowed(QStringView word)
{
    if (word.size() < 5 || word.size() > LongestWord)
        return 0;
    if (std::any_of(word.begin(), word.end(), [](QChar c) { return c.isDigit(); }))
        return 0;
    return word.size() < 9 ? 1 : 2;
}

int Vocabulary::typos(QStringView a, QStringView b, int limit)
{
    // The optimal string alignment distance, row by row, given up once a whole row exceeds the limit.
    if (std::abs(a.size() - b.size()) > limit)
        return limit + 1;
    const qsizetype columns = b.size() + 1;
    std::vector<int> beforeLast(columns), last(columns), row(columns);
    for (qsizetype j = 0; j < columns; ++j)
        last[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        row[0] = int(i);
        int smallest = row[0];
        for (qsizetype j = 1; j < columns; ++j) {
            const int substitution = a[i - 1] == b[j - 1] ? 0 : 1;
            int cost = std::min({last[j] + 1, row[j - 1] + 1, last[j - 1] + substitution});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                cost = std::min(cost, beforeLast[j - 2] + 1);
            row[j] = cost;
            smallest = std::min(smallest, cost);
        }
        if (smallest > limit)
            return limit + 1;
        std::swap(beforeLast, last);
        std::swap(last, row);
    }
    return std::min(last[b.size()], limit + 1);
}

void Vocabulary::add(const QString& word)
{
    if (typosAllowed(word) == 0 || m_words.contains(word))
        return;
    if (m_byLength.size() <= size_t(word.size()))
        m_byLength.resize(word.size() + 1);
    m_byLength[word.size()].push_back({lettersOf(word), word});
    m_words.insert(m_byLength[word.size()].back().word);
}

void Vocabulary::clear()
{
    m_byLength.clear();
    m_words.clear();
}

QStringList Vocabulary::near(const QString& word) const
{
    const int allowed = typosAllowed(word);
    QStringList found;
    if (allowed == 0)
        return found;
    const quint64 letters = lettersOf(word);
    const qsizetype shortest = std::max<qsizetype>(word.size() - allowed, 0);
    const qsizetype longest = std::min<qsizetype>(word.size() + allowed, qsizetype(m_byLength.size()) - 1);
    for (qsizetype length = shortest; length <= longest; ++length) {
        for (const Entry& entry : m_byLength[length]) {
            if (std::popcount(entry.letters ^ letters) <= 2 * allowed && entry.word != word &&
                typos(word, entry.word, allowed) <= allowed)
                found.append(entry.word);
        }
    }
    return found;
}

quint64 Vocabulary::lettersOf(QStringView word)
{
    quint64 letters = 0;
    for (const QChar c : word)
        letters |= quint64(1) << (c.unicode() % 64);
    return letters;
}
