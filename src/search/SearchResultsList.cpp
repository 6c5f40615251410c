#include "search/SearchResultsList.h"

#include <QAbstractTextDocumentLayout>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextDocument>

namespace {

constexpr int ResultRole = Qt::UserRole;         // the result's index in the list shown
constexpr int MarkedTextRole = Qt::UserRole + 1; // the snippet as HTML, its matched words in bold

// The snippet's column: drawn as HTML so that the matched words stand out.
class MarkedTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QString html = index.data(MarkedTextRole).toString();
        if (html.isEmpty())
            return QStyledItemDelegate::paint(painter, option, index);
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        plain.text.clear();
        plain.widget->style()->drawControl(QStyle::CE_ItemViewItem, &plain, painter, plain.widget);

        QTextDocument document;
        document.setDocumentMargin(0);
        document.setDefaultFont(plain.font);
        document.setHtml(html);
        const QRect area = option.rect.adjusted(4, 0, -4, 0);
        painter->save();
        painter->translate(area.left(), area.top() + (area.height() - document.size().height()) / 2);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, 0, area.width(), area.height());
        const bool selected = option.state & QStyle::State_Selected;
        context.palette.setColor(QPalette::Text,
                                 option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setClipRect(context.clip);
        document.documentLayout()->draw(painter, context);
        painter->restore();
    }
};

// The snippet as HTML: escaped, with its marked stretches in bold.
QString markedHtml(const SearchResult& result)
{
    QString html;
    int from = 0;
    for (const auto& [position, length] : result.marks) {
        if (position < from || position + length > result.snippet.size())
            continue;
        html += result.snippet.mid(from, position - from).toHtmlEscaped();
        html += QLatin1String("<b>") + result.snippet.mid(position, length).toHtmlEscaped() +
                QLatin1String("</b>");
        from = position + length;
    }
    html += result.snippet.mid(from).toHtmlEscaped();
    return html;
}

// What the row says besides the name: the field that matched, for a manual's topic also its file.
QString whereFound(const SearchResult& result)
{
    return result.source == SearchSource::Manual ? result.file : result.field;
}

} // namespace

SearchResultsList::SearchResultsList(QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("lstSearchResults"));
    setColumnCount(2);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setFocusPolicy(Qt::NoFocus);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    setItemDelegateForColumn(1, new MarkedTextDelegate(this));
    header()->setStretchLastSection(true);
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        if (const SearchResult* result = resultOf(item))
            Q_EMIT resultClicked(*result);
    });
}

QString SearchResultsList::sourceTitle(SearchSource source)
{
    switch (source) {
    case SearchSource::Tavro:
        return tr("Tavro Tankers cargoes");
    case SearchSource::Jo:
        return tr("Jo Tankers products");
    case SearchSource::HenkelOil:
        return tr("Henkel oils");
    case SearchSource::HenkelAdditional:
        return tr("Henkel additional products");
    case SearchSource::Mixture:
        return tr("Cleaning mixtures");
    case SearchSource::Unitor:
        return tr("Unitor catalogue");
    case SearchSource::UnitorLoading:
        return tr("Unitor cargoes to load");
    case SearchSource::Notes:
        return tr("Personal notes");
    case SearchSource::Manual:
        return tr("Manuals");
    }
    return {};
}

void SearchResultsList::showResults(const QList<SearchResult>& results)
{
    clear();
    m_results = results;
    if (results.isEmpty()) {
        auto* none = new QTreeWidgetItem(this, {tr("Nothing found")});
        none->setFlags(Qt::NoItemFlags);
        none->setFirstColumnSpanned(true);
        return;
    }
    QList<std::pair<SearchSource, QTreeWidgetItem*>> groups;
    for (int index = 0; index < results.size(); ++index) {
        const SearchResult& result = results.at(index);
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const auto& each) { return each.first == result.source; });
        if (group == groups.end()) {
            auto* heading = new QTreeWidgetItem(this, {sourceTitle(result.source)});
            heading->setFlags(Qt::ItemIsEnabled);
            heading->setFirstColumnSpanned(true);
            QFont bold = font();
            bold.setBold(true);
            heading->setFont(0, bold);
            heading->setBackground(0, palette().alternateBase());
            groups.append({result.source, heading});
            group = groups.end() - 1;
        }
        const QString where = whereFound(result);
        auto* item =
            new QTreeWidgetItem(group->second, {result.name, where + QLatin1String(": ") + result.snippet});
        item->setData(0, ResultRole, index);
        item->setData(1, MarkedTextRole,
                      QLatin1String("<i>") + where.toHtmlEscaped() + QLatin1String(":</i> ") +
                          markedHtml(result));
        item->setToolTip(1, result.snippet);
    }
    expandAll();
    const int nameWidth = std::min(sizeHintForColumn(0) + 12, viewport()->width() * 2 / 5);
    setColumnWidth(0, std::max(nameWidth, 80));
    setCurrentItem(resultItems().first());
}

void SearchResultsList::moveCurrent(int step)
{
    const QList<QTreeWidgetItem*> items = resultItems();
    if (items.isEmpty())
        return;
    const int at = int(items.indexOf(currentItem()));
    const int to = std::clamp(at + step, 0, int(items.size()) - 1);
    setCurrentItem(items.at(to));
    scrollToItem(to == 0 ? topLevelItem(0) : items.at(to));
}

const SearchResult* SearchResultsList::currentResult() const
{
    return resultOf(currentItem());
}

int SearchResultsList::contentHeight() const
{
    int rows = topLevelItemCount();
    for (int group = 0; group < topLevelItemCount(); ++group)
        rows += topLevelItem(group)->childCount();
    const int rowHeight = rows > 0 ? indexRowSizeHint(indexFromItem(topLevelItem(0))) : 0;
    return rows * std::max(rowHeight, fontMetrics().height()) + 2 * frameWidth();
}

QList<QTreeWidgetItem*> SearchResultsList::resultItems() const
{
    QList<QTreeWidgetItem*> items;
    for (int group = 0; group < topLevelItemCount(); ++group) {
        for (int row = 0; row < topLevelItem(group)->childCount(); ++row)
            items << topLevelItem(group)->child(row);
    }
    return items;
}

const SearchResult* SearchResultsList::resultOf(const QTreeWidgetItem* item) const
{
    if (!item || !item->data(0, ResultRole).isValid())
        return nullptr;
    const int index = item->data(0, ResultRole).toInt();
    return index >= 0 && index < m_results.size() ? &m_results.at(index) : nullptr;
}
