// Takes the pictures of the README: each window of the list below, opened on the databases of a folder as
// an officer would open it, grabbed into a PNG file. A window that the README is to show gets a row here.
// Usage: take-screenshots DATA_FOLDER PICTURE_FOLDER (run under a display; scripts/screenshots.sh does)
#include "app/FrmTabClean.h"
#include "app/ProgramImages.h"
#include "data/DataFolders.h"
#include "data/Store.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

struct Shot {
    const char* fileName;
    // Brings the window to the state shown and gives it back; nullptr when it cannot.
    std::function<QWidget*(FrmTabClean& mainWindow)> open;
};

const Shot Shots[]{
    {"main-window.png",
     [](FrmTabClean& mainWindow) -> QWidget* {
         auto* cargo = mainWindow.findChild<QComboBox*>(QStringLiteral("DBCombo1"));
         if (!cargo)
             return nullptr;
         cargo->setEditText(QStringLiteral("ACETONE"));
         return &mainWindow;
     }},
};

// Lets the windows lay themselves out and paint before they are grabbed.
void settle()
{
    QEventLoop loop;
    QTimer::singleShot(500, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: take-screenshots DATA_FOLDER PICTURE_FOLDER\n", stderr);
        return 2;
    }
    QApplication::setWindowIcon(ProgramImages::icon());
    // The data folder as --data-dir names it: the globe pictures and help files are found beside it.
    const DataFolders folders =
        DataFolders::choose(QDir(arguments.at(1)).absolutePath(), DataFolders::places());
    DataFolders::setCurrent(folders);
    const Store store(folders.dataFolder());
    const QDir pictures(arguments.at(2));
    int status = 0;
    for (const Shot& shot : Shots) {
        FrmTabClean mainWindow(store);
        QString error;
        if (!mainWindow.load(&error)) {
            std::fprintf(stderr, "the main window does not load: %s\n", qPrintable(error));
            return 2;
        }
        mainWindow.show();
        settle();
        QWidget* window = shot.open(mainWindow);
        if (window) {
            window->show();
            window->raise();
            settle();
        }
        const QString path = pictures.filePath(QLatin1String(shot.fileName));
        if (!window || !window->grab().save(path)) {
            std::fprintf(stderr, "%s could not be taken\n", qPrintable(path));
            status = 1;
        }
    }
    return status;
}
