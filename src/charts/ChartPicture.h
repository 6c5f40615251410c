#pragma once

#include "shell/TwipScale.h"

#include <QWidget>

// The compatibility chart as a picture: white cells, a grid line round each, and a bold 9-point diamond
// in every cell whose row group and column group are not compatible. Drawn at the window's scale, so the
// rows and columns lie exactly under their highlight bands.
class ChartPicture : public QWidget {
    Q_OBJECT
public:
    static inline const QString Mark = QStringLiteral("\u25C6");
    static inline const QColor LineColour{0, 0, 0};
    static constexpr int MarkPoints = 9;

    explicit ChartPicture(QWidget* parent = nullptr);

    void setScale(const TwipScale& scale);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // A rectangle of the window's twips in the picture's own pixels.
    QRect local(const QRect& twips) const;

    TwipScale m_scale;
};
