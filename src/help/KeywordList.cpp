#include "help/KeywordList.h"

#include <numeric>

KeywordList::KeywordList(QObject* parent)
    : QAbstractListModel(parent)
{
}

void KeywordList::setKeywords(QList<Manual::Keyword> keywords)
{
    beginResetModel();
    m_keywords = std::move(keywords);
    m_folded.clear();
    m_folded.reserve(m_keywords.size());
    for (const Manual::Keyword& keyword : std::as_const(m_keywords))
        m_folded << keyword.keyword.toCaseFolded();
    m_shown.resize(m_keywords.size());
    std::iota(m_shown.begin(), m_shown.end(), 0);
    endResetModel();
}

void KeywordList::narrow(const QString& text)
{
    const QString wanted = text.trimmed().toCaseFolded();
    beginResetModel();
    m_shown.clear();
    for (int row = 0; row < m_folded.size(); ++row) {
        if (m_folded[row].contains(wanted))
            m_shown << row;
    }
    endResetModel();
}

int KeywordList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

QVariant KeywordList::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_shown.size())
        return {};
    return keywordAt(index.row()).keyword;
}
