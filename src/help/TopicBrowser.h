#pragma once

#include <QTextBrowser>

class Manual;

// Shows a topic's HTML: its pictures read from the manual and scaled for the screen, a picture that cannot
// be read as a frame with its reason, the hotspots of a picture and the anchors of the text as links, and
// its fonts zoomed by the officer's choice.
class TopicBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit TopicBrowser(QWidget* parent = nullptr);

    void showTopic(const Manual* manual, const QString& html);
    // Zoom steps from the file's own sizes, each a tenth larger or smaller.
    void setZoom(int steps);
    // Marks every place of each word, whatever its case.
    void highlight(const QStringList& words);

    QVariant loadResource(int type, const QUrl& name) override;

Q_SIGNALS:
    // An anchor or a picture's hotspot was clicked: where it leads, as the topic's HTML names it.
    void linkClicked(const QString& href);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString hotspotAt(const QPoint& point) const;
    void applyTabStops();
    void applyZoom();

    const Manual* m_manual = nullptr;
    QString m_html;
    int m_zoom = 0;
};
