#pragma once

#include <QLabel>

// A label of plain text in a box of fixed size that shows where its text is cut: the last line that
// fits ends in "…", and the whole text shows in the tooltip. A text that fits is drawn as any label
// draws it, and text() is always the whole text, so that nothing that reads the label sees a difference.
class ElidingLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidingLabel(QWidget* parent = nullptr);

    // The text as the label shows it in its present size.
    QString shownText() const;
    bool isElided() const { return shownText() != text(); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Where the text is drawn, as QLabel draws it: inside the frame, the margin and the indent.
    QRect textRect() const;
};
