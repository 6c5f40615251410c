// The reference for the main window's start: an empty QMainWindow of the same size, built with the same Qt.
#include <QApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    window.resize(std::min(1280, screen.width()), std::min(800, screen.height() - 40));
    window.show();
    return application.exec();
}
