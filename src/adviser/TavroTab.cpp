#include "adviser/TavroTab.h"

#include "adviser/Vocabulary.h"
#include "data/RecordSources.h"
#include "data/Schema.h"
#include "shell/CargoChoice.h"
#include "shell/Controls.h"
#include "shell/Cover.h"
#include "shell/DataControl.h"
#include "shell/MessageBox.h"
#include "shell/NameLookup.h"
#include "shell/SystemColour.h"
#include "shell/TextBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A palette change restyles the widget, so only a new colour is set.
void setTextColour(QWidget* widget, const QColor& colour)
{
    if (widget->palette().color(QPalette::WindowText) == colour)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void setBackground(QWidget* widget, const QColor& colour)
{
    if (widget->palette().color(QPalette::Base) == colour)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
}

// A caption, a value label and a unit, on one row of a grid.
QLabel* addMeasure(QGridLayout* grid, int row, const QString& caption, const QString& name, QWidget* parent)
{
    QLabel* value = Controls::valueLabel(parent, name);
    grid->addWidget(Controls::caption(parent, caption), row, 0);
    grid->addWidget(value, row, 1);
    grid->addWidget(Controls::caption(parent, QStringLiteral("deg.C")), row, 2);
    return value;
}

// Wide enough for a number of characters.
QWidget* narrow(QWidget* widget, int characters)
{
    widget->setMaximumWidth(widget->fontMetrics().horizontalAdvance(QLatin1Char('0')) * characters + 16);
    return widget;
}

QWidget* blankCover(QWidget* parent, const QString& name, bool isLabel)
{
    QWidget* cover =
        isLabel ? static_cast<QWidget*>(Controls::caption(parent, QString(), name)) : new QWidget(parent);
    cover->setObjectName(name);
    cover->hide();
    return cover;
}

} // namespace

TavroTab::TavroTab(QWidget* parent)
    : QWidget(parent)
    , m_data(new DataControl(QStringLiteral("DtaA"), this))
    , m_choice(new CargoChoice(this))
{
    buildControls();
}

void TavroTab::buildControls()
{
    using namespace Controls;

    m_cargo = new QComboBox(this);
    m_cargo->setObjectName(QStringLiteral("DBCombo1"));
    m_cargo->setEditable(true);
    m_cargo->setCompleter(nullptr); // every typed character is looked up as it stands
    m_cargo->setInsertPolicy(QComboBox::NoInsert);
    m_cargo->setMaxVisibleItems(20);
    m_cargo->setToolTip(QStringLiteral("Choise the cargo grade from the list."));
    setInitialText(m_cargo, QStringLiteral("Choise the cargo here"));
    m_cargo->setMinimumContentsLength(26);
    // Sized by that length, not by measuring every cargo name of the list at each relayout.
    m_cargo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_holder = holder(this, QStringLiteral("Text1"));
    m_notice = notice(this, QStringLiteral("lblNoticeA"));
    m_lookup =
        new NameLookup(m_cargo, m_holder, *m_data, CriterionPrefixes::CleaningName, tr("cargo"), m_notice);

    auto* identity = new QGridLayout;
    identity->addWidget(caption(this, QStringLiteral("Trading Cargo Name")), 0, 0);
    identity->addWidget(m_cargo, 0, 1);
    identity->addWidget(caption(this, QStringLiteral("Full Cargo Name")), 0, 2);
    identity->addWidget(valueLabel(this, QStringLiteral("lblFullName")), 0, 3, 1, 3);
    identity->setColumnStretch(3, 1);

    auto* codes = new QHBoxLayout;
    m_pollution = field(this, QStringLiteral("txtPol"));
    setBackground(m_pollution, systemColour(SystemColour::ButtonFace));
    const QList<std::tuple<QString, QString, QWidget*>> codeFields{
        {QStringLiteral("ID Number:"), QStringLiteral("txtID"), nullptr},
        {QStringLiteral("UN No.:"), QStringLiteral("txtUN"), nullptr},
        {QStringLiteral("Poll. Cat."), QString(), m_pollution},
        {QStringLiteral("USCG"), QStringLiteral("Text2"), nullptr},
    };
    for (const auto& [text, name, widget] : codeFields) {
        QWidget* shown = narrow(widget ? widget : field(this, name), 8);
        codes->addWidget(caption(this, text));
        codes->addWidget(shown);
    }
    codes->addSpacing(12);
    codes->addWidget(m_notice, 1);
    codes->addStretch();
    identity->addLayout(codes, 1, 0, 1, 6);

    auto* names = new QHBoxLayout;
    names->addWidget(caption(this, QStringLiteral("IMDG Code Class:")));
    QLabel* classNumber = valueLabel(this, QStringLiteral("lblCl"));
    // A value label leaves its width to the layout; the class number's is fixed, or the class name is drawn
    // over it.
    classNumber->setFixedWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 6);
    classNumber->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    names->addWidget(classNumber);
    m_className = valueLabel(this, QStringLiteral("lblClass"));
    names->addWidget(m_className, 1);
    names->addSpacing(12);
    names->addWidget(caption(this, QStringLiteral("Cargo Group / Reactive:")));
    m_groupName = valueLabel(this, QStringLiteral("lblGr"));
    names->addWidget(m_groupName, 1);
    identity->addLayout(names, 2, 0, 1, 6);

    // Cleaning methods: each code beside its decoded text.
    QGroupBox* methods = frame(this, QStringLiteral("Cleaning Methods"));
    auto* methodGrid = new QGridLayout(methods);
    m_cleaningText = textBox(methods, QStringLiteral("txtCodeDisc"));
    m_temperatureText = textBox(methods, QStringLiteral("txtTempDisc"));
    m_notesText = textBox(methods, QStringLiteral("txtNoteDisc"));
    const QList<std::tuple<QString, QString, TextBox*>> methodRows{
        {QStringLiteral("txtCode"), QStringLiteral("Cleaning Code"), m_cleaningText},
        {QStringLiteral("txtTemp"), QStringLiteral("Temperature Code"), m_temperatureText},
        {QStringLiteral("txtNotes"), QStringLiteral("Additional Notes"), m_notesText},
    };
    int methodRow = 0;
    for (const auto& [name, toolTip, text] : methodRows) {
        QLineEdit* code = field(methods, name, toolTip);
        code->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("CONTACT SHIP OPERATOR")) + 12);
        // The longest texts have five lines of up to a hundred characters.
        text->setMinimumHeight(text->fontMetrics().lineSpacing() * 5 + 12);
        methodGrid->addWidget(code, methodRow, 0, Qt::AlignTop);
        methodGrid->addWidget(text, methodRow, 1);
        ++methodRow;
    }
    m_cleaningText->setTextColour(Marks::Black);
    m_special = button(methods, QStringLiteral("cmdSpecial"), QStringLiteral("Special Cargo Handling"));
    m_unitor = button(methods, QStringLiteral("cmdUnitor"), QStringLiteral("Unitor Cleaning Manual"));
    for (QPushButton* shownLater : {m_special, m_unitor}) {
        QSizePolicy policy = shownLater->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        shownLater->setSizePolicy(policy);
    }
    auto* methodButtons = new QHBoxLayout;
    methodButtons->addWidget(m_special);
    methodButtons->addWidget(m_unitor);
    methodButtons->addStretch();
    methodGrid->addLayout(methodButtons, methodRow, 0, 1, 2);
    methodGrid->setColumnStretch(1, 1);

    // Physical and handling data, in two columns.
    QWidget* physical = new QWidget(this);
    auto* physicalColumns = new QHBoxLayout(physical);
    physicalColumns->setContentsMargins(0, 0, 0, 0);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    physicalColumns->addLayout(left);
    physicalColumns->addLayout(right);

    QGroupBox* hazard = frame(physical, QStringLiteral("Health Hazard Ratings"));
    auto* hazardRow = new QHBoxLayout(hazard);
    for (const char* name : {"txtH1", "txtH2", "txtH3"})
        hazardRow->addWidget(narrow(field(hazard, QLatin1String(name)), 4));
    left->addWidget(hazard);

    auto* gravity = new QGridLayout;
    const QList<std::pair<QString, QString>> gravityFields{
        {QStringLiteral("SG.:"), QStringLiteral("txtSG")},
        {QStringLiteral("Temp."), QStringLiteral("txtTemp1")},
        {QStringLiteral("Corr.Fact."), QStringLiteral("txtCorr")},
    };
    int gravityRow = 0;
    for (const auto& [text, name] : gravityFields) {
        gravity->addWidget(caption(physical, text), gravityRow, 0);
        gravity->addWidget(narrow(field(physical, name), 8), gravityRow++, 1);
    }
    left->addLayout(gravity);

    QGroupBox* colour = frame(physical, QStringLiteral("Color"));
    (new QHBoxLayout(colour))->addWidget(field(colour, QStringLiteral("txtColour")));
    left->addWidget(colour);

    QGroupBox* heating = frame(physical, QStringLiteral("Heating Requirements"));
    auto* heatingGrid = new QGridLayout(heating);
    heatingGrid->addWidget(caption(heating, QStringLiteral("Voyage:")), 0, 0);
    heatingGrid->addWidget(valueLabel(heating, QStringLiteral("lblHeatV")), 0, 1);
    heatingGrid->addWidget(caption(heating, QStringLiteral("Discharging:")), 1, 0);
    heatingGrid->addWidget(valueLabel(heating, QStringLiteral("lblVoyD")), 1, 1);
    heatingGrid->setColumnStretch(1, 1);
    left->addWidget(heating);
    left->addStretch();

    auto* points = new QGridLayout;
    addMeasure(points, 0, QStringLiteral("Boiling Point"), QStringLiteral("lblBoil"), physical);
    addMeasure(points, 1, QStringLiteral("Melting Point"), QStringLiteral("lblMelt"), physical);
    addMeasure(points, 2, QStringLiteral("Heat Adjacent"), QStringLiteral("lblHeat"), physical);
    addMeasure(points, 3, QStringLiteral("Flash Point"), QStringLiteral("lblFlush"), physical);
    const QList<std::pair<QString, QString>> handlingLabels{
        {QStringLiteral("Ship Type"), QStringLiteral("lblShip")},
        {QStringLiteral("Tank Type"), QStringLiteral("lblTank")},
        {QStringLiteral("Solubility"), QStringLiteral("lblSolu")},
    };
    int row = 4;
    for (const auto& [text, name] : handlingLabels) {
        points->addWidget(caption(physical, text), row, 0);
        points->addWidget(valueLabel(physical, name), row++, 1, 1, 2);
    }
    points->addWidget(caption(physical, QStringLiteral("Compl.")), row, 0);
    points->addWidget(field(physical, QStringLiteral("txtCompliance")), row, 1, 1, 2);
    points->setColumnStretch(1, 1);
    right->addLayout(points);
    right->addStretch();

    // Tank coatings.
    QGroupBox* coatings = frame(this, QStringLiteral("Tank Coatings"));
    auto* coatingGrid = new QGridLayout(coatings);
    const QList<std::pair<QString, QString>> coatingLabels{
        {QStringLiteral("Stainless"), QStringLiteral("lblSS")},
        {QStringLiteral("Mild Steel"), QStringLiteral("lblMS")},
        {QStringLiteral("Z-11"), QStringLiteral("lblZ")},
        {QStringLiteral("Phenoline 373"), QStringLiteral("lblPheno")},
        {QStringLiteral("Phenguard"), QStringLiteral("lblPheng")},
        {QStringLiteral("Camcote N"), QStringLiteral("lblCamN")},
        {QStringLiteral("Camcote EP"), QStringLiteral("lblCamEP")},
    };
    int coatingColumn = 0;
    for (const auto& [text, name] : coatingLabels) {
        coatingGrid->addWidget(caption(coatings, text), 0, coatingColumn, Qt::AlignHCenter);
        coatingGrid->addWidget(valueLabel(coatings, name), 1, coatingColumn++);
    }

    // Remarks and the officer's own notes.
    QWidget* notes = new QWidget(this);
    auto* notesGrid = new QGridLayout(notes);
    notesGrid->setContentsMargins(0, 0, 0, 0);
    notesGrid->addWidget(caption(notes, QStringLiteral("Remarks:")), 0, 0);
    notesGrid->addWidget(textBox(notes, QStringLiteral("txtRemarks")), 1, 0);
    m_personalNotesLabel = caption(notes, QStringLiteral("Personal Notes:"), QStringLiteral("lblPersNote"));
    m_personalNotesLabel->setToolTip(QStringLiteral("Red color indicates Personal Notes"));
    setTextColour(m_personalNotesLabel, systemColour(SystemColour::GrayText));
    notesGrid->addWidget(m_personalNotesLabel, 0, 1);
    notesGrid->addWidget(textBox(notes, QStringLiteral("txtPerson")), 1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* editNotes = button(this, QStringLiteral("cmdEdit"), QStringLiteral("Edit Personal Notes"));
    QPushButton* exit = button(this, QStringLiteral("cmdExit"), QStringLiteral("&Exit"));
    buttons->addWidget(editNotes);
    buttons->addWidget(exit);

    auto* middle = new QHBoxLayout;
    middle->addWidget(methods, 1);
    middle->addWidget(physical, 0);

    auto* page = new QVBoxLayout(this);
    page->addLayout(identity);
    page->addLayout(middle, 3);
    page->addWidget(coatings);
    page->addWidget(notes, 1);
    page->addLayout(buttons);

    // The covers lie over the parts of the tab that mean nothing before a cargo is chosen.
    const QList<std::tuple<QString, bool, QWidget*>> covers{
        {QStringLiteral("Picture2"), false, methods},
        {QStringLiteral("Picture3"), false, physical},
        {QStringLiteral("Picture5"), false, notes},
        {QStringLiteral("Label35"), true, coatings},
        {QStringLiteral("Label36"), true, findChild<QLabel*>(QStringLiteral("lblFullName"))},
    };
    for (const auto& [name, isLabel, target] : covers) {
        QWidget* cover = blankCover(this, name, isLabel);
        Cover::keepOver(cover, target);
        m_covers << cover;
    }

    connect(exit, &QPushButton::clicked, this, &TavroTab::exitClicked);
    connect(editNotes, &QPushButton::clicked, this, &TavroTab::editNotesClicked);
    connect(m_special, &QPushButton::clicked, this, &TavroTab::specialHandlingClicked);
    connect(m_unitor, &QPushButton::clicked, this, &TavroTab::unitorClicked);
    offerOverview();
}

void TavroTab::offerOverview()
{
    // The cargo box's context menu offers the cargo's overview below its editing entries, so that the tab
    // keeps its layout.
    QLineEdit* edit = m_cargo->lineEdit();
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(edit, &QWidget::customContextMenuRequested, this, [this, edit](const QPoint& at) {
        QMenu* menu = edit->createStandardContextMenu();
        menu->setObjectName(QStringLiteral("mnuCargoBox"));
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addSeparator();
        QAction* overview = menu->addAction(tr("Cargo &Overview"), this, &TavroTab::overviewClicked);
        overview->setObjectName(QStringLiteral("mnuOverviewA"));
        menu->popup(edit->mapToGlobal(at));
    });
}

bool TavroTab::openData(const Store& store, QString* error)
{
    if (!m_data->open(store, Schema::CleaningFile, RecordSources::DtaA, error))
        return false;
    bindFields();
    return true;
}

void TavroTab::bindFields()
{
    QList<QWidget*> fields{m_cleaningText, m_temperatureText, m_notesText, m_className, m_groupName};
    for (const auto& [name, fieldName] : cargoFieldControls()) {
        fields << findChild<QWidget*>(QLatin1String(name));
        m_data->bind(fields.last(), QLatin1String(fieldName));
    }
    m_lookup->setFields(fields);
    m_data->bindList(m_cargo, QStringLiteral("Abbreviated Name"));
    connect(m_cargo, &QComboBox::editTextChanged, this, &TavroTab::selectCargo, Qt::UniqueConnection);
    connect(m_lookup, &NameLookup::rowPicked, this, &TavroTab::selectCargo, Qt::UniqueConnection);
    publishChoice();
}

void TavroTab::awaitFirstChoice()
{
    for (QWidget* cover : std::as_const(m_covers))
        cover->show();
    m_unitor->hide();
    m_chosen = false;
}

void TavroTab::pick(const QString& name)
{
    m_lookup->pick(name);
}

void TavroTab::pick(int row)
{
    m_lookup->pick(row);
}

void TavroTab::selectCargo()
{
    // After a miss the holder names the cargo shown, whose name the buttons go by.
    const bool found = m_lookup->lookUp();

    const CargoCodes cargo = CargoCodes::fromRecord(m_holder->text(), m_data->recordSet());
    adviseCargo(cargo, m_display, [this, found](const AdviceDisplay& soFar) {
        // After a miss the record is the previous cargo's, whose message was given when it was chosen.
        if (!found)
            return;
        showAdvice(soFar);
        MessageBox::ok(window(), Vocabulary::contactOperatorText(),
                       QStringLiteral("Cleaning instructions for cargo:  ") + m_cargo->currentText());
    });
    showAdvice(m_display);
    for (QWidget* cover : std::as_const(m_covers))
        cover->hide();
    m_chosen = true;
    publishChoice();
    Q_EMIT cargoChosen(m_display.unitorShown);
}

void TavroTab::showSavedRecord()
{
    m_data->refresh();
    // Before the first choice the covers hide the advice, which that choice works out.
    if (m_chosen) {
        adviseCargo(CargoCodes::fromRecord(m_holder->text(), m_data->recordSet()), m_display, nullptr);
        showAdvice(m_display);
    }
    publishChoice();
}

void TavroTab::publishChoice()
{
    // The bound fields show the current record's fields; the advice is the display worked out from them.
    const RecordSet& record = m_data->recordSet();
    CurrentCargo cargo;
    cargo.name = m_holder->text();
    cargo.record = record.absolutePosition();
    cargo.fullName = record.value(QStringLiteral("Full Name"));
    cargo.idNumber = record.value(QStringLiteral("ID  Number"));
    cargo.unNumber = record.value(QStringLiteral("United No"));
    cargo.uscgGroup = record.value(QStringLiteral("Compatability Chart No"));
    cargo.cleaningCode = record.value(QStringLiteral("Cleaning Code"));
    cargo.temperatureCode = record.value(QStringLiteral("Water Temperature"));
    cargo.notesCode = record.value(QStringLiteral("Notes"));
    cargo.pollutionCategory = record.value(QStringLiteral("Pollution Category"));
    cargo.hazard1 = record.value(QStringLiteral("H1"));
    cargo.hazard2 = record.value(QStringLiteral("H2"));
    cargo.hazard3 = record.value(QStringLiteral("H3"));
    cargo.cleaningText = m_display.cleaningText;
    cargo.temperatureText = m_display.temperatureText;
    cargo.remarks = record.value(QStringLiteral("Remarks"));
    cargo.hasPersonalNotes = m_display.personalNotesMarked;
    m_choice->set(cargo);
}

void TavroTab::showAdvice(const AdviceDisplay& display)
{
    m_special->setVisible(display.specialHandlingShown);
    m_unitor->setVisible(display.unitorShown);
    m_className->setText(display.className);
    m_cleaningText->setTextColour(display.cleaningTextRed ? Marks::Red : Marks::Black);
    m_cleaningText->setText(display.cleaningText);
    m_temperatureText->setText(display.temperatureText);
    m_notesText->setText(display.notesText);
    setTextColour(m_personalNotesLabel,
                  display.personalNotesMarked ? Marks::Red : systemColour(SystemColour::GrayText));
    m_personalNotesLabel->update();
    setBackground(m_pollution, display.pollutionMarked ? Marks::Red : systemColour(SystemColour::ButtonFace));
    m_groupName->setText(display.groupName);
}
