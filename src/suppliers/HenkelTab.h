#pragma once

#include <QWidget>

class DataControl;
class QLabel;
class Store;

// Tab 2 of the main window: the Henkel cleaning recommendations on DtaH and dtaH1.
class HenkelTab : public QWidget {
    Q_OBJECT
public:
    explicit HenkelTab(QWidget* parent = nullptr);

    // Points DtaH and dtaH1 at Henkel.mdb.
    bool openOilData(const Store& store, QString* error);
    bool openChemicalData(const Store& store, QString* error);

    // The picture box of the globe animation.
    QLabel* globePicture() const { return m_globe; }

Q_SIGNALS:
    void exitClicked();

private:
    DataControl* m_oils;
    DataControl* m_chemicals;
    QLabel* m_globe;
};
