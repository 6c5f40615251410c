// The second reference for the main window's start: the bare window with what any window of text and data
// pays on top, a menu, an editable combo box filled from an SQLite file, a label and a status bar.
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStatusBar>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    auto* centre = new QWidget;
    auto* layout = new QVBoxLayout(centre);
    auto* names = new QComboBox;
    names->setEditable(true);
    if (argc > 1) {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        database.setDatabaseName(QString::fromLocal8Bit(argv[1]));
        database.open();
        QSqlQuery query(QStringLiteral("SELECT [Abbreviated Name] FROM CleaningA LIMIT 20"), database);
        while (query.next())
            names->addItem(query.value(0).toString());
    }
    layout->addWidget(names);
    layout->addWidget(new QLabel(QStringLiteral("Cleaning code, water temperature and notes")));
    window.setCentralWidget(centre);
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    window.resize(std::min(1280, screen.width()), std::min(800, screen.height() - 40));
    window.show();
    return application.exec();
}
