#include "charts/FrmChem.h"

#include "charts/CleaningMediums.h"
#include "data/RecordSources.h"
#include "data/Schema.h"
#include "shell/Controls.h"
#include "shell/DataControl.h"
#include "shell/FindByName.h"
#include "shell/GradientBackground.h"
#include "shell/HelpRequest.h"
#include "shell/ListPick.h"
#include "shell/MessageBox.h"
#include "shell/Placement.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QColor DarkBlue{0, 0, 128};
const QColor Yellow{255, 255, 0};
const QColor LightOrange{255, 224, 192};
const QColor LightGreen{128, 255, 128};

const QSize WindowTwips{6135, 5775}; // inside the frame

// Where each topic's option stands, in the order of the topics.
const QRect TopicTwips[]{
    {840, 240, 1425, 285},   {840, 600, 1425, 285},   {840, 960, 1425, 285},   {840, 1320, 1425, 285},
    {840, 1680, 1425, 285},  {840, 2040, 1425, 285},  {840, 2400, 1425, 285},  {2280, 240, 3255, 285},
    {2280, 600, 3255, 285},  {2280, 960, 3255, 285},  {2280, 1320, 3255, 285}, {2280, 1680, 3255, 285},
    {2280, 2040, 3255, 285}, {2280, 2400, 3255, 285}, {2280, 2760, 3255, 285}, {840, 2760, 1425, 285},
};

// The labels bound to the fields of the mixture on show, and where they stand.
struct BoundLabel {
    const char* name;
    const char* field;
    QRect twips;
};
const BoundLabel BoundLabels[]{
    {"lblMed", "Medium", {120, 4620, 1695, 495}},
    {"lblCoat", "Coating", {1920, 4620, 1095, 495}},
    {"lblTemp", "Temp", {3120, 4620, 2895, 495}},
    {"lblGroup", "Group", {120, 5160, 5895, 495}},
};

using Controls::setColours;

} // namespace

FrmChem::FrmChem(QWidget* parent)
    : QWidget(parent)
    , m_layout(this, WindowTwips)
    , m_data(new DataControl(QStringLiteral("dtaChem"), this))
    , m_help(new CommonDialog(QStringLiteral("diaA"), this))
{
    setObjectName(QStringLiteral("frmChem"));
    setWindowTitle(Title);
    buildTopics();
    buildMixtures();
    setScale(m_layout.screenScale());
}

void FrmChem::buildTopics()
{
    QLabel* panel = Controls::caption(this, QString(), QStringLiteral("Shape1"));
    setColours(panel, DarkBlue, Yellow);
    m_layout.place(panel, {480, 120, 5175, 3375});

    auto* group = new QButtonGroup(this);
    const QList<CleaningMediums::Topic>& topics = CleaningMediums::topics();
    for (qsizetype index = 0; index < topics.size(); ++index) {
        auto* option = new QRadioButton(topics.at(index).caption, this);
        option->setObjectName(topics.at(index).option);
        setColours(option, DarkBlue, Yellow);
        m_layout.placeWhole(option, TopicTwips[index]);
        group->addButton(option);
        m_topics << std::pair{option, topics.at(index).context};
    }
    // The keyboard goes down the first column, then the second.
    QWidget* previous = nullptr;
    for (const char* name :
         {"Option1", "Option2", "Option3", "Option4", "Option5", "Option6", "Option7", "Option15", "Option8",
          "Option9", "Option10", "Option11", "Option12", "Option13", "Option14", "Option16"}) {
        auto* option = findChild<QRadioButton*>(QLatin1String(name));
        if (previous)
            setTabOrder(previous, option);
        previous = option;
    }

    QPushButton* show = Controls::button(this, QStringLiteral("Command1"), QStringLiteral("Show"));
    m_layout.place(show, {4200, 3120, 1215, 315});
    setTabOrder(previous, show);
    connect(show, &QPushButton::clicked, this, &FrmChem::showTopic);
}

void FrmChem::buildMixtures()
{
    using namespace Controls;
    QLabel* heading =
        caption(this, QStringLiteral("Applications for Henkel cleaning chemicals and recommended solutions"),
                QStringLiteral("Label1"));
    setColours(heading, QColor(), Qt::white);
    m_layout.placeWhole(heading, {120, 3600, 5895, 255});

    m_mixture = nameList(this, QStringLiteral("DBComboChem"));
    setInitialText(m_mixture, QStringLiteral("DBCombo2"));
    m_pick = new ListPick(m_mixture);
    m_layout.place(m_mixture, {120, 3960, 5895, 315});
    m_holder = holder(this, QStringLiteral("Text1"));

    const std::tuple<const char*, const char*, QRect> captions[]{
        {"Label2", "Medium", {120, 4320, 1695, 255}},
        {"Label3", "Coating", {1920, 4320, 1095, 255}},
        {"Label4", "Temperature Range", {3120, 4320, 2895, 255}},
    };
    for (const auto& [name, text, twips] : captions) {
        QLabel* label = caption(this, QLatin1String(text), QLatin1String(name));
        setColours(label, QColor(), LightOrange);
        m_layout.placeWhole(label, twips);
    }
    for (const BoundLabel& bound : BoundLabels) {
        QLabel* value = caption(this, QString(), QLatin1String(bound.name));
        value->setWordWrap(true);
        value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setColours(value, QColor(), LightGreen);
        m_layout.place(value, bound.twips);
    }
}

void FrmChem::setScale(const TwipScale& scale)
{
    m_layout.setScale(scale);
}

FrmChem* FrmChem::open(const Store& store)
{
    auto* window = new FrmChem;
    QString error;
    if (window->load(store, &error))
        return window;
    delete window;
    MessageBox::error(nullptr, tr("The cleaning mediums cannot open:\n\n%1").arg(error), Title);
    return nullptr;
}

bool FrmChem::load(const Store& store, QString* error)
{
    Placement::place(this, 2);
    if (!m_data->open(store, Schema::HenkelFile, RecordSources::dtaChem, error))
        return false;
    for (const BoundLabel& bound : BoundLabels)
        m_data->bind(findChild<QLabel*>(QLatin1String(bound.name)), QLatin1String(bound.field));
    m_data->bindList(m_mixture, QStringLiteral("Mixture"));
    connect(m_mixture, &QComboBox::editTextChanged, this, &FrmChem::pickMixture, Qt::UniqueConnection);
    // The first topic holds the focus, and an option that holds the focus is the selected one.
    QRadioButton* first = m_topics.first().first;
    first->setChecked(true);
    first->setFocus();
    return true;
}

void FrmChem::showTopic()
{
    for (const auto& [option, context] : std::as_const(m_topics)) {
        if (option->isChecked())
            m_help->requestTopic(CleaningMediums::HelpFile, context);
    }
}

void FrmChem::pickMixture()
{
    findByName(m_mixture, m_holder, *m_data, CriterionPrefixes::HenkelMixture, m_pick->pickedRow());
}

void FrmChem::pick(const QString& mixture)
{
    // The same text again changes nothing, yet a look-up after a miss is still due.
    if (m_mixture->currentText() == mixture)
        pickMixture();
    else
        m_mixture->setEditText(mixture);
}

void FrmChem::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    GradientBackground::paint(painter, size());
}
