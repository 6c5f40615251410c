#pragma once

#include "data/DataFolders.h"

#include <QList>
#include <QObject>
#include <QPixmap>

#include <optional>

class QLabel;
class QTimer;

// The turning globe: the timer tmrAnimate shows the fifteen globe pictures one after the other in a
// picture box. It ticks only while the picture box can be seen, so a hidden or minimised window costs
// nothing.
class GlobeAnimation : public QObject {
    Q_OBJECT
public:
    static constexpr int PictureCount = 15;

    explicit GlobeAnimation(QObject* parent);

    // The picture box comes later than the animation, with its tab.
    void setPicture(QLabel* picture);

    // GLOBE1.BMP to GLOBE15.BMP, each beside the databases or else shipped, each read when it is first
    // shown, so that a globe nobody looks at costs nothing; a missing picture leaves the box blank.
    void loadPictures(const DataFolders& folders);
    int counter() const { return m_counter; }
    QTimer* timer() const { return m_timer; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tick();
    void runWhileSeen();

    QLabel* m_picture = nullptr;
    QTimer* m_timer;
    // Reads picture number n the first time it is asked for.
    const QPixmap& picture(int n);

    std::optional<DataFolders> m_folders;
    QList<std::optional<QPixmap>> m_pictures;
    int m_counter = 0;
};
