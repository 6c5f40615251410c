#include "overview/CargoNames.h"

#include "search/SearchText.h"

#include <algorithm>

namespace {

bool isAscii(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

bool containsFolded(const QStringList& foldedNames, const QString& name)
{
    return std::any_of(foldedNames.cbegin(), foldedNames.cend(),
                       [&name](const QString& folded) { return foldsTo(name, folded); });
}

} // namespace

bool foldsTo(const QString& name, const QString& folded)
{
    if (!isAscii(name))
        return SearchText::folded(name) == folded;
    // The folded text of an ASCII name, made one character at a time and compared as it is made.
    qsizetype at = 0;
    bool blankPending = false;
    for (const QChar c : name) {
        const char ascii = char(c.unicode());
        const bool alphanumeric = (ascii >= 'a' && ascii <= 'z') || (ascii >= 'A' && ascii <= 'Z') ||
                                  (ascii >= '0' && ascii <= '9');
        if (!alphanumeric) {
            blankPending = true;
            continue;
        }
        if (blankPending && at > 0) {
            if (at >= folded.size() || folded.at(at) != u' ')
                return false;
            ++at;
        }
        blankPending = false;
        const QChar lower = (ascii >= 'A' && ascii <= 'Z') ? QChar(ascii - 'A' + 'a') : c;
        if (at >= folded.size() || folded.at(at) != lower)
            return false;
        ++at;
    }
    return at == folded.size();
}

CargoNames::CargoNames(const QString& name)
    : m_name(name)
    , m_folded(SearchText::folded(name))
    , m_known{name}
{
}

std::optional<OverviewMatch::By> CargoNames::matchDirectly(const QString& entryName,
                                                           const QStringList& synonyms,
                                                           const QString& fullName) const
{
    using By = OverviewMatch::By;
    if (entryName == m_name)
        return By::Name;
    // A name of nothing but blanks and punctuation folds to nothing, and is no cargo's name.
    if (m_folded.isEmpty())
        return std::nullopt;
    if (foldsTo(entryName, m_folded))
        return By::Normalised;
    if (std::any_of(synonyms.cbegin(), synonyms.cend(),
                    [this](const QString& synonym) { return foldsTo(synonym, m_folded); }))
        return By::Synonym;
    if (!fullName.isEmpty() && foldsTo(fullName, m_folded))
        return By::FullName;
    return std::nullopt;
}

std::optional<OverviewMatch::By> CargoNames::matchThroughOthers(const QString& entryName) const
{
    if (containsFolded(m_synonyms, entryName))
        return OverviewMatch::By::Synonym;
    if (containsFolded(m_fullNames, entryName))
        return OverviewMatch::By::FullName;
    return std::nullopt;
}

void CargoNames::addSynonyms(const QStringList& names)
{
    add(m_synonyms, names);
}

void CargoNames::addFullNames(const QStringList& names)
{
    add(m_fullNames, names);
}

void CargoNames::add(QStringList& folded, const QStringList& names)
{
    for (const QString& name : names) {
        const QString text = SearchText::folded(name);
        if (text.isEmpty() || folded.contains(text))
            continue;
        folded << text;
        if (!m_known.contains(name))
            m_known << name;
    }
}

QStringList CargoNames::all() const
{
    return m_known;
}
