#include "adviser/FrmView.h"

#include "shell/Controls.h"
#include "shell/Placement.h"
#include "shell/SheetWindow.h"
#include "shell/TextBox.h"
#include "shell/TwipScale.h"
#include "shell/WindowRegistry.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>

namespace {

const QString SheetName = QStringLiteral("frmPrint");

// The inner size of the window, wide enough for the hundred characters of the advice texts' lines, and
// what its frame and caption add when it has to fit a small screen.
const QSize WindowTwips{12000, 7140};
const QSize FrameTwips{120, 600};

// The labels of the header, copied from the values of the same names on the printed sheet.
const char* const HeaderLabels[]{"lblID", "lblAbbr", "lblFull", "lblCode", "lblTemp", "lblNote"};

} // namespace

FrmView::FrmView(QWidget* parent)
    : QWidget(parent)
{
    using namespace Controls;

    setObjectName(QStringLiteral("frmView"));
    setWindowTitle(Caption);

    m_text = textBox(this, QStringLiteral("Text1"));
    QPushButton* close = button(this, QStringLiteral("Command1"), QStringLiteral("Close"));
    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);

    const QList<std::pair<QWidget*, QRect>> placed{
        {caption(this, QStringLiteral("ID Number:")), {120, 120, 1560, 285}},
        {valueLabel(this, QStringLiteral("lblID")), {1740, 120, 1800, 285}},
        {caption(this, QStringLiteral("Abbreviated Cargo Name:")), {3720, 120, 2700, 285}},
        {valueLabel(this, QStringLiteral("lblAbbr")), {6480, 120, 5400, 285}},
        {caption(this, QStringLiteral("Full Cargo Name:")), {120, 525, 1560, 285}},
        {valueLabel(this, QStringLiteral("lblFull")), {1740, 525, 10140, 285}},
        {caption(this, QStringLiteral("Cleaning Code:")), {120, 930, 1560, 285}},
        {valueLabel(this, QStringLiteral("lblCode")), {1740, 930, 3000, 285}},
        {valueLabel(this, QStringLiteral("lblTemp")), {4860, 930, 600, 285}},
        {valueLabel(this, QStringLiteral("lblNote")), {5580, 930, 1200, 285}},
        {m_text, {120, 1395, 11760, 4770}},
        {close, {10380, 6285, 1500, 375}},
        {status, {0, 6780, 12000, 360}},
    };
    QScreen* screen = QGuiApplication::primaryScreen();
    const TwipScale scale =
        screen ? TwipScale::fitting(screen, WindowTwips + FrameTwips) : TwipScale(1.0 / 15);
    for (const auto& [widget, twips] : placed)
        widget->setGeometry(scale.rect(twips));
    setFixedSize(scale.size(WindowTwips));

    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

FrmView* FrmView::open(WindowRegistry& windows)
{
    auto* view = new FrmView;
    Placement::place(view, 8);
    if (const auto* sheet = qobject_cast<const SheetWindow*>(windows.load(SheetName)))
        view->copyHeader(sheet->sheet());
    connect(view, &QObject::destroyed, &windows, [&windows] { windows.unload(SheetName); });
    return view;
}

void FrmView::copyHeader(const Sheet& sheet)
{
    for (const char* name : HeaderLabels) {
        const QString labelName = QLatin1String(name);
        findChild<QLabel*>(labelName)->setText(sheet.text(labelName));
    }
}

void FrmView::showText(const QString& caption, const QString& text)
{
    setWindowTitle(caption);
    m_text->setText(text);
}
