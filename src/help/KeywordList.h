#pragma once

#include "help/Manual.h"

#include <QAbstractListModel>

// The keywords of a manual's index as a list, narrowed to those that hold what the officer typed. Made
// for large indexes: narrowing compares folded keywords made once, and the view is reset only once.
class KeywordList : public QAbstractListModel {
    Q_OBJECT
public:
    explicit KeywordList(QObject* parent = nullptr);

    void setKeywords(QList<Manual::Keyword> keywords);
    // Shows the keywords that hold `text`, whatever its case; all of them for no text.
    void narrow(const QString& text);
    const Manual::Keyword& keywordAt(int row) const { return m_keywords[m_shown[row]]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QList<Manual::Keyword> m_keywords;
    QStringList m_folded;
    QList<int> m_shown; // rows of m_keywords
};
