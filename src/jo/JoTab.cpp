#include "jo/JoTab.h"

#include "data/RecordSources.h"
#include "data/Schema.h"
#include "jo/CleaningMethods.h"
#include "jo/MethodButtons.h"
#include "shell/CargoChoice.h"
#include "shell/Controls.h"
#include "shell/Cover.h"
#include "shell/DataControl.h"
#include "shell/NameLookup.h"
#include "shell/TextBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct Value {
    const char* caption;
    const char* name;
    bool inDegrees;
};

// Caption, value and, for a temperature, its unit, one row each from the grid's column on.
void addValues(QGridLayout* grid, int column, const QList<Value>& values, QWidget* parent)
{
    int row = 0;
    for (const Value& value : values) {
        grid->addWidget(Controls::caption(parent, QLatin1String(value.caption)), row, column);
        grid->addWidget(Controls::valueLabel(parent, QLatin1String(value.name)), row, column + 1);
        if (value.inDegrees)
            grid->addWidget(Controls::caption(parent, QStringLiteral("deg.C")), row, column + 2);
        ++row;
    }
    grid->setColumnStretch(column + 1, 1);
}

} // namespace

JoTab::JoTab(QWidget* parent)
    : QWidget(parent)
    , m_data(new DataControl(QStringLiteral("DtaJo"), this))
    , m_choice(new CargoChoice(this))
{
    buildControls();
}

// A frame whose contents lie under a blank cover label until the first product is picked.
QWidget* JoTab::coveredFrame(const QString& title, const QString& coverName)
{
    QGroupBox* box = Controls::frame(this, title);
    auto* contents = new QWidget(box);
    (new QVBoxLayout(box))->addWidget(contents);
    QLabel* cover = Controls::caption(this, QString(), coverName);
    cover->hide();
    Cover::keepOver(cover, contents);
    m_covers << cover;
    return contents;
}

void JoTab::buildControls()
{
    using namespace Controls;

    m_product = new QComboBox(this);
    m_product->setObjectName(QStringLiteral("DBComboJo"));
    m_product->setEditable(true);
    m_product->setCompleter(nullptr); // every typed character is looked up as it stands
    m_product->setInsertPolicy(QComboBox::NoInsert);
    m_product->setMaxVisibleItems(20);
    m_product->setMinimumContentsLength(26);
    m_holder = holder(this, QStringLiteral("Text3"));
    QLabel* notice = Controls::notice(this, QStringLiteral("lblNoticeJo"));
    m_lookup =
        new NameLookup(m_product, m_holder, *m_data, CriterionPrefixes::JoProduct, tr("cargo"), notice);

    auto* identity = new QHBoxLayout;
    identity->addWidget(caption(this, QStringLiteral("Trading Cargo Name")));
    identity->addWidget(m_product);
    identity->addSpacing(12);
    identity->addWidget(caption(this, QStringLiteral("Synonims")));
    identity->addWidget(valueLabel(this, QStringLiteral("lblSynJo")), 1);

    QWidget* general = coveredFrame(QStringLiteral("General Characteristics"), QStringLiteral("Label39"));
    addValues(new QGridLayout(general), 0,
              {{"United Number", "lblUNJo", false},
               {"USCG Number", "lblUSCGJo", false},
               {"CAS Number", "lblCasJo", false},
               {"IMO Chapter", "lblIMO1JO", false},
               {"IMO Code", "lblIMO2Jo", false},
               {"IMO Type", "lblIMO3Jo", false},
               {"MARPOL Cat.", "lblMarpolJo", false}},
              general);

    QWidget* handling = coveredFrame(QStringLiteral("Handling Information"), QStringLiteral("Label40"));
    auto* handlingGrid = new QGridLayout(handling);
    addValues(handlingGrid, 0,
              {{"Specific Gravity", "lblSGJo", false},
               {"Viscosity", "lblVisJo", false},
               {"Boiling Point", "lblBoilJo", true},
               {"Melting Point", "lblMeltJo", true},
               {"Flash Point", "lblFlashJo", true}},
              handling);
    handlingGrid->setColumnMinimumWidth(3, 12);
    addValues(handlingGrid, 4,
              {{"Heating Voyage", "lblHVJo", true},
               {"Heating Disch.", "lblHDJo", true},
               {"External Heating", "lblExtJo", true},
               {"Maximum Adj.", "lblAdjJo", true},
               {"Nitrogen", "lblNitroJo", false}},
              handling);
    handlingGrid->setRowStretch(6, 1);

    QWidget* coatings = coveredFrame(QStringLiteral("Tank Coatings"), QStringLiteral("Label41"));
    auto* coatingGrid = new QGridLayout(coatings);
    addValues(
        coatingGrid, 0,
        {{"Stainless Steel", "lblSSJo", false}, {"Epoxy", "lblEpoJo", false}, {"Zinc", "lblZinkJo", false}},
        coatings);
    coatingGrid->setRowStretch(3, 1);

    auto* frames = new QHBoxLayout;
    frames->addWidget(general->parentWidget(), 3);
    frames->addWidget(handling->parentWidget(), 5);
    frames->addWidget(coatings->parentWidget(), 2);

    // The remark names the method; the names of the product's group and class stand below it.
    auto* remarks = new QGridLayout;
    remarks->addWidget(caption(this, QStringLiteral("Remarks:")), 0, 0, 1, 2);
    remarks->addWidget(textBox(this, QStringLiteral("txtRemarksJo")), 1, 0, 1, 2);
    m_groupName = field(this, QStringLiteral("txtGrJo"));
    m_className = field(this, QStringLiteral("txtClassJo"));
    remarks->addWidget(caption(this, QStringLiteral("Cargo Group / Reactive:")), 2, 0);
    remarks->addWidget(m_groupName, 2, 1);
    remarks->addWidget(caption(this, QStringLiteral("IMDG Code Class:")), 3, 0);
    remarks->addWidget(m_className, 3, 1);
    remarks->setRowStretch(1, 1);
    remarks->setColumnStretch(1, 1);

    auto* methods = new QVBoxLayout;
    methods->addWidget(caption(this, QStringLiteral("Select the tank cleaning method indicated in Remarks")));
    auto* buttons = new MethodButtons(this);
    methods->addWidget(buttons);
    m_method = textBox(this, QStringLiteral("txtMethodJo"));
    // The longest methods have seven steps.
    m_method->setMinimumHeight(m_method->fontMetrics().lineSpacing() * 7 + 12);
    methods->addWidget(m_method, 1);

    auto* advice = new QHBoxLayout;
    advice->addLayout(remarks, 1);
    advice->addSpacing(12);
    advice->addLayout(methods, 1);

    auto* exitRow = new QHBoxLayout;
    exitRow->addStretch();
    QPushButton* exit = button(this, QStringLiteral("Command1"), QStringLiteral("&Exit"));
    exitRow->addWidget(exit);

    auto* page = new QVBoxLayout(this);
    page->addLayout(identity);
    page->addWidget(notice);
    page->addLayout(frames);
    page->addLayout(advice, 1);
    page->addLayout(exitRow);

    connect(buttons, &MethodButtons::methodChosen, this, &JoTab::showMethod);
    connect(exit, &QPushButton::clicked, this, &JoTab::exitClicked);
}

bool JoTab::openData(const Store& store, QString* error)
{
    if (!m_data->open(store, Schema::JoTankersFile, RecordSources::DtaJo, error))
        return false;
    bindFields();
    return true;
}

void JoTab::bindFields()
{
    QList<QWidget*> fields{m_groupName, m_className};
    for (const auto& [name, fieldName] : productFieldControls()) {
        fields << findChild<QWidget*>(QLatin1String(name));
        m_data->bind(fields.last(), QLatin1String(fieldName));
    }
    m_lookup->setFields(fields);
    m_data->bindList(m_product, QStringLiteral("PRODUCT"));
    connect(m_product, &QComboBox::editTextChanged, this, &JoTab::selectProduct, Qt::UniqueConnection);
    connect(m_lookup, &NameLookup::rowPicked, this, &JoTab::selectProduct, Qt::UniqueConnection);
    publishChoice();
}

void JoTab::awaitFirstChoice()
{
    for (QWidget* cover : std::as_const(m_covers))
        cover->show();
}

void JoTab::pick(const QString& name)
{
    m_lookup->pick(name);
}

void JoTab::pick(int row)
{
    m_lookup->pick(row);
}

void JoTab::selectProduct()
{
    // A miss has beeped and left the previous product current; the names are worked out from it.
    m_lookup->lookUp();
    m_method->setText(QString());
    for (QWidget* cover : std::as_const(m_covers))
        cover->hide();
    nameProduct(ProductCodes::fromRecord(m_data->recordSet()), m_names);
    m_groupName->setText(m_names.groupName);
    m_className->setText(m_names.className);
    publishChoice();
    Q_EMIT productChosen();
}

void JoTab::publishChoice()
{
    const RecordSet& record = m_data->recordSet();
    CurrentCargo product;
    product.name = m_holder->text();
    product.record = record.absolutePosition();
    product.unNumber = record.value(QStringLiteral("UN"));
    product.uscgGroup = record.value(QStringLiteral("USCG"));
    m_choice->set(product);
}

void JoTab::showMethod(int method)
{
    m_method->setText(CleaningMethods::text(method));
}
