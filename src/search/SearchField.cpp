#include "search/SearchField.h"

#include "search/SearchResultsList.h"

#include <QApplication>
#include <QKeyEvent>

#include <utility>

SearchField::SearchField(Search search, QWidget* parent)
    : QLineEdit(parent)
    , m_search(std::move(search))
{
    setObjectName(QStringLiteral("txtSearch"));
    setPlaceholderText(tr("Find cargo, note or topic (Ctrl+Shift+F)"));
    connect(this, &QLineEdit::textChanged, this, &SearchField::search);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (now == this && old && old->window() == window())
            m_returnTo = old;
    });
}

QSize SearchField::sizeHint() const
{
    // Room for the prompt and the clear button: the menu bar gives its corner no more than this.
    constexpr int Room = 48;
    return {fontMetrics().horizontalAdvance(placeholderText()) + Room, QLineEdit::sizeHint().height()};
}

void SearchField::takeFocus()
{
    setFocus(Qt::ShortcutFocusReason);
    selectAll();
    // The last search's results again, for a second look.
    search();
}

void SearchField::searchAgain()
{
    if (m_results && m_results->isVisible())
        search();
}

void SearchField::search()
{
    // The clear button shows only over text; its icon, looked up in the desktop's icon theme, would
    // otherwise cost every start.
    if (!text().isEmpty())
        setClearButtonEnabled(true);
    // Typing reaches the field without its taking the keyboard where the window is not active.
    tellTurnedTo();
    if (text().trimmed().isEmpty()) {
        if (m_results)
            m_results->hide();
        return;
    }
    if (!m_results) {
        // A child of the window, not of the menu bar, so that it can lie over the tabs.
        m_results = new SearchResultsList(window());
        connect(m_results, &SearchResultsList::resultClicked, this, &SearchField::choose);
        connect(m_results, &SearchResultsList::overviewClicked, this, &SearchField::chooseOverview);
    }
    placeResults();
    m_results->showResults(m_search(text()));
    placeResults();
    m_results->show();
    m_results->raise();
}

void SearchField::placeResults()
{
    // Under the field, its right edge under the field's, as wide as a row needs and within the window.
    const QWidget* top = window();
    constexpr int Margin = 8;
    const int width = std::min(std::max(this->width(), 640), top->width() - 2 * Margin);
    const QPoint below = mapTo(top, QPoint(this->width(), height()));
    const int left = std::clamp(below.x() - width, Margin, top->width() - Margin - width);
    const int room = top->height() - below.y() - Margin;
    const int height = std::min(m_results->contentHeight(), room);
    m_results->setGeometry(left, below.y() + 2, width, std::max(height, 0));
}

void SearchField::keyPressEvent(QKeyEvent* event)
{
    const bool listed = m_results && m_results->isVisible();
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Up:
        if (listed)
            m_results->moveCurrent(event->key() == Qt::Key_Down ? 1 : -1);
        return;
    case Qt::Key_PageDown:
    case Qt::Key_PageUp:
        if (listed) {
            constexpr int Page = 10;
            m_results->moveCurrent(event->key() == Qt::Key_PageDown ? Page : -Page);
        }
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!listed || !m_results->currentResult())
            return;
        if (!event->modifiers().testFlag(Qt::ShiftModifier))
            choose(*m_results->currentResult());
        else if (namesACargo(m_results->currentResult()->source))
            chooseOverview(*m_results->currentResult());
        return;
    case Qt::Key_Escape:
        closeResults();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

void SearchField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    tellTurnedTo();
}

void SearchField::tellTurnedTo()
{
    if (!std::exchange(m_turnedTo, true))
        Q_EMIT turnedTo();
}

void SearchField::focusOutEvent(QFocusEvent* event)
{
    // The list takes no keyboard: the officer has gone elsewhere.
    if (m_results)
        m_results->hide();
    m_turnedTo = false;
    QLineEdit::focusOutEvent(event);
}

void SearchField::choose(const SearchResult& result)
{
    closeResults();
    Q_EMIT resultChosen(result);
}

void SearchField::chooseOverview(const SearchResult& result)
{
    closeResults();
    Q_EMIT overviewChosen(result);
}

void SearchField::closeResults()
{
    if (m_results)
        m_results->hide();
    if (m_returnTo)
        m_returnTo->setFocus(Qt::OtherFocusReason);
    else
        clearFocus();
}
