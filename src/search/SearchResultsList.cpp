#include "search/SearchResultsList.h"

#include <QAbstractTextDocumentLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextDocument>

namespace {

constexpr int ResultRole = Qt::UserRole;    // the result's index in the list shown
constexpr int MarksRole = Qt::UserRole + 1; // where the matched words stand in the column's text

// The column's text as HTML up to `length` characters: the name of the field that matched in italics up
// to its colon, the matched words in bold.
QString markedHtml(const QString& text, const QVariantList& marks, int length)
{
    const int colon = int(text.indexOf(QLatin1Char(':')));
    QString html =
        QLatin1String("<i>") + text.left(std::min(colon + 1, length)).toHtmlEscaped() + QLatin1String("</i>");
    int from = std::min(colon + 1, length);
    for (const QVariant& mark : marks) {
        const int position = mark.toPoint().x();
        const int end = std::min(position + mark.toPoint().y(), length);
        if (position < from || end <= position)
            continue;
        html += text.mid(from, position - from).toHtmlEscaped() + QLatin1String("<b>") +
                text.mid(position, end - position).toHtmlEscaped() + QLatin1String("</b>");
        from = end;
    }
    return html + text.mid(from, length - from).toHtmlEscaped();
}

// The snippet's column: the matched words stand out, and a text too long for the column ends in "…".
class MarkedTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        const QString text = plain.text;
        plain.text.clear();
        plain.widget->style()->drawControl(QStyle::CE_ItemViewItem, &plain, painter, plain.widget);

        const QRect area = option.rect.adjusted(4, 0, -4, 0);
        // Measured in bold, the widest the text can be drawn, so that what is kept always fits.
        QFont bold = plain.font;
        bold.setBold(true);
        const QString elided = QFontMetrics(bold).elidedText(text, Qt::ElideRight, area.width());
        const bool cut = elided.size() < text.size();
        const int kept = cut ? int(elided.size()) - 1 : int(text.size());
        QTextDocument document;
        document.setDocumentMargin(0);
        document.setDefaultFont(plain.font);
        document.setHtml(markedHtml(text, index.data(MarksRole).toList(), kept) +
                         (cut ? QStringLiteral("…") : QString()));

        painter->save();
        painter->translate(area.left(), area.top() + (area.height() - document.size().height()) / 2);
        QAbstractTextDocumentLayout::PaintContext context;
        const bool selected = option.state & QStyle::State_Selected;
        context.palette.setColor(QPalette::Text,
                                 option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        document.documentLayout()->draw(painter, context);
        painter->restore();
    }
};

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
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &SearchResultsList::showContextMenu);
}

void SearchResultsList::showContextMenu(const QPoint& position)
{
    const SearchResult* found = resultOf(itemAt(position));
    if (!found || !namesACargo(found->source))
        return;
    const SearchResult result = *found; // the menu's closing may list anew
    QMenu menu;
    QAction* open = menu.addAction(tr("&Open"));
    QAction* overview = menu.addAction(tr("Cargo &Overview"));
    QAction* chosen = menu.exec(viewport()->mapToGlobal(position));
    if (chosen == open)
        Q_EMIT resultClicked(result);
    else if (chosen == overview)
        Q_EMIT overviewClicked(result);
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
        const QString where = whereFound(result) + QLatin1String(": ");
        auto* item = new QTreeWidgetItem(group->second, {result.name, where + result.snippet});
        item->setData(0, ResultRole, index);
        QVariantList marks;
        for (const auto& [position, length] : result.marks)
            marks << QPoint(int(where.size()) + position, length);
        item->setData(1, MarksRole, marks);
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
