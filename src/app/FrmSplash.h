#pragma once

#include "app/SplashProgress.h"

#include <QWidget>

class QFrame;
class QLabel;
class QTimer;

// The first window of the program: its title, version and the handbooks it is based on, while a green
// bar fills for about five and a half seconds; when the bar is full the main window may open.
class FrmSplash : public QWidget {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("Revised Version, 2003");
    static inline const QString Loading = QStringLiteral("Loading. Please Wait...");
    static inline const QString Done = QStringLiteral("Done! Don't forget to thanks Dovrel.");

    explicit FrmSplash(MonotonicClock clock, QWidget* parent = nullptr);

    // Centres the window on the screen, collapses the bar and starts the progress timer.
    void load();
    bool isDone() const { return m_done; }
    // After the run, while the start still has work to do: the state says what, the bar how far it is.
    void showWork(const QString& state, int percent);

Q_SIGNALS:
    // The bar is full: the main window may open. Emitted once.
    void finished();
    // The user closed the splash before its bar was full.
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void tick();
    void setFillWidth(int width);

    SplashProgress m_progress;
    QTimer* m_timer;
    QFrame* m_box;
    QWidget* m_fill;
    QLabel* m_state;
    bool m_done = false;
};
