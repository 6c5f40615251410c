#pragma once

#include "adviser/CargoAdvice.h"

#include <QWidget>

class CargoChoice;
class DataControl;
class NameLookup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Store;
class TextBox;

// Tab 0 of the main window: the operator's cargo data on DtaA and the advice decoded from its codes.
class TavroTab : public QWidget {
    Q_OBJECT
public:
    explicit TavroTab(QWidget* parent = nullptr);

    // Points DtaA at cleaning.mdb and lists its cargoes.
    bool openData(const Store& store, QString* error);
    DataControl& data() const { return *m_data; }
    // The cargo the tab stands on, as it shows it.
    const CargoChoice& choice() const { return *m_choice; }
    // Covers the parts that mean nothing until the first choice of a cargo, which uncovers them.
    void awaitFirstChoice();
    // Picks in the cargo box as the officer does: a name as if typed, a row of the list as if clicked.
    void pick(const QString& name);
    void pick(int row);
    // After an editing window saved a cargo: the fields and marks of the shown cargo as they now are.
    void showSavedRecord();

Q_SIGNALS:
    // After every selection, with whether the Unitor manual covers the chosen name.
    void cargoChosen(bool unitorShown);
    void exitClicked();
    void specialHandlingClicked();
    void unitorClicked();
    void editNotesClicked();
    // The overview of the cargo was asked for, from the cargo box's context menu.
    void overviewClicked();

private:
    void buildControls();
    void bindFields();
    void offerOverview();
    void selectCargo();
    void showAdvice(const AdviceDisplay& display);
    // Publishes the cargo as the tab now shows it.
    void publishChoice();

    DataControl* m_data;
    CargoChoice* m_choice;
    NameLookup* m_lookup = nullptr;
    AdviceDisplay m_display;
    bool m_chosen = false; // a cargo was chosen since the covers were put on

    QComboBox* m_cargo;
    QLineEdit* m_holder;
    QLabel* m_notice;
    QLineEdit* m_pollution;
    TextBox* m_cleaningText;
    TextBox* m_temperatureText;
    TextBox* m_notesText;
    QLabel* m_className;
    QLabel* m_groupName;
    QLabel* m_personalNotesLabel;
    QPushButton* m_special;
    QPushButton* m_unitor;
    QList<QWidget*> m_covers;
};
