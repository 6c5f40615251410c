#pragma once

#include <QHash>
#include <QWidget>

class CargoChoice;
class CommonDialog;
class DataControl;
class NameLookup;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class Store;
class TextBox;

// Tab 2 of the main window: the Henkel cleaning recommendations. The oil tool looks oils up on DtaH, the
// additional-products tool chemicals on dtaH1, and the cleaning suggestions open the topic of a cargo
// group in Henkel.hlp. Everything on it is read-only.
class HenkelTab : public QWidget {
    Q_OBJECT
public:
    explicit HenkelTab(QWidget* parent = nullptr);

    // Point DtaH and dtaH1 at Henkel.mdb and list their oils and chemicals.
    bool openOilData(const Store& store, QString* error);
    bool openChemicalData(const Store& store, QString* error);

    DataControl& oilData() const { return *m_oils; }
    DataControl& chemicalData() const { return *m_chemicals; }

    // The oil the tab stands on: its name and record.
    const CargoChoice& choice() const { return *m_choice; }
    // Hides the oil box, the pre-wash temperature and the solution until their first use.
    void awaitFirstChoice();
    // Picks in the oil box as the officer does: a name as if typed, a row of the list as if clicked.
    void pick(const QString& name);
    void pick(int row);
    // Picks in the additional products' box (DBComboH2) a name as if typed.
    void pickAdditionalProduct(const QString& name);

    // The picture box of the globe animation.
    QLabel* globePicture() const { return m_globe; }

Q_SIGNALS:
    void exitClicked();

private:
    QWidget* buildOilTool();
    QWidget* buildChemicalTool();
    QWidget* buildSuggestions();
    void pickOil();
    void pickChemical();
    void groupChosen(const QString& option);
    void showTopic();
    void publishChoice();

    DataControl* m_oils;
    DataControl* m_chemicals;
    CargoChoice* m_choice;
    CommonDialog* m_help;
    QComboBox* m_oil = nullptr;
    QLineEdit* m_oilHolder = nullptr;
    NameLookup* m_oilLookup = nullptr;
    QLineEdit* m_preWash = nullptr;
    TextBox* m_final = nullptr;
    QComboBox* m_chemical = nullptr;
    QLineEdit* m_chemicalHolder = nullptr;
    NameLookup* m_chemicalLookup = nullptr;
    TextBox* m_solution = nullptr;
    QHash<QString, QRadioButton*> m_groups;
    QLabel* m_globe = nullptr;
};
