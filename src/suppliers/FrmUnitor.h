#pragma once

#include "data/Result.h"
#include "shell/TwipLayout.h"

#include <QList>
#include <QWidget>

class Advisers;
class CommonDialog;
class DataControl;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Store;

// The Unitor adviser: from the cargo the operator tab last chose (the previous cargo) to the topics of
// the Unitor tank cleaning manual that tell how to clean the tank, by way of the loading group of the
// next cargo where the manual asks for one. A list of cargoes to load shows each one's code, from which
// the officer reads that group. It reads the operator tab's cargo once, at its load, and never changes it.
class FrmUnitor : public QWidget {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("Unitor Tank Cleaning Manual");
    static inline const QString HelpFile = QStringLiteral("Unitor.hlp");

    explicit FrmUnitor(QWidget* parent = nullptr);

    // A new window loaded on the operator tab's cargo; nullptr after saying why it cannot load.
    static FrmUnitor* open(const Advisers& advisers, const Store& store);
    // Places the window, opens DtaU and takes the previous cargo from the operator tab.
    Result<> load(const Advisers& advisers, const Store& store);

    // Lays every control out at its twips on this scale.
    void setScale(const TwipScale& scale);
    const TwipScale& scale() const { return m_layout.scale(); }

    // Writes a name into the list of cargoes to load and looks it up, as a click in the box would.
    void pickToLoad(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void showCleaningAdvice();
    void chooseLoadingGroup(QChar group);
    void pickCargoToLoad(int pickedRow);

    TwipLayout m_layout;
    DataControl* m_data;
    CommonDialog* m_help;
    QLineEdit* m_previousCargo;
    QLabel* m_groupPrompt;
    QList<QRadioButton*> m_groups;
    QComboBox* m_cargoToLoad;
    QLineEdit* m_holder;
    QLineEdit* m_code;
    QPushButton* m_show;
};
