#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// The distinct words of an index that a query word with a typo may stand for, kept in memory by length,
// each with the set of its letters, so that the words near a query word are found without reading the
// index: a typo changes a word's length by one at most, and its set of letters by two at most.
class Vocabulary {
public:
    // How many typos a word of the query may have: one from five letters on, two from nine. A word with a
    // digit is a number or a code, which is never mistyped on purpose.
    static int typosAllowed(QStringView word);
    // The typos between two words (a swapped pair of neighbours is one), or limit + 1 when more.
    static int typos(QStringView a, QStringView b, int limit);

    bool contains(QStringView word) const { return m_words.contains(word); }
    // Takes a word that may be mistyped (any other is left out).
    void add(const QString& word);
    void clear();
    // The words other than `word` itself that differ from it by no more typos than its length allows.
    QStringList near(const QString& word) const;

private:
    struct Entry {
        quint64 letters;
        QString word;
    };
    static quint64 lettersOf(QStringView word);

    std::vector<std::vector<Entry>> m_byLength;
    QSet<QStringView> m_words; // views of the entries' words, which keep their text where it is when moved
};
