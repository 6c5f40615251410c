#include "charts/FrmUSCG.h"

#include "adviser/Vocabulary.h"
#include "charts/Band.h"
#include "charts/ChartGeometry.h"
#include "charts/ChartPicture.h"
#include "charts/CompatibilityChart.h"
#include "charts/CompatibilityExceptions.h"
#include "data/RecordSources.h"
#include "data/Schema.h"
#include "shell/Advisers.h"
#include "shell/ClickableLabel.h"
#include "shell/ComboClicks.h"
#include "shell/Controls.h"
#include "shell/DataControl.h"
#include "shell/FindByName.h"
#include "shell/GradientBackground.h"
#include "shell/MessageBox.h"
#include "shell/Placement.h"
#include "shell/SystemColour.h"
#include "shell/TextBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace {

const QColor LightRed{255, 128, 128};
const QColor Blue{0, 0, 255};
const QColor LightYellow{255, 255, 128};
const QColor DarkBlue{0, 0, 64};
const QColor Yellow{255, 255, 0};
const QColor RowHatching{255, 192, 192};
const QColor ColumnHatching{128, 128, 255};

const QSize WindowTwips{11895, 8415};

// The caption of a group number: "01" to "09", then the numbers as they are.
QString twoDigits(int group)
{
    return QStringLiteral("%1").arg(group, 2, 10, QLatin1Char('0'));
}

// The first cargo as the tab in front shows it: the operator's cargo or the Jo Tankers product, with its
// group number. Nothing for the Henkel tab, which has no groups.
std::optional<CurrentCargo> firstCargoOf(const Advisers& advisers)
{
    const Advisers::Tab tab = advisers.tabInFront();
    if (tab == Advisers::Tab::Henkel)
        return std::nullopt;
    return advisers.currentCargo(tab);
}

} // namespace

FrmUSCG::FrmUSCG(QWidget* parent)
    : QWidget(parent)
    , m_layout(this, WindowTwips)
    , m_data(new DataControl(QStringLiteral("dtaU"), this))
{
    setObjectName(QStringLiteral("frmUSCG"));
    setWindowTitle(Title);
    buildControls();
    buildChart();
    setScale(m_layout.screenScale());
}

void FrmUSCG::buildControls()
{
    using namespace Controls;

    m_firstCargo = caption(this, QString(), QStringLiteral("lblCargo1"));
    setColours(m_firstCargo, LightRed, systemColour(SystemColour::Highlight));
    m_layout.place(m_firstCargo, {120, 30, 4575, 285});
    m_firstGroup = caption(this, QStringLiteral("01"), QStringLiteral("lblUSCG1"));
    setColours(m_firstGroup, LightRed, Qt::black);
    m_firstGroup->setAlignment(Qt::AlignCenter);
    m_layout.place(m_firstGroup, {4800, 30, 420, 285});

    m_secondCargo = new QComboBox(this);
    m_secondCargo->setObjectName(QStringLiteral("DBCombo1"));
    m_secondCargo->setEditable(true);
    m_secondCargo->setCompleter(nullptr);
    m_secondCargo->setInsertPolicy(QComboBox::NoInsert);
    m_secondCargo->setMaxVisibleItems(20);
    m_secondCargo->setToolTip(QStringLiteral("Choise the cargo grade from the list."));
    setInitialText(m_secondCargo, QStringLiteral("Choise the cargo here"));
    m_layout.place(m_secondCargo, {120, 360, 4575, 315});
    m_holder = holder(this, QStringLiteral("Text1"));
    m_secondGroup = caption(this, QString(), QStringLiteral("Label66"));
    setColours(m_secondGroup, Blue, LightYellow);
    m_secondGroup->setAlignment(Qt::AlignCenter);
    m_layout.place(m_secondGroup, {4800, 360, 420, 315});

    QPushButton* compareButton = button(this, QStringLiteral("Command1"), QStringLiteral("Compare"));
    m_layout.place(compareButton, {120, 720, 3015, 315});
    QLabel* exceptions = caption(this, QStringLiteral("Exceptions:"), QStringLiteral("lblExceptions"));
    setColours(exceptions, QColor(), Yellow);
    m_layout.place(exceptions, {120, 1080, 3015, 240});
    m_notes = textBox(this, QStringLiteral("txtNotes"));
    m_notes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette notesPalette = m_notes->palette();
    notesPalette.setColor(QPalette::Base, Qt::black);
    m_notes->setPalette(notesPalette);
    m_notes->setTextColour(systemColour(SystemColour::HighlightText));
    m_layout.place(m_notes, {0, 1320, 3195, 6615});
    QPushButton* closeButton = button(this, QStringLiteral("Command2"), QStringLiteral("Close"));
    m_layout.place(closeButton, {120, 7980, 3015, 315});

    connect(new ComboClicks(m_secondCargo), &ComboClicks::clicked, this, &FrmUSCG::pickSecondCargo);
    connect(compareButton, &QPushButton::clicked, this, &FrmUSCG::compare);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void FrmUSCG::buildChart()
{
    using namespace CompatibilityChart;

    for (int group : columnGroups()) {
        QLabel* header = Controls::caption(this, twoDigits(group), QStringLiteral("lblColumn%1").arg(group));
        Controls::setColours(header, Blue, LightYellow);
        header->setAlignment(Qt::AlignCenter);
        m_layout.place(header, ChartGeometry::columnHeader(group));
    }
    for (int group : rowGroups()) {
        auto* number = new ClickableLabel(QStringLiteral("Labelq%1").arg(group), twoDigits(group), this);
        Controls::setColours(number, LightRed, Qt::black);
        number->setAlignment(Qt::AlignCenter);
        m_layout.place(number, ChartGeometry::rowNumber(group));
        connect(number, &ClickableLabel::clicked, this, [this, group] { showExceptions(group); });

        QLabel* name = Controls::caption(this, Vocabulary::uscgGroupName(numeral(group)).value_or(QString()),
                                         QStringLiteral("lblGroup%1").arg(group));
        Controls::setColours(name, Marks::Green, DarkBlue);
        // Every name shows whole, narrowed where it is wider than its label.
        m_layout.placeWhole(name, ChartGeometry::groupName(group));

        QLabel* copy = Controls::caption(this, twoDigits(group), QStringLiteral("lblRow%1").arg(group));
        Controls::setColours(copy, LightRed, Qt::black);
        copy->setAlignment(Qt::AlignCenter);
        m_layout.place(copy, ChartGeometry::rowNumberRight(group));
    }

    // The bands lie over the chart, the column bands over the row bands.
    m_chart = new ChartPicture(this);
    for (int group : rowGroups()) {
        const QString name =
            group < 30 ? QStringLiteral("Shape%1").arg(group) : QStringLiteral("SH%1").arg(group);
        m_rowBands.insert(group, new Band(name, Marks::Red, RowHatching, Qt::FDiagPattern, this));
        m_layout.place(m_rowBands.value(group), ChartGeometry::row(group));
    }
    for (int group : columnGroups()) {
        m_columnBands.insert(group, new Band(QStringLiteral("Shape1_%1").arg(group), Blue, ColumnHatching,
                                             Qt::BDiagPattern, this));
        m_layout.place(m_columnBands.value(group), ChartGeometry::column(group));
    }
}

void FrmUSCG::setScale(const TwipScale& scale)
{
    m_layout.setScale(scale);
    m_chart->setScale(scale);
}

FrmUSCG* FrmUSCG::open(const Advisers& advisers, const Store& store)
{
    auto* window = new FrmUSCG;
    const Result<> loaded = window->load(advisers, store);
    if (loaded)
        return window;
    delete window;
    MessageBox::error(nullptr, tr("The compatibility chart cannot open:\n\n%1").arg(loaded.error()),
                      QStringLiteral("USCG Compatibility Chart"));
    return nullptr;
}

Result<> FrmUSCG::load(const Advisers& advisers, const Store& store)
{
    Placement::place(this, 2);
    QString error;
    if (!m_data->open(store, Schema::CleaningFile, RecordSources::dtaU, &error))
        return Failure{error};
    m_data->bindList(m_secondCargo, QStringLiteral("Abbreviated Name"));
    m_data->bind(m_secondGroup, QStringLiteral("Compatability Chart No"));
    takeFirstCargo(advisers);
    return {};
}

void FrmUSCG::takeFirstCargo(const Advisers& advisers)
{
    if (const std::optional<CurrentCargo> cargo = firstCargoOf(advisers)) {
        m_firstCargo->setText(cargo->name);
        m_firstGroup->setText(cargo->uscgGroup);
    }
    for (Band* band : std::as_const(m_rowBands))
        band->hide();
    for (Band* band : std::as_const(m_columnBands))
        band->hide();
    const QString group = m_firstGroup->text();
    if (const auto row = CompatibilityChart::groupNamed(group, CompatibilityChart::rowGroups()))
        m_rowBands.value(*row)->show();
    if (const std::optional<QString> exceptions = CompatibilityExceptions::textOf(group))
        m_notes->setText(*exceptions);
}

void FrmUSCG::pickSecondCargo(int pickedRow)
{
    findByName(m_secondCargo, m_holder, *m_data, CriterionPrefixes::CleaningName, pickedRow);
    for (Band* band : std::as_const(m_columnBands))
        band->hide();
}

void FrmUSCG::compare()
{
    if (const auto column =
            CompatibilityChart::groupNamed(m_secondGroup->text(), CompatibilityChart::columnGroups()))
        m_columnBands.value(*column)->show();
}

void FrmUSCG::showExceptions(int rowGroup)
{
    if (const std::optional<QString> exceptions =
            CompatibilityExceptions::textOf(CompatibilityChart::numeral(rowGroup))) {
        m_notes->setText(*exceptions);
        return;
    }
    MessageBox::ok(this, NoExceptions, QStringLiteral("Exceptions"));
    m_notes->setText(CompatibilityExceptions::textOf(QStringLiteral("0")).value_or(QString()));
}

void FrmUSCG::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    GradientBackground::paint(painter, size());
}
