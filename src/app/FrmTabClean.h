#pragma once

#include "shell/Advisers.h"

#include <QMainWindow>

class CargoEditor;
class CommonDialog;
class Finder;
class GlobeAnimation;
class HenkelTab;
class JoTab;
class LazyPage;
class QAction;
class QTabWidget;
class SearchField;
class Store;
class TavroTab;
class WindowRegistry;

// The main window: the tab strip SSTab1 with the three advisers, the menus from which every other
// window and every help file is reached, the data controls, the letter keys and the turning globe. To the
// windows it opens it is their Advisers.
class FrmTabClean : public QMainWindow, public Advisers {
    Q_OBJECT
public:
    static inline const QString PrintTavro = QStringLiteral("&Print Tavro Tankers Adviser");
    static inline const QString PrintJo = QStringLiteral("&Print Jo Tankers Adviser");

    explicit FrmTabClean(const Store& store, QWidget* parent = nullptr);

    // Places the window, opens DtaA and sets the window up for the first choice. The tabs behind are
    // built, and their data controls opened, when they are first shown or asked for.
    bool load(QString* error);

    const Store& store() const { return m_store; }
    WindowRegistry& windows() const { return *m_windows; }

    TavroTab* tavroTab() const { return m_tavro; }
    // The tabs behind, built now if they were not.
    JoTab* joTab() const;
    HenkelTab* henkelTab() const;
    GlobeAnimation* globe() const { return m_globe; }
    SearchField* searchField() const { return m_searchField; }
    const Finder& finder() const { return *m_finder; }

    const CargoChoice& choice(Tab tab) const override;
    const RecordSet& cargoRecords() const override;
    Tab tabInFront() const override;
    void bringToFront(Tab tab) override;
    void pick(Tab tab, const QString& name) override;
    void pick(Tab tab, int row) override;
    void open(Window window) override;
    void openOverview(const QString& cargo) override;
    void pickAdditionalProduct(const QString& name) override;
    void reopen(Window window) override;
    void openUnitorToLoad(const QString& cargoToLoad) override;
    void openMixture(const QString& mixture) override;

    // Reads again, in the background, what the search finds and what changed since it was read; the search
    // field asks for it each time the officer turns to it. Searches meanwhile find what is read.
    void startSearch();

    // Tells in the status bar, for a while, what the officer's last action wrote where.
    void showStatus(const QString& message);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildMenus();
    // The search field at the right end of the menu bar, and its keys.
    void buildSearch();
    // The data folder in the status bar, and the title and status bar marked where its data is a sample.
    void showDataFolder();
    // The notice for a printed sheet of that database: that it is sample data; none for other data.
    QString sampleNotice(const QString& fileName) const;
    QAction* action(const QString& name) const;
    void tabChanged(int index);
    void cargoChosen(bool unitorShown);
    void enableChartEntry();
    void openView(const QString& caption, const QString& text);
    // The overview of the tab's cargo; before the tab's first choice the officer is told to choose one.
    void openOverviewOf(Tab tab);
    void editCargoParameters();
    CargoEditor* followSaves(CargoEditor* editor);
    JoTab* buildJoTab();
    HenkelTab* buildHenkelTab();
    // Tells when a tab built late cannot open its data; the tab then shows no records.
    void tellUnopened(bool opened, const QString& error);

    const Store& m_store;
    QTabWidget* m_tabs;
    TavroTab* m_tavro;
    LazyPage* m_joPage;
    LazyPage* m_henkelPage;
    WindowRegistry* m_windows;
    CommonDialog* m_help;
    GlobeAnimation* m_globe;
    Finder* m_finder;
    SearchField* m_searchField = nullptr;
};
