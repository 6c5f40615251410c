#pragma once

#include "jo/ProductAdvice.h"

#include <QList>
#include <QWidget>

class CargoChoice;
class DataControl;
class NameLookup;
class QComboBox;
class QLabel;
class QLineEdit;
class Store;
class TextBox;

// Tab 1 of the main window: the Jo Tankers products on DtaJo and the operator's twelve cleaning
// methods.
class JoTab : public QWidget {
    Q_OBJECT
public:
    explicit JoTab(QWidget* parent = nullptr);

    // Points DtaJo at Jo Tankers.mdb and lists its products.
    bool openData(const Store& store, QString* error);
    DataControl& data() const { return *m_data; }
    // The product the tab stands on: its name, record, UN and USCG numbers.
    const CargoChoice& choice() const { return *m_choice; }
    // Covers the frames until the first product is picked.
    void awaitFirstChoice();
    // Picks in the product box as the officer does: a name as if typed, a row of the list as if clicked.
    void pick(const QString& name);
    void pick(int row);

Q_SIGNALS:
    // After every look-up of the product box's text, found or not.
    void productChosen();
    void exitClicked();

private:
    void buildControls();
    QWidget* coveredFrame(const QString& title, const QString& coverName);
    void bindFields();
    void selectProduct();
    void showMethod(int method);
    void publishChoice();

    DataControl* m_data;
    CargoChoice* m_choice;
    NameLookup* m_lookup = nullptr;
    ProductNames m_names;

    QComboBox* m_product;
    QLineEdit* m_holder;
    QLineEdit* m_groupName;
    QLineEdit* m_className;
    TextBox* m_method;
    QList<QWidget*> m_covers;
};
