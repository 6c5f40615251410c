#include "app/FrmTabClean.h"

#include "adviser/FrmEdit.h"
#include "adviser/FrmPrint.h"
#include "adviser/FrmView.h"
#include "adviser/PersonalA.h"
#include "adviser/TavroTab.h"
#include "app/FrmAbout.h"
#include "app/GlobeAnimation.h"
#include "app/LazyPage.h"
#include "app/LetterJump.h"
#include "app/MenuShortcutsFirst.h"
#include "app/PrintEntries.h"
#include "charts/FrmChem.h"
#include "charts/FrmHazard.h"
#include "charts/FrmSpecial.h"
#include "charts/FrmUSCG.h"
#include "data/DataFolders.h"
#include "data/SampleData.h"
#include "data/Schema.h"
#include "data/Store.h"
#include "jo/FrmPrintJo.h"
#include "jo/JoTab.h"
#include "overview/FrmOverview.h"
#include "search/Finder.h"
#include "search/SearchField.h"
#include "search/SearchResultOpener.h"
#include "search/SearchShortcut.h"
#include "search/SearchStatusLine.h"
#include "shell/Controls.h"
#include "shell/DataControl.h"
#include "shell/GradientBackground.h"
#include "shell/HelpRequest.h"
#include "shell/MessageBox.h"
#include "shell/Placement.h"
#include "shell/SystemColour.h"
#include "shell/WindowRegistry.h"
#include "suppliers/FrmUnitor.h"
#include "suppliers/HenkelTab.h"

#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The menu tree: top-level menus, then their entries in order; "-" is a separator line.
struct MenuEntry {
    const char* name;
    const char* caption;
    char shortcut; // Ctrl and this letter, or 0
};

struct Menu {
    const char* name;
    const char* caption;
    QList<MenuEntry> entries;
};

const QList<Menu>& menuTree()
{
    static const QList<Menu> tree{
        {"mnuFile",
         "&File",
         {{"mnuPrint", "&Print", 'P'},
          {"mnuExportPdf", "Export Adviser as PDF…", 0},
          {"mnuLine1", "-", 0},
          {"mnuExit", "E&xit", 0}}},
        {"mnuView",
         "&View",
         {{"mnuTavro", "Tavro Tankers Cleaning Guide", 0},
          {"mnuNormal", "&JO Tankers Cleaning Guide", 0},
          {"mnuHenkel", "Henkel/Chemtec Cleaning Guide", 0},
          {"mnuUnitor", "Unitor Cleaning Guide", 0},
          {"mnuOverview", "Cargo &Overview", 0},
          {"mnuLine2", "-", 0},
          {"mnuCleaning", "Cleaning &Notes View", 'N'},
          {"mnuTemp", "Cleaning &Temperatures View", 'T'},
          {"mnuAdd", "A&dditional Notes View", 'D'},
          {"mnuPersonal", "Per&sonal Notes View", 'S'},
          {"mnu3", "-", 0},
          {"mnuHazard", "Chemical &Hazard Data", 'H'}}},
        {"mnuEdit", "&Edit", {{"mnuECP", "Edit Cargo Parameters", 0}}},
        {"mnuGlossary1",
         "&Cleaning Strategy",
         {{"mnuChoice", "&Right Choice of Cleaning Strategy", 'R'},
          {"mnu55", "-", 0},
          {"mnuPre", "Pre-Cleanin&g", 'G'},
          {"mnuFinal", "&Final Cleaning", 'F'},
          {"mnuTheory", "Tan&k Cleaning Theory", 'K'},
          {"mnu56", "-", 0},
          {"mnuCleaningCh", "C&leaning Chemicals", 'L'},
          {"mnuSpecial", "Sp&ecial Cargo Handling Manual", 'E'},
          {"mnu57", "-", 0},
          {"mnuCompCh", "Compatibilit&y Chart", 'Y'}}},
        {"mnuHelp", "&Help", {{"mnuIndex", "Help &Index", 'I'}, {"mnuAbout", "&About", 'A'}}},
    };
    return tree;
}

// The menu entries that open a help topic: file of the program folder and context number.
struct HelpEntry {
    const char* name;
    const char* file;
    int context;
};

const HelpEntry HelpEntries[]{
    {"mnuChoice", "glossary.hlp", 1001}, {"mnuPre", "glossary.hlp", 1002},
    {"mnuFinal", "glossary.hlp", 1003},  {"mnuTheory", "glossary2.hlp", 1001},
    {"mnuIndex", "Help.hlp", 1001},
};

// The entries that bring a tab to the front.
const std::pair<const char*, Advisers::Tab> TabEntries[]{
    {"mnuTavro", Advisers::Tab::Tavro},
    {"mnuNormal", Advisers::Tab::Jo},
    {"mnuHenkel", Advisers::Tab::Henkel},
};

// The entries that only open a window of their own.
const std::pair<const char*, const char*> WindowEntries[]{
    {"mnuCleaningCh", "frmChem"},
    {"mnuSpecial", "frmSpecial"},
    {"mnuAbout", "frmAbout"},
};

// The entries that open a window on the current cargo.
const std::pair<const char*, Advisers::Window> CargoEntries[]{
    {"mnuUnitor", Advisers::Window::Unitor},
    {"mnuCleaning", Advisers::Window::CleaningCodeView},
    {"mnuTemp", Advisers::Window::TemperatureView},
    {"mnuAdd", Advisers::Window::RemarksView},
    {"mnuPersonal", Advisers::Window::PersonalNotes},
    {"mnuHazard", Advisers::Window::HazardData},
    {"mnuCompCh", Advisers::Window::CompatibilityChart},
    {"mnuOverview", Advisers::Window::CargoOverview},
};

// The entries that are enabled only while the operator tab is in front.
const char* const OperatorEntries[]{"mnuCleaning", "mnuTemp", "mnuAdd", "mnuPersonal", "mnuHazard"};

} // namespace

FrmTabClean::FrmTabClean(const Store& store, QWidget* parent)
    : QMainWindow(parent)
    , m_store(store)
    , m_tabs(new QTabWidget)
    , m_tavro(new TavroTab)
    , m_joPage(new LazyPage([this] { return buildJoTab(); }))
    , m_henkelPage(new LazyPage([this] { return buildHenkelTab(); }))
    , m_windows(new WindowRegistry(this))
    , m_help(new CommonDialog(QStringLiteral("diaA"), this))
    , m_globe(new GlobeAnimation(this))
    , m_finder(new Finder(DataFolders(store.dataDir(), DataFolders::current().shippedFolder()),
                          Finder::defaultCacheFolder(), this))
{
    setObjectName(QStringLiteral("FrmTabClean"));
    showDataFolder();

    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->addTab(m_tavro, QStringLiteral("  TAVRO"));
    m_tabs->addTab(m_joPage, QStringLiteral("JO TANKERS"));
    m_tabs->addTab(m_henkelPage, QStringLiteral(" HENKEL / CHEMTEC"));
    m_tabs->setAutoFillBackground(true);
    // The gradient shows round the tab strip.
    auto* centre = new QWidget(this);
    auto* centreLayout = new QVBoxLayout(centre);
    centreLayout->setContentsMargins(8, 8, 8, 8);
    centreLayout->addWidget(m_tabs);
    setCentralWidget(centre);
    buildMenus();
    buildSearch();

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    resize(std::min(1280, screen.width()), std::min(800, screen.height() - 40));

    connect(m_tabs, &QTabWidget::currentChanged, this, &FrmTabClean::tabChanged);
    connect(m_tavro, &TavroTab::cargoChosen, this, &FrmTabClean::cargoChosen);
    connect(m_tavro, &TavroTab::exitClicked, this, &QWidget::close);
    connect(m_tavro, &TavroTab::editNotesClicked, this,
            [this] { m_windows->open(QStringLiteral("PersonalA")); });
    connect(m_tavro, &TavroTab::specialHandlingClicked, this,
            [this] { m_windows->open(QStringLiteral("frmSpecial")); });
    connect(m_tavro, &TavroTab::unitorClicked, this, [this] { open(Window::Unitor); });
    connect(m_tavro, &TavroTab::overviewClicked, this, [this] { openOverviewOf(Tab::Tavro); });
    new LetterJump(this, [this](const QString& cargo) { pick(Tab::Tavro, cargo); });
    new MenuShortcutsFirst(this);
    m_windows->add(QStringLiteral("frmUSCG"), [this] { return FrmUSCG::open(*this, m_store); });
    m_windows->add(QStringLiteral("frmUnitor"), [this] { return FrmUnitor::open(*this, m_store); });
    m_windows->add(QStringLiteral("frmChem"), [this] { return FrmChem::open(m_store); });
    m_windows->add(QStringLiteral("frmHazard"), [this] { return FrmHazard::open(*this); });
    m_windows->add(QStringLiteral("frmSpecial"), [] { return FrmSpecial::open(); });
    m_windows->add(QStringLiteral("PersonalA"), [this] { return followSaves(PersonalA::open(*this)); });
    m_windows->add(QStringLiteral("frmEdit"), [this] { return followSaves(FrmEdit::open(*this)); });
    m_windows->add(QStringLiteral("frmAbout"), [] { return FrmAbout::open(); });
    m_windows->add(QStringLiteral("frmView"), [this] { return FrmView::open(*m_windows); });
    m_windows->add(QStringLiteral("frmOverview"), [this] { return FrmOverview::open(m_store); });
    m_windows->add(QStringLiteral("frmPrint"), [this] {
        auto* sheet = new FrmPrint(sampleNotice(Schema::CleaningFile));
        sheet->load(*m_tavro);
        return sheet;
    });
    m_windows->add(QStringLiteral("frmPrintJo"), [this] {
        auto* sheet = new FrmPrintJo(sampleNotice(Schema::JoTankersFile));
        sheet->load(*joTab());
        return sheet;
    });
    new PrintEntries(this, *m_windows, action(QStringLiteral("mnuPrint")),
                     action(QStringLiteral("mnuExportPdf")));
}

void FrmTabClean::showDataFolder()
{
    // Sample data must never pass for advice: while any database is a sample, the title and the status
    // bar say so, and the status bar names the samples unless all four are.
    const QStringList samples = SampleData::samplesIn(m_store);
    setWindowTitle(samples.isEmpty() ? QStringLiteral("Velcarin")
                                     : QStringLiteral("Velcarin — ") + SampleData::notice());
    QStatusBar* status = statusBar();
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    Controls::setColours(status, systemColour(SystemColour::ButtonFace), Qt::black);
    const QString folder = QDir::toNativeSeparators(m_store.dataDir());
    auto* folderLabel = new QLabel(tr("Data folder: %1").arg(folder));
    folderLabel->setObjectName(QStringLiteral("lblDataFolder"));
    folderLabel->setToolTip(folder);
    // A long path is cut at the right rather than widening the window.
    folderLabel->setMinimumWidth(0);
    folderLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    status->addWidget(folderLabel, 1);
    if (samples.isEmpty())
        return;
    auto* sampleLabel =
        new QLabel(samples.size() == Schema::databases().size()
                       ? SampleData::notice()
                       : tr("%1: %2").arg(SampleData::notice(), samples.join(QLatin1String(", "))));
    sampleLabel->setObjectName(QStringLiteral("lblSampleData"));
    QFont bold = sampleLabel->font();
    bold.setBold(true);
    sampleLabel->setFont(bold);
    sampleLabel->setContentsMargins(6, 0, 6, 0);
    Controls::setColours(sampleLabel, Marks::LightOrange, Qt::black);
    status->addPermanentWidget(sampleLabel);
}

void FrmTabClean::showStatus(const QString& message)
{
    constexpr int ShownMilliseconds = 15'000;
    statusBar()->showMessage(message, ShownMilliseconds);
}

QString FrmTabClean::sampleNotice(const QString& fileName) const
{
    return SampleData::isSample(m_store.pathOf(fileName)) ? SampleData::notice() : QString();
}

JoTab* FrmTabClean::buildJoTab()
{
    auto* tab = new JoTab;
    connect(tab, &JoTab::productChosen, this, &FrmTabClean::enableChartEntry);
    connect(tab, &JoTab::exitClicked, this, &QWidget::close);
    QString error;
    tellUnopened(tab->openData(m_store, &error), error);
    tab->awaitFirstChoice();
    return tab;
}

HenkelTab* FrmTabClean::buildHenkelTab()
{
    auto* tab = new HenkelTab;
    connect(tab, &HenkelTab::exitClicked, this, &QWidget::close);
    QString error;
    tellUnopened(tab->openOilData(m_store, &error) && tab->openChemicalData(m_store, &error), error);
    tab->awaitFirstChoice();
    m_globe->setPicture(tab->globePicture());
    return tab;
}

void FrmTabClean::tellUnopened(bool opened, const QString& error)
{
    if (!opened)
        MessageBox::error(this, error, windowTitle());
}

JoTab* FrmTabClean::joTab() const
{
    return static_cast<JoTab*>(m_joPage->contents());
}

HenkelTab* FrmTabClean::henkelTab() const
{
    return static_cast<HenkelTab*>(m_henkelPage->contents());
}

CargoEditor* FrmTabClean::followSaves(CargoEditor* editor)
{
    // The operator tab shows a saved note or parameter at once, red mark and all.
    connect(editor, &CargoEditor::saved, m_tavro, &TavroTab::showSavedRecord);
    connect(editor, &CargoEditor::written, this, &FrmTabClean::showStatus);
    return editor;
}

void FrmTabClean::buildMenus()
{
    for (const Menu& menu : menuTree()) {
        QMenu* submenu = menuBar()->addMenu(QLatin1String(menu.caption));
        submenu->setObjectName(QLatin1String(menu.name));
        submenu->menuAction()->setObjectName(QLatin1String(menu.name));
        for (const MenuEntry& entry : menu.entries) {
            QAction* item = QLatin1String(entry.caption) == QLatin1String("-")
                                ? submenu->addSeparator()
                                : submenu->addAction(QString::fromUtf8(entry.caption));
            item->setObjectName(QLatin1String(entry.name));
            if (entry.shortcut)
                item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(entry.shortcut)));
        }
    }

    connect(action(QStringLiteral("mnuExit")), &QAction::triggered, this, &QWidget::close);
    for (const auto& [name, tab] : TabEntries)
        connect(action(QLatin1String(name)), &QAction::triggered, this,
                [this, tab = tab] { bringToFront(tab); });
    for (const auto& [name, window] : WindowEntries) {
        const QString windowName = QLatin1String(window);
        connect(action(QLatin1String(name)), &QAction::triggered, this,
                [this, windowName] { m_windows->open(windowName); });
    }
    for (const auto& [name, window] : CargoEntries)
        connect(action(QLatin1String(name)), &QAction::triggered, this,
                [this, window = window] { open(window); });
    for (const HelpEntry& entry : HelpEntries) {
        connect(action(QLatin1String(entry.name)), &QAction::triggered, this,
                [this, entry] { m_help->requestTopic(QLatin1String(entry.file), entry.context); });
    }
    connect(action(QStringLiteral("mnuECP")), &QAction::triggered, this, &FrmTabClean::editCargoParameters);
}

void FrmTabClean::buildSearch()
{
    m_searchField = new SearchField([this](const QString& query) { return m_finder->find(query); });
    // Off the window's edge, as the menus are.
    auto* corner = new QWidget;
    auto* cornerLayout = new QHBoxLayout(corner);
    cornerLayout->setContentsMargins(0, 1, 6, 1);
    cornerLayout->addWidget(m_searchField);
    menuBar()->setCornerWidget(corner, Qt::TopRightCorner);
    // Each search is answered from sources read as they are now; reading them never delays the window.
    connect(m_searchField, &SearchField::turnedTo, this, &FrmTabClean::startSearch);
    new SearchShortcut(m_searchField);
    auto* opener = new SearchResultOpener(*this, this);
    connect(m_searchField, &SearchField::resultChosen, opener, &SearchResultOpener::open);
    connect(m_searchField, &SearchField::overviewChosen, this,
            [this](const SearchResult& result) { openOverview(result.name); });
    auto* statusLine = new SearchStatusLine(this);
    auto* readingLabel = new QLabel(SearchStatusLine::readingNotice());
    readingLabel->setObjectName(QStringLiteral("lblSearchReading"));
    readingLabel->hide();
    statusBar()->addPermanentWidget(readingLabel);
    connect(statusLine, &SearchStatusLine::readingChanged, readingLabel, &QLabel::setVisible);
    // What was searched while the sources were read may find more now.
    connect(statusLine, &SearchStatusLine::readingChanged, this, [this](bool reading) {
        if (!reading)
            m_searchField->searchAgain();
    });
    connect(statusLine, &SearchStatusLine::message, this, &FrmTabClean::showStatus);
    statusLine->follow(*m_finder);
}

void FrmTabClean::startSearch()
{
    m_finder->updateInBackground();
}

QAction* FrmTabClean::action(const QString& name) const
{
    return findChild<QAction*>(name);
}

bool FrmTabClean::load(QString* error)
{
    Placement::place(this, 6);
    if (!m_tavro->openData(m_store, error))
        return false;
    // The files of the tabs behind are read when those are first shown, but one that cannot serve them
    // stops the start as it would have then.
    for (const QString& fileName : {Schema::JoTankersFile, Schema::HenkelFile}) {
        if (const Result<Database> database = m_store.open(fileName); !database) {
            if (error)
                *error = database.error();
            return false;
        }
    }
    bringToFront(Tab::Tavro);
    m_tavro->awaitFirstChoice();
    action(QStringLiteral("mnuCompCh"))->setEnabled(false);
    action(QStringLiteral("mnuPrint"))->setEnabled(true);
    action(QStringLiteral("mnuPrint"))->setText(PrintTavro);
    action(QStringLiteral("mnuUnitor"))->setEnabled(false);
    m_globe->loadPictures(DataFolders::current());
    // The keyboard starts on the tab strip, where the letter keys jump to their cargoes.
    m_tabs->tabBar()->setFocus();
    return true;
}

void FrmTabClean::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    GradientBackground::paint(painter, size());
}

const CargoChoice& FrmTabClean::choice(Tab tab) const
{
    if (tab == Tab::Jo)
        return joTab()->choice();
    if (tab == Tab::Henkel)
        return henkelTab()->choice();
    return m_tavro->choice();
}

const RecordSet& FrmTabClean::cargoRecords() const
{
    return m_tavro->data().recordSet();
}

Advisers::Tab FrmTabClean::tabInFront() const
{
    return static_cast<Tab>(m_tabs->currentIndex());
}

void FrmTabClean::bringToFront(Tab tab)
{
    m_tabs->setCurrentIndex(static_cast<int>(tab));
}

void FrmTabClean::pick(Tab tab, const QString& name)
{
    switch (tab) {
    case Tab::Tavro:
        m_tavro->pick(name);
        break;
    case Tab::Jo:
        joTab()->pick(name);
        break;
    case Tab::Henkel:
        henkelTab()->pick(name);
        break;
    }
}

void FrmTabClean::pick(Tab tab, int row)
{
    switch (tab) {
    case Tab::Tavro:
        m_tavro->pick(row);
        break;
    case Tab::Jo:
        joTab()->pick(row);
        break;
    case Tab::Henkel:
        henkelTab()->pick(row);
        break;
    }
}

void FrmTabClean::open(Window window)
{
    const CurrentCargo cargo = currentCargo(Tab::Tavro);
    switch (window) {
    case Window::Unitor:
        m_windows->open(QStringLiteral("frmUnitor"));
        break;
    case Window::HazardData:
        if (!cargo.hazard1.isEmpty())
            m_windows->open(QStringLiteral("frmHazard"));
        else
            MessageBox::ok(this, QStringLiteral("No data available."), QStringLiteral("Cargo Parameters"));
        break;
    case Window::CompatibilityChart:
        // The operator tab's group decides, whatever tab is in front.
        if (!cargo.uscgGroup.isEmpty())
            m_windows->open(QStringLiteral("frmUSCG"));
        else
            MessageBox::ok(this, QStringLiteral("USCG compatibility number is not defined."),
                           QStringLiteral("USCG Compatibility Chart"));
        break;
    case Window::PersonalNotes:
        if (cargo.hasPersonalNotes)
            m_windows->open(QStringLiteral("PersonalA"));
        else
            MessageBox::ok(this, QStringLiteral("No any Personal Records for this cargo found."),
                           QStringLiteral("You Missed"));
        break;
    case Window::CleaningCodeView:
        openView(QStringLiteral("Cleaning Code Description"), cargo.cleaningText);
        break;
    case Window::TemperatureView:
        openView(QStringLiteral("Temperature Code Description"), cargo.temperatureText);
        break;
    case Window::RemarksView:
        openView(QStringLiteral("Additional Notes Description"), cargo.remarks);
        break;
    case Window::CargoOverview:
        openOverviewOf(tabInFront());
        break;
    }
}

void FrmTabClean::openOverview(const QString& cargo)
{
    if (auto* overview = qobject_cast<FrmOverview*>(m_windows->open(QStringLiteral("frmOverview"))))
        overview->showCargo(cargo);
}

void FrmTabClean::openOverviewOf(Tab tab)
{
    const QString cargo = currentCargo(tab).name;
    if (cargo.isEmpty())
        MessageBox::ok(this, tr("Choose a cargo first: the overview shows what every guide holds about it."),
                       FrmOverview::Title);
    else
        openOverview(cargo);
}

void FrmTabClean::pickAdditionalProduct(const QString& name)
{
    henkelTab()->pickAdditionalProduct(name);
}

void FrmTabClean::reopen(Window window)
{
    switch (window) {
    case Window::Unitor:
        m_windows->unload(QStringLiteral("frmUnitor"));
        break;
    case Window::HazardData:
        m_windows->unload(QStringLiteral("frmHazard"));
        break;
    case Window::CompatibilityChart:
        m_windows->unload(QStringLiteral("frmUSCG"));
        break;
    case Window::PersonalNotes:
        m_windows->unload(QStringLiteral("PersonalA"));
        break;
    case Window::CargoOverview:
    case Window::CleaningCodeView:
    case Window::TemperatureView:
    case Window::RemarksView:
        // These take the cargo anew at every opening.
        break;
    }
    open(window);
}

void FrmTabClean::openUnitorToLoad(const QString& cargoToLoad)
{
    if (auto* unitor = qobject_cast<FrmUnitor*>(m_windows->open(QStringLiteral("frmUnitor"))))
        unitor->pickToLoad(cargoToLoad);
}

void FrmTabClean::openMixture(const QString& mixture)
{
    if (auto* mediums = qobject_cast<FrmChem*>(m_windows->open(QStringLiteral("frmChem"))))
        mediums->pick(mixture);
}

void FrmTabClean::openView(const QString& caption, const QString& text)
{
    if (auto* view = qobject_cast<FrmView*>(m_windows->open(QStringLiteral("frmView"))))
        view->showText(caption, text);
}

void FrmTabClean::tabChanged(int index)
{
    // The tab in front is built, also while the window is hidden.
    if (auto* page = qobject_cast<LazyPage*>(m_tabs->widget(index)))
        page->contents();
    const Tab tab = static_cast<Tab>(index);
    for (const char* name : OperatorEntries)
        action(QLatin1String(name))->setEnabled(tab == Tab::Tavro);
    QAction* printEntry = action(QStringLiteral("mnuPrint"));
    printEntry->setEnabled(true);
    printEntry->setText(tab == Tab::Tavro ? PrintTavro : PrintJo);
    if (tab == Tab::Henkel) {
        action(QStringLiteral("mnuCompCh"))->setEnabled(false);
        printEntry->setEnabled(false);
        printEntry->setText(QStringLiteral("&Print"));
    } else {
        action(QStringLiteral("mnuCompCh"))->setEnabled(true);
    }
}

void FrmTabClean::cargoChosen(bool unitorShown)
{
    enableChartEntry();
    action(QStringLiteral("mnuUnitor"))->setEnabled(unitorShown);
}

void FrmTabClean::enableChartEntry()
{
    // A choice made while the Henkel tab is in front (a letter key) leaves the chart entry as that tab set
    // it; the next change of tab decides again.
    action(QStringLiteral("mnuCompCh"))->setEnabled(tabInFront() != Tab::Henkel);
}

void FrmTabClean::editCargoParameters()
{
    const QString title = QStringLiteral("Edit Cargo Parameters");
    if (tabInFront() != Tab::Tavro) {
        MessageBox::ok(this, QStringLiteral("This function available for Tavro data, only."), title);
        return;
    }
    if (MessageBox::yesNo(this, QStringLiteral("Do you really want to change the Cargo Parameters?"),
                          title) == QMessageBox::Yes)
        m_windows->open(QStringLiteral("frmEdit"));
}
