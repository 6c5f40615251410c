#pragma once

#include <QFrame>

class Manual;
class TopicBrowser;

// A popup topic: a small frame beside the link that showed it, closed by the next click or Escape.
class TopicPopup : public QFrame {
    Q_OBJECT
public:
    explicit TopicPopup(QWidget* parent);

    // Shows a topic's HTML, or a message in its place, with its top left corner at `place` (global).
    void showAt(const Manual* manual, const QString& html, const QPoint& place);
    TopicBrowser* browser() const { return m_text; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TopicBrowser* m_text;
};
