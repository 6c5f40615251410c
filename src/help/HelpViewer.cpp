#include "help/HelpViewer.h"

#include "data/DataFolders.h"
#include "help/KeywordList.h"
#include "help/TopicBrowser.h"
#include "help/TopicPopup.h"
#include "shell/DefaultPrinter.h"
#include "shell/FileDialog.h"
#include "shell/MessageBox.h"
#include "shell/SystemColour.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPrinter>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int TargetRole = Qt::UserRole;
constexpr int FileRole = Qt::UserRole + 1;
constexpr int MaxZoomSteps = 8;

QPointer<HelpViewer>& theViewer()
{
    static QPointer<HelpViewer> viewer;
    return viewer;
}

// Where the officer last left the viewer, kept in his settings: a viewer opened again, in this run or a
// later one, comes back there.
const QString GeometryKey = QStringLiteral("helpViewer/geometry");

QSettings settings()
{
    return QSettings(QStringLiteral("Velcarin"), QStringLiteral("Velcarin"));
}

} // namespace

HelpViewer::HelpViewer(QWidget* parent)
    : QMainWindow(parent)
    , m_title(new QLabel(this))
    , m_notice(new QLabel(this))
    , m_fixedText(new TopicBrowser(this))
    , m_text(new TopicBrowser(this))
    , m_popup(new TopicPopup(this))
    , m_sidePane(new QTabWidget(this))
    , m_contents(new QTreeWidget(this))
    , m_indexFilter(new QLineEdit(this))
    , m_index(new QListView(this))
    , m_keywords(new KeywordList(this))
    , m_searchWords(new QLineEdit(this))
    , m_searchResults(new QListWidget(this))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(tr("Velcarin Help"));
    resize(860, 560);

    QToolBar* tools = addToolBar(tr("Navigation"));
    tools->setObjectName(QStringLiteral("navigation"));
    tools->setMovable(false);
    m_back =
        tools->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("&Back"), this, &HelpViewer::goBack);
    m_back->setObjectName(QStringLiteral("actionBack"));
    m_back->setShortcut(QKeySequence::Back);
    m_forward = tools->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("&Forward"), this,
                                 &HelpViewer::goForward);
    m_forward->setObjectName(QStringLiteral("actionForward"));
    m_forward->setShortcut(QKeySequence::Forward);
    tools->addSeparator();
    m_browseBack = tools->addAction(tr("<<"), this, [this] {
        go({m_history.at(m_current).request, m_topic->browseBack});
    });
    m_browseBack->setObjectName(QStringLiteral("actionBrowseBack"));
    m_browseBack->setToolTip(tr("The topic before this one"));
    m_browseForward = tools->addAction(tr(">>"), this, [this] {
        go({m_history.at(m_current).request, m_topic->browseForward});
    });
    m_browseForward->setObjectName(QStringLiteral("actionBrowseForward"));
    m_browseForward->setToolTip(tr("The topic after this one"));
    tools->addSeparator();
    QAction* print = tools->addAction(tr("&Print"), this, &HelpViewer::print);
    print->setObjectName(QStringLiteral("actionPrint"));
    print->setShortcut(QKeySequence::Print);
    QAction* pdf = tools->addAction(tr("Export as PD&F..."), this, &HelpViewer::exportPdf);
    pdf->setObjectName(QStringLiteral("actionExportPdf"));
    QAction* zoomIn = tools->addAction(tr("Zoom &In"), this, [this] { zoom(m_zoom + 1); });
    zoomIn->setObjectName(QStringLiteral("actionZoomIn"));
    zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    QAction* zoomOut = tools->addAction(tr("Zoom &Out"), this, [this] { zoom(m_zoom - 1); });
    zoomOut->setObjectName(QStringLiteral("actionZoomOut"));
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    m_title->setObjectName(QStringLiteral("topicTitle"));
    m_title->setTextFormat(Qt::PlainText);
    m_title->setWordWrap(true);
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    m_title->setFont(titleFont);
    m_notice->setObjectName(QStringLiteral("topicNotice"));
    m_notice->setTextFormat(Qt::PlainText);
    m_notice->setWordWrap(true);
    m_notice->setMargin(4);
    m_notice->setFrameShape(QFrame::Box);
    m_notice->setAutoFillBackground(true);
    QPalette noticeColours = m_notice->palette();
    noticeColours.setColor(QPalette::Window, systemColour(SystemColour::InfoBackground));
    noticeColours.setColor(QPalette::WindowText, Marks::Black);
    m_notice->setPalette(noticeColours);
    m_notice->hide();
    m_fixedText->setObjectName(QStringLiteral("topicFixedText"));
    m_fixedText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_fixedText->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_fixedText->hide();
    // The region that does not scroll is as high as its text, at any width.
    connect(m_fixedText->document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged,
            this, [this](const QSizeF& size) {
                m_fixedText->setFixedHeight(int(size.height()) + 2 * m_fixedText->frameWidth());
            });
    m_text->setObjectName(QStringLiteral("topicText"));
    for (TopicBrowser* text : {m_fixedText, m_text, m_popup->browser()})
        connect(text, &TopicBrowser::linkClicked, this, &HelpViewer::followLink);

    m_sidePane->setObjectName(QStringLiteral("sidePane"));
    m_contents->setObjectName(QStringLiteral("contentsTree"));
    m_contents->setHeaderHidden(true);
    connect(m_contents, &QTreeWidget::itemActivated, this, &HelpViewer::openContentsEntry);
    connect(m_contents, &QTreeWidget::itemClicked, this, &HelpViewer::openContentsEntry);
    m_sidePane->addTab(m_contents, tr("&Contents"));

    auto* indexPage = new QWidget(this);
    auto* indexLayout = new QVBoxLayout(indexPage);
    m_indexFilter->setObjectName(QStringLiteral("indexFilter"));
    m_indexFilter->setPlaceholderText(tr("Type a keyword"));
    m_indexFilter->setClearButtonEnabled(true);
    m_index->setObjectName(QStringLiteral("indexList"));
    m_index->setModel(m_keywords);
    m_index->setUniformItemSizes(true);
    m_index->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(m_indexFilter, &QLineEdit::textEdited, m_keywords, &KeywordList::narrow);
    connect(m_indexFilter, &QLineEdit::returnPressed, this, [this] {
        if (m_keywords->rowCount() > 0)
            openKeyword(m_keywords->index(0));
    });
    connect(m_index, &QListView::activated, this, &HelpViewer::openKeyword);
    connect(m_index, &QListView::clicked, this, &HelpViewer::openKeyword);
    indexLayout->addWidget(m_indexFilter);
    indexLayout->addWidget(m_index, 1);
    m_sidePane->addTab(indexPage, tr("&Index"));

    auto* searchPage = new QWidget(this);
    auto* searchLayout = new QVBoxLayout(searchPage);
    m_searchWords->setObjectName(QStringLiteral("searchWords"));
    m_searchWords->setPlaceholderText(tr("Words to find, then Enter"));
    m_searchResults->setObjectName(QStringLiteral("searchResults"));
    m_searchResults->setWordWrap(true);
    connect(m_searchWords, &QLineEdit::returnPressed, this, &HelpViewer::search);
    connect(m_searchResults, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        m_highlighted = m_searchWords->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        go({m_history.at(m_current).request, item->data(TargetRole).toString()});
    });
    connect(m_searchResults, &QListWidget::itemClicked, m_searchResults, &QListWidget::itemActivated);
    searchLayout->addWidget(m_searchWords);
    searchLayout->addWidget(m_searchResults, 1);
    m_sidePane->addTab(searchPage, tr("&Search"));

    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_title);
    layout->addWidget(m_notice);
    layout->addWidget(m_fixedText);
    layout->addWidget(m_text, 1);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_sidePane);
    splitter->addWidget(page);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 600});
    setCentralWidget(splitter);
    updateActions();
}

HelpViewer* HelpViewer::instance()
{
    return theViewer();
}

void HelpViewer::showRequest(const HelpRequest& request)
{
    if (!theViewer()) {
        const QWidget* asking = QApplication::activeWindow();
        theViewer() = new HelpViewer;
        theViewer()->setAttribute(Qt::WA_DeleteOnClose);
        theViewer()->placeBeside(asking);
    }
    theViewer()->showTopic(request);
    theViewer()->show();
    theViewer()->raise();
    theViewer()->activateWindow();
}

void HelpViewer::showTopic(const HelpRequest& request)
{
    m_highlighted.clear();
    go({request, request.target});
}

QString HelpViewer::topicTitle() const
{
    return m_title->text();
}

QString HelpViewer::topicHtml() const
{
    return m_text->toHtml();
}

void HelpViewer::closeEvent(QCloseEvent* event)
{
    settings().setValue(GeometryKey, saveGeometry());
    QMainWindow::closeEvent(event);
}

// Beside the window that asked, not over it: to its right where the screen has room, else to its left.
void HelpViewer::placeBeside(const QWidget* asking)
{
    if (restoreGeometry(settings().value(GeometryKey).toByteArray()))
        return;
    if (!asking || !asking->screen())
        return;
    const QRect screen = asking->screen()->availableGeometry();
    const QRect taken = asking->frameGeometry();
    QRect area(QPoint(), size());
    area.moveTop(std::max(screen.top(), taken.top()));
    if (taken.right() + area.width() <= screen.right())
        area.moveLeft(taken.right() + 1);
    else if (taken.left() - area.width() >= screen.left())
        area.moveRight(taken.left() - 1);
    else
        area.moveRight(screen.right());
    move(area.topLeft());
}

void HelpViewer::go(const Place& place)
{
    m_history.erase(m_history.begin() + (m_current + 1), m_history.end());
    m_history << place;
    m_current = int(m_history.size()) - 1;
    display(place);
    updateActions();
}

void HelpViewer::display(const Place& place)
{
    const HelpRequest& request = place.request;
    m_topic.reset();
    const Result<const Manual*> manual = m_manuals.open(request.helpFile);
    if (!manual)
        return showFailure(manual.error());
    if (request.command != HelpRequest::ShowContext)
        return showFailure(tr("The help command %1 is not one this viewer knows.").arg(request.command));
    m_manual = *manual;
    m_manualFile = request.helpFile;
    fillSidePane(m_manual, request.helpFile);

    const QString target = place.target.isEmpty() ? QString::number(request.context) : place.target;
    const QString shownFile = QDir::toNativeSeparators(request.helpFile);
    Result<std::optional<Manual::Topic>> topic = m_manual->topicAt(target);
    QString notice;
    if (topic && !*topic && place.target.isEmpty()) {
        // A number the manual does not map: say so over its contents, when it has a contents topic.
        notice = tr("The help file %1 has no topic %2.").arg(shownFile).arg(request.context);
        topic = m_manual->contentsTopic();
    }
    if (!topic)
        return showFailure(topic.error());
    if (!*topic)
        return showFailure(notice.isEmpty() ? tr("The help file %1 has no topic %2.").arg(shownFile, target)
                                            : notice);

    m_topic = **topic;
    m_notice->setText(notice);
    m_notice->setVisible(!notice.isEmpty());
    setWindowTitle(tr("%1 - Velcarin Help").arg(m_manual->title()));
    // Popup topics have no title of their own.
    m_title->setText(m_topic->title.isEmpty() ? m_manual->title() : m_topic->title);
    m_fixedText->setVisible(!m_topic->fixedHtml.isEmpty());
    m_fixedText->showTopic(m_manual, m_topic->fixedHtml);
    m_text->showTopic(m_manual, m_topic->html);
    m_text->highlight(m_highlighted);
}

void HelpViewer::showFailure(const QString& reason)
{
    m_topic.reset();
    m_notice->hide();
    m_fixedText->hide();
    setWindowTitle(tr("Velcarin Help"));
    m_title->setText(tr("Topic not available"));
    m_text->showTopic(nullptr, {});
    m_text->setPlainText(reason);
}

void HelpViewer::followLink(const QString& href)
{
    const std::optional<TopicLink> link = TopicLink::fromHref(href);
    if (!link || m_current < 0)
        return;
    if (link->popup)
        return showPopup(*link);
    m_popup->close();
    HelpRequest request = m_history.at(m_current).request;
    request.helpFile = linkFile(link->file);
    request.command = HelpRequest::ShowContext;
    m_highlighted.clear();
    go({request, link->target});
}

void HelpViewer::showPopup(const TopicLink& link)
{
    const QString file = linkFile(link.file);
    const Result<const Manual*> manual = m_manuals.open(file);
    Result<std::optional<Manual::Topic>> topic =
        manual ? (*manual)->topicAt(link.target)
               : Result<std::optional<Manual::Topic>>(Failure{manual.error()});
    QString html;
    if (!topic)
        html = topic.error().toHtmlEscaped();
    else if (!*topic)
        html = tr("The help file %1 has no topic %2.")
                   .arg(QDir::toNativeSeparators(file), link.target)
                   .toHtmlEscaped();
    else
        html = (*topic)->fixedHtml + (*topic)->html;
    m_popup->showAt(manual ? *manual : nullptr, html, QCursor::pos() + QPoint(8, 8));
}

// The help file a link names: this one, else the one beside it, else where help files are looked for.
QString HelpViewer::linkFile(const QString& file) const
{
    if (file.isEmpty())
        return m_manualFile;
    const QString beside = QFileInfo(m_manualFile).dir().filePath(file);
    if (QFileInfo::exists(beside))
        return beside;
    const QString located = DataFolders::current().locate(file);
    return QFileInfo::exists(located) ? located : beside;
}

void HelpViewer::goBack()
{
    if (m_current <= 0)
        return;
    m_highlighted.clear();
    display(m_history.at(--m_current));
    updateActions();
}

void HelpViewer::goForward()
{
    if (m_current + 1 >= m_history.size())
        return;
    m_highlighted.clear();
    display(m_history.at(++m_current));
    updateActions();
}

void HelpViewer::updateActions()
{
    m_back->setEnabled(m_current > 0);
    m_forward->setEnabled(m_current + 1 < m_history.size());
    m_browseBack->setEnabled(m_topic && !m_topic->browseBack.isEmpty());
    m_browseForward->setEnabled(m_topic && !m_topic->browseForward.isEmpty());
}

// The contents and the index of the manual shown; read once for each manual.
void HelpViewer::fillSidePane(const Manual* manual, const QString& file)
{
    if (file == m_sidePaneFile && manual == m_sidePaneManual)
        return;
    m_sidePaneFile = file;
    m_sidePaneManual = manual;
    m_contents->clear();
    const Result<QList<Manual::ContentsEntry>> contents = manual->contents();
    if (contents)
        fillContents(m_contents->invisibleRootItem(), *contents);
    else
        m_contents->addTopLevelItem(new QTreeWidgetItem(QStringList{contents.error()}));
    const Result<QList<Manual::Keyword>> keywords = manual->keywords();
    m_keywords->setKeywords(keywords ? *keywords : QList<Manual::Keyword>());
    m_indexFilter->clear();
    m_indexFilter->setPlaceholderText(keywords ? tr("Type a keyword") : keywords.error());
    m_searchResults->clear();
}

void HelpViewer::fillContents(QTreeWidgetItem* parent, const QList<Manual::ContentsEntry>& entries)
{
    for (const Manual::ContentsEntry& entry : entries) {
        auto* item = new QTreeWidgetItem(parent, QStringList{entry.title});
        item->setData(0, TargetRole, entry.target);
        item->setData(0, FileRole, entry.file);
        fillContents(item, entry.children);
    }
}

void HelpViewer::openContentsEntry(QTreeWidgetItem* item)
{
    const QString target = item->data(0, TargetRole).toString();
    if (target.isEmpty() || m_current < 0)
        return;
    followLink(TopicLink{{}, target, item->data(0, FileRole).toString(), false}.href());
}

void HelpViewer::openKeyword(const QModelIndex& index)
{
    if (!index.isValid() || !m_manual || m_current < 0)
        return;
    const Manual::Keyword& keyword = m_keywords->keywordAt(index.row());
    if (keyword.targets.size() == 1)
        return followLink(TopicLink{{}, keyword.targets.first(), {}, false}.href());
    // A keyword on several topics: the officer chooses one.
    auto* choice = new QMenu(this);
    choice->setObjectName(QStringLiteral("keywordTopics"));
    choice->setAttribute(Qt::WA_DeleteOnClose);
    QHash<QString, QString> titles;
    for (const Manual::Heading& heading : m_manual->headings())
        titles.insert(heading.target, heading.title);
    for (const QString& target : keyword.targets) {
        choice->addAction(titles.value(target, target), this, [this, target] {
            followLink(TopicLink{{}, target, {}, false}.href());
        });
    }
    choice->popup(m_index->viewport()->mapToGlobal(m_index->visualRect(index).bottomLeft()));
}

void HelpViewer::search()
{
    m_searchResults->clear();
    if (!m_manual)
        return;
    const QList<Manual::Found> found = m_manual->search(m_searchWords->text());
    for (const Manual::Found& result : found) {
        auto* item = new QListWidgetItem(result.title + QLatin1Char('\n') + result.snippet, m_searchResults);
        item->setData(TargetRole, result.target);
    }
    if (found.isEmpty())
        m_searchResults->addItem(tr("No topic holds these words."));
}

void HelpViewer::print()
{
    std::unique_ptr<QPrinter> printer = DefaultPrinter::open(m_title->text());
    if (!printer) {
        MessageBox::error(this, tr("No printer is installed."), windowTitle());
        return;
    }
    m_text->document()->print(printer.get());
}

void HelpViewer::exportPdf()
{
    const QString path = FileDialog::saveFileName(this, {tr("Export the topic as PDF"),
                                                         m_title->text() + QStringLiteral(".pdf"),
                                                         tr("PDF files (*.pdf)"), QStringLiteral("pdf")});
    if (path.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QFile::remove(path);
    m_text->document()->print(&printer);
    if (!QFileInfo(path).isFile() || QFileInfo(path).size() == 0)
        MessageBox::error(this,
                          tr("The topic could not be written to %1.").arg(QDir::toNativeSeparators(path)),
                          windowTitle());
}

void HelpViewer::zoom(int steps)
{
    m_zoom = std::clamp(steps, -MaxZoomSteps, MaxZoomSteps);
    m_text->setZoom(m_zoom);
    m_fixedText->setZoom(m_zoom);
    m_popup->browser()->setZoom(m_zoom);
    m_text->highlight(m_highlighted);
}
