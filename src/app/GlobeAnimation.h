#pragma once

#include <QList>
#include <QObject>
#include <QPixmap>

class DataFolders;
class QLabel;
class QTimer;

// The turning globe: the timer tmrAnimate shows the fifteen globe pictures one after the other in a
// picture box. It ticks only while the picture box can be seen, so a hidden or minimised window costs
// nothing.
class GlobeAnimation : public QObject {
    Q_OBJECT
public:
    static constexpr int PictureCount = 15;

    GlobeAnimation(QLabel* picture, QObject* parent);

    // GLOBE1.BMP to GLOBE15.BMP, each beside the databases or else shipped; a missing picture leaves the
    // box blank.
    void loadPictures(const DataFolders& folders);
    int counter() const { return m_counter; }
    QTimer* timer() const { return m_timer; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tick();
    void runWhileSeen();

    QLabel* m_picture;
    QTimer* m_timer;
    QList<QPixmap> m_pictures;
    int m_counter = 0;
};
