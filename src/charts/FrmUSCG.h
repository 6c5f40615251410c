#pragma once

#include "shell/TwipLayout.h"

#include <QMap>
#include <QWidget>

class Band;
class ChartPicture;
class DataControl;
class QComboBox;
class QLabel;
class QLineEdit;
class Store;
class TextBox;

// The USCG compatibility chart: the row of the main window's cargo (the first cargo) highlighted with
// its group's exceptions, and the column of a second cargo picked from the operator's cargo table.
// Everything in it is read-only; it reads the main window once, at its load, and never writes to it.
class FrmUSCG : public QWidget {
    Q_OBJECT
public:
    static inline const QString Title =
        QStringLiteral("USCG Compatibility Chart     -      Dated January 6, 2003");
    static inline const QString NoExceptions = QStringLiteral("No Exceptions for this Group");

    explicit FrmUSCG(QWidget* parent = nullptr);

    // A new window loaded on the main window's cargo; nullptr after saying why it cannot load.
    static FrmUSCG* open(const QWidget& mainWindow, const Store& store);
    // Centres the window, opens dtaU, takes the first cargo from the main window's tab in front and
    // shows its group's row band and exceptions.
    bool load(const QWidget& mainWindow, const Store& store, QString* error);

    // Lays every control and the chart out at their twips on this scale.
    void setScale(const TwipScale& scale);
    const TwipScale& scale() const { return m_layout.scale(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void buildChart();
    void takeFirstCargo(const QWidget& mainWindow);
    void pickSecondCargo(int pickedRow);
    void compare();
    void showExceptions(int rowGroup);

    TwipLayout m_layout;
    DataControl* m_data;
    QLabel* m_firstCargo;
    QLabel* m_firstGroup;
    QComboBox* m_secondCargo;
    QLineEdit* m_holder;
    QLabel* m_secondGroup;
    TextBox* m_notes;
    ChartPicture* m_chart;
    QMap<int, Band*> m_rowBands;
    QMap<int, Band*> m_columnBands;
};
