#include "help/HelpViewer.h"

#include "help/Manual.h"
#include "shell/SystemColour.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QPointer<HelpViewer>& theViewer()
{
    static QPointer<HelpViewer> viewer;
    return viewer;
}

} // namespace

HelpViewer::HelpViewer(QWidget* parent)
    : QMainWindow(parent)
    , m_title(new QLabel(this))
    , m_notice(new QLabel(this))
    , m_text(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(tr("Velcarin Help"));
    resize(640, 520);

    QToolBar* tools = addToolBar(tr("Navigation"));
    tools->setMovable(false);
    m_back =
        tools->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("&Back"), this, &HelpViewer::goBack);
    m_back->setObjectName(QStringLiteral("actionBack"));
    m_back->setShortcut(QKeySequence::Back);
    m_forward = tools->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("&Forward"), this,
                                 &HelpViewer::goForward);
    m_forward->setObjectName(QStringLiteral("actionForward"));
    m_forward->setShortcut(QKeySequence::Forward);

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
    m_text->setObjectName(QStringLiteral("topicText"));
    m_text->setOpenLinks(false);

    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_title);
    layout->addWidget(m_notice);
    layout->addWidget(m_text, 1);
    setCentralWidget(page);
    updateActions();
}

HelpViewer* HelpViewer::instance()
{
    return theViewer();
}

void HelpViewer::showRequest(const HelpRequest& request)
{
    if (!theViewer()) {
        theViewer() = new HelpViewer;
        theViewer()->setAttribute(Qt::WA_DeleteOnClose);
    }
    theViewer()->showTopic(request);
    theViewer()->show();
    theViewer()->raise();
    theViewer()->activateWindow();
}

void HelpViewer::showTopic(const HelpRequest& request)
{
    m_history.erase(m_history.begin() + (m_current + 1), m_history.end());
    m_history << request;
    m_current = int(m_history.size()) - 1;
    display(request);
    updateActions();
}

QString HelpViewer::topicTitle() const
{
    return m_title->text();
}

QString HelpViewer::topicHtml() const
{
    return m_text->toHtml();
}

void HelpViewer::display(const HelpRequest& request)
{
    const Result<const Manual*> manual = m_manuals.open(request.helpFile);
    Result<std::optional<Manual::Topic>> topic = std::optional<Manual::Topic>();
    QString notice;
    if (!manual) {
        topic = Failure{manual.error()};
    } else if (request.command != HelpRequest::ShowContext) {
        topic = Failure{tr("The help command %1 is not one this viewer knows.").arg(request.command)};
    } else if ((topic = (*manual)->topic(request.context)) && !*topic) {
        // A number the manual does not map: say so over its contents, when it has a contents topic.
        notice = tr("The help file %1 has no topic %2.")
                     .arg(QDir::toNativeSeparators(request.helpFile))
                     .arg(request.context);
        topic = (*manual)->contentsTopic();
        if (topic && !*topic)
            topic = Failure{notice};
    }

    const bool shown = topic && *topic;
    m_notice->setText(shown ? notice : QString());
    m_notice->setVisible(shown && !notice.isEmpty());
    if (!shown) {
        setWindowTitle(tr("Velcarin Help"));
        m_title->setText(tr("Topic not available"));
        m_text->setPlainText(topic.error());
        return;
    }
    const Manual::Topic& page = **topic;
    setWindowTitle(tr("%1 - Velcarin Help").arg((*manual)->title()));
    // Popup topics have no title of their own.
    m_title->setText(page.title.isEmpty() ? (*manual)->title() : page.title);
    m_text->setHtml(page.html);
}

void HelpViewer::goBack()
{
    if (m_current <= 0)
        return;
    display(m_history.at(--m_current));
    updateActions();
}

void HelpViewer::goForward()
{
    if (m_current + 1 >= m_history.size())
        return;
    display(m_history.at(++m_current));
    updateActions();
}

void HelpViewer::updateActions()
{
    m_back->setEnabled(m_current > 0);
    m_forward->setEnabled(m_current + 1 < m_history.size());
}
