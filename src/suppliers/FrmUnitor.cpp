#include "suppliers/FrmUnitor.h"

#include "adviser/UnitorCatalogue.h"
#include "data/RecordSources.h"
#include "data/Schema.h"
#include "shell/Advisers.h"
#include "shell/ComboClicks.h"
#include "shell/Controls.h"
#include "shell/DataControl.h"
#include "shell/FindByName.h"
#include "shell/GradientBackground.h"
#include "shell/HelpRequest.h"
#include "shell/MessageBox.h"
#include "shell/Placement.h"
#include "shell/SystemColour.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The inner size of the window, and what its frame and caption add.
const QSize WindowTwips{6600, 2475};

// The loading-group buttons A to G: their first left edge, the step between them and their size.
constexpr int GroupLeft = 2760;
constexpr int GroupStep = 480;
const QSize GroupTwips{375, 255};

// The option buttons are as narrow as a letter beside its indicator: the gap between them is small.
class NarrowOptionStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_RadioButtonLabelSpacing)
            return 2;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

FrmUnitor::FrmUnitor(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
    , m_layout(this, WindowTwips)
    , m_data(new DataControl(QStringLiteral("DtaU"), this))
    , m_help(new CommonDialog(QStringLiteral("diaB"), this))
{
    setObjectName(QStringLiteral("frmUnitor"));
    setWindowTitle(Title);
    buildControls();
    setScale(m_layout.screenScale());
}

void FrmUnitor::buildControls()
{
    using namespace Controls;
    const QColor highlightText = systemColour(SystemColour::HighlightText);

    QLabel* previousPrompt =
        caption(this, QStringLiteral("To clean the tanks after the cargo grade:"), QStringLiteral("Label1"));
    setColours(previousPrompt, QColor(), highlightText);
    m_layout.placeWhole(previousPrompt, {120, 120, 3135, 255});
    m_previousCargo = field(this, QStringLiteral("Text2"));
    m_layout.place(m_previousCargo, {3360, 120, 2775, 285});

    m_groupPrompt = caption(this, QStringLiteral("SELECT A GROUP OF CARGO TO LOAD (REFER CODE WINDOW)"),
                            QStringLiteral("Label3"));
    setColours(m_groupPrompt, QColor(), Marks::Green);
    m_layout.placeWhole(m_groupPrompt, {1080, 600, 5055, 255});
    auto* narrowOptions = new NarrowOptionStyle;
    narrowOptions->setParent(this);
    for (int index = 0; index < UnitorCatalogue::LoadingGroups.size(); ++index) {
        const QChar group = UnitorCatalogue::LoadingGroups.at(index);
        auto* option = new QRadioButton(QString(group), this);
        option->setObjectName(QStringLiteral("Option%1").arg(index + 1));
        setColours(option, systemColour(SystemColour::Highlight), systemColour(SystemColour::InfoBackground));
        option->setStyle(narrowOptions);
        m_layout.place(option, {QPoint(GroupLeft + index * GroupStep, 840), GroupTwips});
        connect(option, &QRadioButton::clicked, this, [this, group] { chooseLoadingGroup(group); });
        m_groups << option;
    }

    QLabel* nextPrompt = caption(this, QStringLiteral("For loading of cargo:"), QStringLiteral("Label2"));
    setColours(nextPrompt, QColor(), highlightText);
    m_layout.placeWhole(nextPrompt, {240, 1200, 1695, 255});
    m_cargoToLoad = new QComboBox(this);
    m_cargoToLoad->setObjectName(QStringLiteral("DBCombo1"));
    m_cargoToLoad->setEditable(true);
    m_cargoToLoad->setCompleter(nullptr);
    m_cargoToLoad->setInsertPolicy(QComboBox::NoInsert);
    m_cargoToLoad->setMaxVisibleItems(20);
    m_layout.place(m_cargoToLoad, {2040, 1200, 2775, 315});
    m_holder = holder(this, QStringLiteral("Text1"));
    m_code = field(this, QStringLiteral("txtCode"), QStringLiteral("Cleaning Code"));
    m_layout.place(m_code, {5040, 1200, 975, 285});

    m_show = button(this, QStringLiteral("cmdShow"), QStringLiteral("Show Cleaning Advice"));
    m_layout.place(m_show, {3600, 1560, 2655, 255});

    connect(new ComboClicks(m_cargoToLoad), &ComboClicks::clicked, this, &FrmUnitor::pickCargoToLoad);
    connect(m_show, &QPushButton::clicked, this, &FrmUnitor::showCleaningAdvice);
}

void FrmUnitor::setScale(const TwipScale& scale)
{
    // The screen's font may be wider than the one the captions were laid out for: they are narrowed to fit.
    m_layout.setScale(scale);
    QFont tahoma = font();
    tahoma.setFamily(QStringLiteral("Tahoma"));
    m_cargoToLoad->setFont(tahoma);
}

FrmUnitor* FrmUnitor::open(const Advisers& advisers, const Store& store)
{
    auto* window = new FrmUnitor;
    const Result<> loaded = window->load(advisers, store);
    if (loaded)
        return window;
    delete window;
    MessageBox::error(nullptr, tr("The Unitor window cannot open:\n\n%1").arg(loaded.error()), Title);
    return nullptr;
}

Result<> FrmUnitor::load(const Advisers& advisers, const Store& store)
{
    Placement::place(this, 6);
    QString error;
    if (!m_data->open(store, Schema::UnitorFile, RecordSources::DtaU, &error))
        return Failure{error};
    m_data->bindList(m_cargoToLoad, QStringLiteral("Name"));
    m_data->bind(m_code, QStringLiteral("Code"));
    // The list opens on its first cargo, the one whose code the code box shows.
    Controls::setInitialText(m_cargoToLoad, m_data->recordSet().value(QStringLiteral("Name")));
    m_previousCargo->setText(advisers.currentCargo(Advisers::Tab::Tavro).name);
    m_groupPrompt->hide();
    for (QRadioButton* option : std::as_const(m_groups))
        option->hide();
    return {};
}

void FrmUnitor::showCleaningAdvice()
{
    const UnitorCatalogue::Advice advice = UnitorCatalogue::adviceFor(m_previousCargo->text());
    for (int topic : advice.topics)
        m_help->requestTopic(HelpFile, topic);
    if (advice.groups.isEmpty())
        return;
    m_groupPrompt->show();
    for (int index = 0; index < m_groups.size(); ++index) {
        if (advice.groups.contains(UnitorCatalogue::LoadingGroups.at(index)))
            m_groups.at(index)->show();
    }
    m_show->hide();
}

void FrmUnitor::chooseLoadingGroup(QChar group)
{
    for (int topic : UnitorCatalogue::topicsFor(m_previousCargo->text(), group))
        m_help->requestTopic(HelpFile, topic);
}

void FrmUnitor::pickCargoToLoad(int pickedRow)
{
    findByName(m_cargoToLoad, m_holder, *m_data, CriterionPrefixes::UnitorName, pickedRow);
}

void FrmUnitor::pickToLoad(const QString& name)
{
    m_cargoToLoad->setEditText(name);
    pickCargoToLoad(-1);
}

void FrmUnitor::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    GradientBackground::paint(painter, size());
}
