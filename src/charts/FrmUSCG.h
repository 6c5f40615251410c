#pragma once

#include "data/Result.h"
#include "shell/TwipLayout.h"

#include <QMap>
#include <QWidget>

class Advisers;
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
// Everything in it is read-only; it reads the first cargo once, at its load, and never changes it.
class FrmUSCG : public QWidget {
    Q_OBJECT
public:
    static inline const QString Title =
        QStringLiteral("USCG Compatibility Chart     -      Dated January 6, 2003");
    static inline const QString NoExceptions = QStringLiteral("No Exceptions for this Group");

    explicit FrmUSCG(QWidget* parent = nullptr);

    // A new window loaded on the cargo of the tab in front; nullptr after saying why it cannot load.
    static FrmUSCG* open(const Advisers& advisers, const Store& store);
    // Centres the window, opens dtaU, takes the first cargo from the tab in front and shows its group's
    // row band and exceptions.
    Result<> load(const Advisers& advisers, const Store& store);

    // Lays every control and the chart out at their twips on this scale.
    void setScale(const TwipScale& scale);
    const TwipScale& scale() const { return m_layout.scale(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void buildChart();
    void takeFirstCargo(const Advisers& advisers);
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
