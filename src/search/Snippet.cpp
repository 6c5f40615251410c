#include "search/Snippet.h"

#include "search/SearchText.h"

#include <algorithm>

namespace {

// Room enough for a few words on either side of a match in a list's line.
constexpr qsizetype Before = 30;
constexpr qsizetype Length = 100;

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c.isMark();
}

struct Word {
    qsizetype start;
    qsizetype end;
};

// The next word of the text at or after `from`; its start is the text's size when there is none.
Word nextWord(const QString& text, qsizetype from)
{
    while (from < text.size() && !isWordCharacter(text[from]))
        ++from;
    qsizetype end = from;
    while (end < text.size() && isWordCharacter(text[end]))
        ++end;
    return {from, end};
}

bool wordMatches(const QString& text, Word word, const Snippet::WordMatcher& matches)
{
    const QStringList folded = SearchText::words(text.sliced(word.start, word.end - word.start));
    return std::any_of(folded.begin(), folded.end(), matches);
}

} // namespace

Snippet Snippet::around(const QString& text, const WordMatcher& matches)
{
    Word first = nextWord(text, 0);
    while (first.start < text.size() && !wordMatches(text, first, matches))
        first = nextWord(text, first.end);
    if (first.start == text.size())
        first = nextWord(text, 0);

    // Start a few words before the match, at a word's start, and end at a word's end.
    qsizetype start = 0;
    if (first.start > Before) {
        start = nextWord(text, first.start - Before).start;
        while (start > 0 && isWordCharacter(text[start - 1]))
            --start;
    }
    qsizetype end = std::max(std::min(text.size(), start + Length), first.end);
    if (end < text.size()) {
        while (end > first.end && isWordCharacter(text[end]))
            --end;
    }

    Snippet snippet;
    if (start > 0)
        snippet.text += u'…';
    const qsizetype lineStart = snippet.text.size();
    // Line breaks, tabs and runs of blanks between the words become one blank.
    bool blankPending = false;
    const auto copy = [&](qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < to; ++i) {
            if (text[i].isSpace() || text[i].category() == QChar::Other_Control) {
                blankPending = true;
                continue;
            }
            if (blankPending && snippet.text.size() > lineStart)
                snippet.text += u' ';
            blankPending = false;
            snippet.text += text[i];
        }
    };
    qsizetype copied = start;
    for (Word word = nextWord(text, start); word.start < end; word = nextWord(text, word.end)) {
        copy(copied, word.start);
        if (blankPending && snippet.text.size() > lineStart)
            snippet.text += u' ';
        blankPending = false;
        copied = std::min(word.end, end);
        if (wordMatches(text, word, matches))
            snippet.marks.append({int(snippet.text.size()), int(copied - word.start)});
        snippet.text += text.sliced(word.start, copied - word.start);
    }
    copy(copied, end);
    if (end < text.size())
        snippet.text += u'…';
    return snippet;
}
