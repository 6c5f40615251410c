#pragma once

#include <QWidget>

// A highlight band over the chart: an outline and a diagonal hatching that leave the chart visible
// beneath, so that where a row band and a column band cross both hatchings show. Clicks go through it.
class Band : public QWidget {
    Q_OBJECT
public:
    Band(const QString& name, const QColor& outline, const QColor& hatching, Qt::BrushStyle pattern,
         QWidget* parent);

    QColor outline() const { return m_outline; }
    QColor hatching() const { return m_hatching; }
    Qt::BrushStyle pattern() const { return m_pattern; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_outline;
    QColor m_hatching;
    Qt::BrushStyle m_pattern;
};
