#include "app/FrmAbout.h"

#include "app/ProgramImages.h"
#include "app/ProgramTexts.h"
#include "app/SystemInformation.h"
#include "shell/Controls.h"
#include "shell/MessageBox.h"
#include "shell/Placement.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int IconSize = 32;
constexpr int LogoHeight = 80;

QFrame* separator(QWidget* parent, const QString& name)
{
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    return line;
}

} // namespace

FrmAbout::FrmAbout(QWidget* parent)
    : QWidget(parent)
{
    using namespace Controls;

    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(Caption);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(ProgramImages::icon().pixmap(IconSize, IconSize));
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picLogo"));
    picture->setPixmap(ProgramImages::logo(LogoHeight, devicePixelRatioF()));
    QLabel* description = caption(this,
                                  ProgramTexts::Title + QString(18, QLatin1Char(' ')) +
                                      QStringLiteral("For 32-bit Windows Development"),
                                  QStringLiteral("lblDescription"));
    QFont bold = description->font();
    bold.setBold(true);
    description->setFont(bold);
    QLabel* version =
        caption(this, QStringLiteral("Version ") + ProgramTexts::Version, QStringLiteral("lblVersion"));
    QLabel* title = caption(this, QStringLiteral("This product based on:"), QStringLiteral("lblTitle"));
    title->setFont(bold);

    auto* handbooks = new QVBoxLayout;
    handbooks->setContentsMargins(IconSize, 0, 0, 0);
    handbooks->setSpacing(2);
    for (int i = 0; i < ProgramTexts::Handbooks.size(); ++i)
        handbooks->addWidget(
            caption(this, ProgramTexts::Handbooks.at(i), QStringLiteral("lblHandbook%1").arg(i + 1)));

    QPushButton* ok = button(this, QStringLiteral("cmdOK"), QStringLiteral("OK"));
    ok->setDefault(true);
    QPushButton* systemInfo = button(this, QStringLiteral("cmdSysInfo"), QStringLiteral("&System Info..."));
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    connect(systemInfo, &QPushButton::clicked, this, &FrmAbout::startSystemInformation);

    auto* heading = new QGridLayout;
    heading->setHorizontalSpacing(12);
    heading->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    heading->addWidget(description, 0, 1);
    heading->addWidget(version, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(systemInfo);

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(16, 16, 16, 16);
    window->setSizeConstraint(QLayout::SetFixedSize);
    window->addLayout(heading);
    window->addWidget(picture, 0, Qt::AlignHCenter);
    window->addWidget(separator(this, QStringLiteral("Line1")));
    window->addWidget(title);
    window->addLayout(handbooks);
    window->addWidget(separator(this, QStringLiteral("Line2")));
    window->addLayout(buttons);
}

FrmAbout* FrmAbout::open()
{
    auto* about = new FrmAbout;
    about->adjustSize();
    Placement::place(about, 2);
    return about;
}

void FrmAbout::startSystemInformation()
{
    if (!SystemInformation::start())
        MessageBox::ok(this, Unavailable, ProgramTexts::Title);
}
