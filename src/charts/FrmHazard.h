#pragma once

#include "shell/TwipLayout.h"

#include <QWidget>

class Advisers;
class QLabel;
class TextBox;

// The health hazard ratings of the operator tab's cargo: the cargo's identification and codes, and for
// each of the three ratings its scale's heading and the description of the cargo's level. It reads the
// cargo once, at its load, and never changes it.
class FrmHazard : public QWidget {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("Health Hazard Data");

    explicit FrmHazard(QWidget* parent = nullptr);

    // A new window loaded on the cargo of the operator tab.
    static FrmHazard* open(const Advisers& advisers);
    // Centres the window, copies the cargo's values as the operator tab shows them and describes its
    // ratings.
    void load(const Advisers& advisers);

    void setScale(const TwipScale& scale) { m_layout.setScale(scale); }
    const TwipScale& scale() const { return m_layout.scale(); }

private:
    void buildIdentification();
    void buildScales();
    QLabel* valueBox(const QString& name, const QRect& twips);

    TwipLayout m_layout;
    QList<QLabel*> m_values; // in the order of the values copied
    QList<QLabel*> m_headings;
    QList<TextBox*> m_descriptions;
};
