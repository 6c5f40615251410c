#include "suppliers/HenkelTab.h"

#include "data/RecordSources.h"
#include "data/Schema.h"
#include "shell/CargoChoice.h"
#include "shell/Controls.h"
#include "shell/DataControl.h"
#include "shell/HelpRequest.h"
#include "shell/NameLookup.h"
#include "shell/TextBox.h"
#include "suppliers/HenkelGuide.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// A box that is hidden until its first use keeps its place, so that nothing moves when it appears.
void keepPlaceWhileHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

HenkelTab::HenkelTab(QWidget* parent)
    : QWidget(parent)
    , m_oils(new DataControl(QStringLiteral("DtaH"), this))
    , m_chemicals(new DataControl(QStringLiteral("dtaH1"), this))
    , m_choice(new CargoChoice(this))
    , m_help(new CommonDialog(QStringLiteral("DiaH"), this))
{
    // The oil tool down the left; the cleaning suggestions and the additional products on the right.
    auto* page = new QGridLayout(this);
    page->addWidget(buildOilTool(), 0, 0, 2, 1);
    page->addWidget(buildSuggestions(), 0, 1);
    page->addWidget(buildChemicalTool(), 1, 1);
    QPushButton* exit = Controls::button(this, QStringLiteral("cmdExitH"), QStringLiteral("&Exit"));
    page->addWidget(exit, 2, 1, Qt::AlignRight);
    page->setColumnStretch(0, 1);
    page->setColumnStretch(1, 1);
    page->setRowStretch(1, 1);
    connect(exit, &QPushButton::clicked, this, &HenkelTab::exitClicked);
}

QWidget* HenkelTab::buildOilTool()
{
    using namespace Controls;
    // The oil box shows only while its group is chosen; the frame bears that group's name.
    QGroupBox* tool = frame(this, tr("Vegetable and Animal Oils"));
    m_oil = nameList(tool, QStringLiteral("DBComboH"));
    m_oil->lineEdit()->setPlaceholderText(tr("Pick or type an oil"));
    keepPlaceWhileHidden(m_oil);
    m_oilHolder = holder(tool, QStringLiteral("Text4"));
    QLabel* oilNotice = notice(tool, QStringLiteral("lblNoticeH"));
    m_oilLookup =
        new NameLookup(m_oil, m_oilHolder, *m_oils, CriterionPrefixes::HenkelOil, tr("oil"), oilNotice);

    QGroupBox* preWash = frame(tool, QStringLiteral("Pre-Wash Temperature"));
    m_preWash = field(preWash, QStringLiteral("txtPreWashH"));
    keepPlaceWhileHidden(m_preWash);
    (new QVBoxLayout(preWash))->addWidget(m_preWash);
    QGroupBox* finalCleaning = frame(tool, QStringLiteral("Final Cleaning"));
    m_final = textBox(finalCleaning, QStringLiteral("txtFinalH"));
    (new QVBoxLayout(finalCleaning))->addWidget(m_final);

    auto* layout = new QVBoxLayout(tool);
    layout->addWidget(m_oil);
    layout->addWidget(oilNotice);
    layout->addWidget(preWash);
    layout->addWidget(finalCleaning, 1);
    return tool;
}

QWidget* HenkelTab::buildChemicalTool()
{
    using namespace Controls;
    QGroupBox* tool =
        frame(this, QStringLiteral("Recommended Sollutions For Final Cleaning of Additional Products"));
    m_chemical = nameList(tool, QStringLiteral("DBComboH2"));
    m_chemical->lineEdit()->setPlaceholderText(tr("Pick or type a chemical"));
    m_chemicalHolder = holder(tool, QStringLiteral("Text6"));
    QLabel* chemicalNotice = notice(tool, QStringLiteral("lblNoticeH2"));
    m_chemicalLookup = new NameLookup(m_chemical, m_chemicalHolder, *m_chemicals,
                                      CriterionPrefixes::HenkelChemical, tr("chemical"), chemicalNotice);
    m_solution = textBox(tool, QStringLiteral("txtAddH"));
    keepPlaceWhileHidden(m_solution);

    auto* layout = new QVBoxLayout(tool);
    layout->addWidget(m_chemical);
    layout->addWidget(chemicalNotice);
    layout->addWidget(m_solution, 1);
    return tool;
}

QWidget* HenkelTab::buildSuggestions()
{
    QGroupBox* suggestions = Controls::frame(this, QStringLiteral("Specific Cleaning Suggestions"));
    auto* grid = new QGridLayout(suggestions);
    auto* groups = new QButtonGroup(suggestions);
    // Two columns of eight, read down the first column and then the second.
    constexpr int Rows = 8;
    int index = 0;
    for (const HenkelGuide::CargoGroup& group : HenkelGuide::cargoGroups()) {
        auto* option = new QRadioButton(group.caption, suggestions);
        option->setObjectName(group.option);
        grid->addWidget(option, index % Rows, index / Rows);
        groups->addButton(option);
        m_groups.insert(group.option, option);
        connect(option, &QRadioButton::toggled, this, [this, name = group.option](bool checked) {
            if (checked)
                groupChosen(name);
        });
        ++index;
    }

    m_globe = new QLabel(suggestions);
    m_globe->setObjectName(QStringLiteral("picTest"));
    m_globe->setFixedSize(64, 64);
    m_globe->setAlignment(Qt::AlignCenter);
    QPushButton* show = Controls::button(suggestions, QStringLiteral("cmdShowH"), QStringLiteral("Show"));
    grid->addWidget(m_globe, Rows, 0, Qt::AlignLeft | Qt::AlignBottom);
    grid->addWidget(show, Rows, 1, Qt::AlignRight | Qt::AlignBottom);
    connect(show, &QPushButton::clicked, this, &HenkelTab::showTopic);
    return suggestions;
}

bool HenkelTab::openOilData(const Store& store, QString* error)
{
    if (!m_oils->open(store, Schema::HenkelFile, RecordSources::DtaH, error))
        return false;
    m_oils->bind(m_preWash, HenkelGuide::Fields::PreWash);
    m_oils->bind(m_final, HenkelGuide::Fields::Final);
    m_oilLookup->setFields({m_preWash, m_final});
    m_oils->bindList(m_oil, HenkelGuide::Fields::Product);
    connect(m_oil, &QComboBox::editTextChanged, this, &HenkelTab::pickOil, Qt::UniqueConnection);
    connect(m_oilLookup, &NameLookup::rowPicked, this, &HenkelTab::pickOil, Qt::UniqueConnection);
    publishChoice();
    return true;
}

bool HenkelTab::openChemicalData(const Store& store, QString* error)
{
    if (!m_chemicals->open(store, Schema::HenkelFile, RecordSources::dtaH1, error))
        return false;
    m_chemicals->bind(m_solution, HenkelGuide::Fields::Solution);
    m_chemicalLookup->setFields({m_solution});
    m_chemicals->bindList(m_chemical, HenkelGuide::Fields::Chemical);
    connect(m_chemical, &QComboBox::editTextChanged, this, &HenkelTab::pickChemical, Qt::UniqueConnection);
    connect(m_chemicalLookup, &NameLookup::rowPicked, this, &HenkelTab::pickChemical, Qt::UniqueConnection);
    return true;
}

void HenkelTab::awaitFirstChoice()
{
    m_oil->hide();
    m_preWash->hide();
    m_solution->hide();
}

void HenkelTab::pick(const QString& name)
{
    m_oilLookup->pick(name);
}

void HenkelTab::pick(int row)
{
    m_oilLookup->pick(row);
}

void HenkelTab::pickAdditionalProduct(const QString& name)
{
    m_chemicalLookup->pick(name);
}

void HenkelTab::pickOil()
{
    // A miss has beeped and left the previous oil shown; the pre-wash box shows from now on either way.
    m_oilLookup->lookUp();
    m_preWash->show();
    publishChoice();
}

void HenkelTab::publishChoice()
{
    CurrentCargo oil;
    oil.name = m_oilHolder->text();
    oil.record = m_oils->recordSet().absolutePosition();
    m_choice->set(oil);
}

void HenkelTab::pickChemical()
{
    m_chemicalLookup->lookUp();
    m_solution->show();
}

void HenkelTab::groupChosen(const QString& option)
{
    // The options form one group, so choosing one has cleared the others.
    m_oil->setVisible(option == HenkelGuide::OilsGroup);
}

void HenkelTab::showTopic()
{
    const QList<int> topics = HenkelGuide::topicsToShow(
        [this](const QString& option) { return m_groups.value(option)->isChecked(); });
    for (int context : topics)
        m_help->requestTopic(HenkelGuide::HelpFile, context);
}
