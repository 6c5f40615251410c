#pragma once

#include <QMainWindow>

class QTabWidget;
class Store;
class TavroTab;

// The main window: the tab strip with the three advisers, the menus and the data controls.
class FrmTabClean : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmTabClean(const Store& store, QWidget* parent = nullptr);

    // Opens the data controls and sets the window up for the first choice.
    bool load(QString* error);

    TavroTab* tavroTab() const { return m_tavro; }

private:
    const Store& m_store;
    QTabWidget* m_tabs;
    TavroTab* m_tavro;
};
