#include "charts/FrmHazard.h"

#include "charts/HazardRatings.h"
#include "shell/Advisers.h"
#include "shell/Controls.h"
#include "shell/Placement.h"
#include "shell/TextBox.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {

const QColor Navy{0, 0, 128};
const QColor White{255, 255, 255};
const QColor Yellow{255, 255, 0};
const QColor Black{0, 0, 0};
const QColor DarkRed{64, 0, 0};
const QColor LightCyan{192, 255, 255};
const QColor PanelGrey{212, 208, 200};

const QSize WindowTwips{8895, 7035};

// The captions beside the values, white on the window.
struct Caption {
    const char* text;
    QRect twips;
};
const Caption Captions[]{
    {"Abbreviated Cargo Name:", {120, 150, 2055, 255}},
    {"Full Cargo Name:", {120, 510, 2055, 255}},
    {"ID Number:", {120, 870, 1095, 255}},
    {"UN No.:", {2400, 870, 735, 255}},
    {"USCG No.:", {4080, 870, 975, 255}},
    {"Cleaning Code:", {120, 1230, 1335, 255}},
    {"Pollution Cat.", {120, 1590, 1335, 255}},
    {"Health Hazard Ratings", {2400, 1590, 2055, 255}},
};

// The values copied from the operator tab's cargo: the label of this window and the value it shows.
struct Copied {
    const char* label;
    QString CurrentCargo::*value;
    QRect twips;
};
const Copied CopiedValues[]{
    {"lblAbbr", &CurrentCargo::name, {2280, 120, 4155, 285}},
    {"lblFull", &CurrentCargo::fullName, {2280, 480, 4155, 285}},
    {"lblID", &CurrentCargo::idNumber, {1320, 840, 975, 285}},
    {"lblUN", &CurrentCargo::unNumber, {3240, 840, 735, 285}},
    {"lblUSCG", &CurrentCargo::uscgGroup, {5160, 840, 495, 285}},
    {"lblCode", &CurrentCargo::cleaningCode, {1560, 1200, 2415, 285}},
    {"lblTemp", &CurrentCargo::temperatureCode, {4080, 1200, 375, 285}},
    {"lblNote", &CurrentCargo::notesCode, {4560, 1200, 735, 285}},
    {"lblPOL", &CurrentCargo::pollutionCategory, {1560, 1560, 615, 285}},
    {"lblH1", &CurrentCargo::hazard1, {4560, 1560, 375, 285}},
    {"lblH2", &CurrentCargo::hazard2, {5040, 1560, 375, 285}},
    {"lblH3", &CurrentCargo::hazard3, {5520, 1560, 375, 285}},
};

// Inside the panel each scale has its heading and, under it, the box with its level's description.
constexpr int ScaleTop = 240;
constexpr int ScaleStep = 1380;

// The window's picture, decoration only: a hazard warning sign.
QPixmap warningSign()
{
    QPixmap picture(148, 103);
    picture.fill(Navy);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath triangle;
    triangle.moveTo(74, 6);
    triangle.lineTo(130, 97);
    triangle.lineTo(18, 97);
    triangle.closeSubpath();
    painter.setPen(QPen(Black, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Yellow);
    painter.drawPath(triangle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Black);
    painter.drawRoundedRect(QRectF(69, 36, 10, 36), 4, 4);
    painter.drawEllipse(QPointF(74, 83), 6, 6);
    return picture;
}

} // namespace

FrmHazard::FrmHazard(QWidget* parent)
    : QWidget(parent)
    , m_layout(this, WindowTwips)
{
    setObjectName(QStringLiteral("frmHazard"));
    setWindowTitle(Title);
    Controls::setColours(this, Navy, White);
    buildIdentification();
    buildScales();
    QPushButton* close = Controls::button(this, QStringLiteral("Command1"), QStringLiteral("CLOSE"));
    m_layout.place(close, {3840, 6540, 1215, 375});
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    setScale(m_layout.screenScale());
}

void FrmHazard::buildIdentification()
{
    for (const Caption& caption : Captions)
        m_layout.placeWhole(Controls::caption(this, QLatin1String(caption.text)), caption.twips);
    for (const Copied& copied : CopiedValues)
        m_values << valueBox(QLatin1String(copied.label), copied.twips);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(warningSign());
    picture->setScaledContents(true);
    m_layout.place(picture, {6555, 120, 2220, 1545});
}

QLabel* FrmHazard::valueBox(const QString& name, const QRect& twips)
{
    QLabel* value = Controls::caption(this, QString(), name);
    value->setFrameStyle(QFrame::Box | QFrame::Plain);
    value->setAlignment(twips.width() < 500 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    value->setIndent(3);
    Controls::setColours(value, Yellow, Black);
    m_layout.place(value, twips);
    return value;
}

void FrmHazard::buildScales()
{
    QGroupBox* panel = Controls::frame(this, QString(), QStringLiteral("Frame1"));
    Controls::setColours(panel, PanelGrey, Black);
    m_layout.place(panel, {120, 1980, 8655, 4440});
    const QList<HazardRatings::Scale>& scales = HazardRatings::scales();
    for (int index = 0; index < scales.size(); ++index) {
        const int top = ScaleTop + index * ScaleStep;
        QLabel* heading = Controls::caption(panel, QString(), QStringLiteral("Label%1").arg(9 + index));
        heading->setWordWrap(true);
        Controls::setColours(heading, QColor(), DarkRed);
        m_layout.place(heading, {120, top, 8415, 465});
        m_headings << heading;
        TextBox* description = Controls::textBox(panel, QStringLiteral("Text%1").arg(1 + index));
        description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        QPalette palette = description->palette();
        palette.setColor(QPalette::Base, LightCyan);
        description->setPalette(palette);
        description->setTextColour(Black);
        m_layout.place(description, {120, top + 480, 8415, 780});
        m_descriptions << description;
    }
}

FrmHazard* FrmHazard::open(const Advisers& advisers)
{
    auto* window = new FrmHazard;
    window->load(advisers);
    return window;
}

void FrmHazard::load(const Advisers& advisers)
{
    Placement::place(this, 2);
    const CurrentCargo cargo = advisers.currentCargo(Advisers::Tab::Tavro);
    for (int index = 0; index < m_values.size(); ++index)
        m_values[index]->setText(cargo.*CopiedValues[index].value);
    const QList<HazardRatings::Scale>& scales = HazardRatings::scales();
    for (int index = 0; index < scales.size(); ++index) {
        m_headings[index]->setText(scales[index].heading);
        const QString rating = findChild<QLabel*>(QStringLiteral("lbl") + scales[index].name)->text();
        m_descriptions[index]->setText(HazardRatings::description(scales[index], rating));
    }
}
