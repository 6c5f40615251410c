#include "app/FrmSplash.h"

#include "app/ProgramImages.h"
#include "app/ProgramTexts.h"
#include "shell/Beep.h"
#include "shell/Controls.h"
#include "shell/GradientBackground.h"
#include "shell/Placement.h"
#include "shell/SystemColour.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QColor Yellow{255, 255, 0};
const QColor White{255, 255, 255};
constexpr int LogoHeight = 110;
constexpr int BarWidth = 500;
constexpr int BarHeight = 22;

} // namespace

FrmSplash::FrmSplash(MonotonicClock clock, QWidget* parent)
    : QWidget(parent)
    , m_progress(std::move(clock))
    , m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(Caption);
    m_timer->setObjectName(QStringLiteral("tmrTest"));
    m_timer->setInterval(10);
    connect(m_timer, &QTimer::timeout, this, &FrmSplash::tick);
    buildControls();
}

void FrmSplash::buildControls()
{
    using namespace Controls;

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setPixmap(ProgramImages::logo(LogoHeight, devicePixelRatioF()));

    QLabel* title = caption(this, ProgramTexts::Title, QStringLiteral("lblProductName"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 3);
    titleFont.setBold(true);
    title->setFont(titleFont);
    Controls::setColours(title, QColor(), Yellow);
    QLabel* version = caption(this, QStringLiteral("Version:"), QStringLiteral("lblVersion"));
    QLabel* versionValue = caption(this, ProgramTexts::Version, QStringLiteral("lblVersionValue"));
    QLabel* basedOn = caption(this, QStringLiteral("Based on:"), QStringLiteral("lblBasedOn"));
    for (QLabel* label : {version, versionValue, basedOn})
        Controls::setColours(label, QColor(), White);

    auto* handbooks = new QFrame(this);
    handbooks->setObjectName(QStringLiteral("fraHandbooks"));
    handbooks->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Controls::setColours(handbooks, systemColour(SystemColour::ButtonFace), Qt::black);
    auto* handbookList = new QVBoxLayout(handbooks);
    handbookList->setSpacing(2);
    for (int i = 0; i < ProgramTexts::Handbooks.size(); ++i)
        handbookList->addWidget(
            caption(handbooks, ProgramTexts::Handbooks.at(i), QStringLiteral("lblHandbook%1").arg(i + 1)));

    QLabel* disclaimer = caption(this, QString(), QStringLiteral("lblDisclaimer"));

    m_box = new QFrame(this);
    m_box->setObjectName(QStringLiteral("picProgress"));
    m_box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_box->setFixedSize(BarWidth, BarHeight);
    Controls::setColours(m_box, systemColour(SystemColour::ButtonFace), Qt::black);
    m_fill = new QWidget(m_box);
    m_fill->setObjectName(QStringLiteral("picFill"));
    Controls::setColours(m_fill, Marks::Green, Qt::black);

    m_state = caption(this, QStringLiteral("Loading. Please Wait."), QStringLiteral("lblState"));
    Controls::setColours(m_state, QColor(), White);

    auto* statusBar = new QStatusBar(this);
    statusBar->setObjectName(QStringLiteral("StatusBar1"));
    statusBar->setSizeGripEnabled(false);
    Controls::setColours(statusBar, systemColour(SystemColour::ButtonFace), Qt::black);

    auto* heading = new QVBoxLayout;
    heading->addStretch();
    heading->addWidget(title);
    auto* versionLine = new QHBoxLayout;
    versionLine->setSpacing(6);
    versionLine->addWidget(version);
    versionLine->addWidget(versionValue);
    versionLine->addStretch();
    heading->addLayout(versionLine);
    heading->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(logo);
    top->addSpacing(16);
    top->addLayout(heading, 1);

    auto* content = new QVBoxLayout;
    content->setContentsMargins(16, 16, 16, 12);
    content->setSpacing(6);
    content->addLayout(top);
    content->addSpacing(8);
    content->addWidget(basedOn);
    content->addWidget(handbooks);
    content->addWidget(disclaimer);
    content->addWidget(m_box);
    content->addWidget(m_state);

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->setSpacing(0);
    window->setSizeConstraint(QLayout::SetFixedSize);
    window->addLayout(content);
    window->addWidget(statusBar);
}

void FrmSplash::load()
{
    adjustSize();
    Placement::place(this, 2);
    setFillWidth(0);
    m_timer->start();
}

void FrmSplash::tick()
{
    const double percent = m_progress.tick();
    if (!SplashProgress::isDone(percent)) {
        setFillWidth(qRound(m_box->contentsRect().width() * percent / 100));
        m_state->setText(Loading);
        setCursor(Qt::WaitCursor);
        return;
    }
    m_state->setText(Done);
    Beep::sound();
    m_timer->stop();
    setFillWidth(0);
    Controls::setColours(m_box, Marks::Green, Qt::black);
    unsetCursor();
    m_done = true;
    repaint();
    Q_EMIT finished();
}

void FrmSplash::showWork(const QString& state, int percent)
{
    m_state->setText(state);
    Controls::setColours(m_box, systemColour(SystemColour::ButtonFace), Qt::black);
    setFillWidth(m_box->contentsRect().width() * percent / 100);
    setCursor(Qt::WaitCursor);
}

void FrmSplash::setFillWidth(int width)
{
    const QRect inner = m_box->contentsRect();
    m_fill->setGeometry(inner.x(), inner.y(), width, inner.height());
}

void FrmSplash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    GradientBackground::paint(painter, size());
}

void FrmSplash::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (!m_done)
        Q_EMIT closed();
}
