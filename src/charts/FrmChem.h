#pragma once

#include "shell/TwipLayout.h"

#include <QList>
#include <QWidget>

class CommonDialog;
class DataControl;
class ListPick;
class QComboBox;
class QLineEdit;
class QRadioButton;
class Store;

// "Cleaning Mediums": sixteen topics of the cleaning-media manual, each opened by "Show", and the look-up
// of a cleaning mixture in the Solutions table with its medium, coating, temperature range and group.
// It reads nothing of the main window and writes nothing.
class FrmChem : public QWidget {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("Cleaning Mediums");

    explicit FrmChem(QWidget* parent = nullptr);

    // A new window loaded on Henkel.mdb; nullptr after saying why it cannot load.
    static FrmChem* open(const Store& store);
    // Centres the window, opens dtaChem and gives the first topic the focus.
    bool load(const Store& store, QString* error);

    // Lays every control out at its twips on this scale.
    void setScale(const TwipScale& scale);
    const TwipScale& scale() const { return m_layout.scale(); }

    // Writes a mixture into its box and looks it up, as if typed.
    void pick(const QString& mixture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildTopics();
    void buildMixtures();
    void showTopic();
    void pickMixture();

    TwipLayout m_layout;
    DataControl* m_data;
    CommonDialog* m_help;
    QList<std::pair<QRadioButton*, int>> m_topics; // in the order "Show" looks at them
    QComboBox* m_mixture = nullptr;
    QLineEdit* m_holder = nullptr;
    ListPick* m_pick = nullptr;
};
