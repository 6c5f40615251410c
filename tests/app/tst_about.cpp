#include "app/ExpectedHandbooks.h"
#include "app/FrmAbout.h"
#include "app/FrmTabClean.h"
#include "app/SystemInformation.h"
#include "shell/ProgramFolder.h"
#include "shell/WindowRegistry.h"
#include "support/LoadedMainWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

// The About box, opened from the main window's Help menu, and the system-information program it starts.
class TestAbout : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;
    std::unique_ptr<LoadedMainWindow> m_main;
    QByteArray m_path;

    QWidget* openAbout() const
    {
        if (!triggerAction(m_main->window(), QStringLiteral("mnuAbout")))
            return nullptr;
        return m_main->window()->windows().openWindow(QStringLiteral("frmAbout"));
    }

    // A program of that name in the folder, which leaves NAME.started behind when it runs.
    static void installProgram(const TestDataFolder& folder, const QString& name)
    {
        const QString marker = folder.filePath(name + QStringLiteral(".started"));
        folder.writeFile(name, "#!/bin/sh\n: > '" + QFile::encodeName(marker) + "'\n");
        QFile(folder.filePath(name)).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

private Q_SLOTS:
    void initTestCase()
    {
        ProgramFolder::setPath(programFolder());
        m_folder.copySampleDatabases();
        m_path = qgetenv("PATH");
    }

    void init()
    {
        m_main = std::make_unique<LoadedMainWindow>(m_folder.path());
        QVERIFY(m_main->isLoaded());
    }

    void cleanup()
    {
        qputenv("PATH", m_path);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != m_main->window())
                window->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_main.reset();
    }

    void texts()
    {
        QWidget* about = openAbout();
        QVERIFY(about);
        QVERIFY(qobject_cast<FrmAbout*>(about));
        QVERIFY(about->isVisible());
        QVERIFY(!about->isModal());
        QVERIFY(!about->parentWidget());
        QCOMPARE(about->windowTitle(), QStringLiteral("Velcarin, revised version, 2003"));
        const QList<std::pair<const char*, QString>> texts{
            {"lblDescription", QStringLiteral("Velcarin                  For 32-bit Windows Development")},
            {"lblVersion", QStringLiteral("Version 003-002-2003")},
            {"lblTitle", QStringLiteral("This product based on:")},
        };
        for (const auto& [name, text] : texts)
            QCOMPARE(controlText(about, QLatin1String(name)), text);
        for (int i = 0; i < Handbooks.size(); ++i)
            QCOMPARE(controlText(about, QStringLiteral("lblHandbook%1").arg(i + 1)), Handbooks.at(i));
        QVERIFY(!about->findChild<QLabel*>(QStringLiteral("lblHandbook8")));
        QCOMPARE(child<QPushButton>(about, QStringLiteral("cmdOK"))->text(), QStringLiteral("OK"));
        QCOMPARE(child<QPushButton>(about, QStringLiteral("cmdSysInfo"))->text(),
                 QStringLiteral("&System Info..."));
        const QPixmap icon = child<QLabel>(about, QStringLiteral("picIcon"))->pixmap();
        QCOMPARE(icon.deviceIndependentSize(), QSizeF(32, 32));
        QVERIFY(!child<QLabel>(about, QStringLiteral("picLogo"))->pixmap().isNull());
        // Every text shows whole.
        for (QLabel* label : about->findChildren<QLabel*>()) {
            if (!label->text().isEmpty())
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
        }
    }

    void okUnloads()
    {
        QWidget* about = openAbout();
        QVERIFY(about);
        QPointer<QWidget> watched = about;
        child<QPushButton>(about, QStringLiteral("cmdOK"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(watched.isNull());
        QWidget* again = openAbout();
        QVERIFY(again && again->isVisible());
    }

    // Centred on the screen at its load, before it is shown.
    void centredAtLoad()
    {
        const std::unique_ptr<FrmAbout> about(FrmAbout::open());
        QVERIFY(!about->isVisible());
        QCOMPARE(about->pos(), placementAtLoad(about.get(), 2));
    }

    // The desktops' system-information programs, looked for in this order on the PATH.
    void systemInformation_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("started"); // empty: none, the message
        QTest::newRow("none") << QStringList{} << QString();
        QTest::newRow("KDE Info Center")
            << QStringList{QStringLiteral("kinfocenter")} << QStringLiteral("kinfocenter");
        QTest::newRow("HardInfo") << QStringList{QStringLiteral("hardinfo")} << QStringLiteral("hardinfo");
        QTest::newRow("HardInfo 2 first")
            << QStringList{QStringLiteral("hardinfo"), QStringLiteral("hardinfo2")}
            << QStringLiteral("hardinfo2");
        QTest::newRow("Info Center first")
            << QStringList{QStringLiteral("hardinfo2"), QStringLiteral("kinfocenter")}
            << QStringLiteral("kinfocenter");
        QTest::newRow("another program") << QStringList{QStringLiteral("msinfo32")} << QString();
    }

    void systemInformation()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, started);
        TestDataFolder programs;
        for (const QString& name : installed)
            installProgram(programs, name);
        qputenv("PATH", QFile::encodeName(programs.path()));
        QWidget* about = openAbout();
        QVERIFY(about);
        m_main->messages()->clear();
        child<QPushButton>(about, QStringLiteral("cmdSysInfo"))->click();
        if (started.isEmpty()) {
            QCOMPARE(m_main->messages()->requests().size(), 1);
            const MessageBox::Request& request = m_main->messages()->requests().first();
            QCOMPARE(request.text, QStringLiteral("System Information Is Unavailable At This Time"));
            QCOMPARE(request.title, QStringLiteral("Velcarin"));
            QCOMPARE(request.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QTest::qWait(100);
        } else {
            QTRY_VERIFY(QFile::exists(programs.filePath(started + QStringLiteral(".started"))));
            QVERIFY(m_main->messages()->requests().isEmpty());
        }
        for (const QString& name : installed) {
            if (name != started)
                QVERIFY2(!QFile::exists(programs.filePath(name + QStringLiteral(".started"))),
                         qPrintable(name));
        }
        QVERIFY(about->isVisible());
    }

    // On Windows: the MSINFO key's PATH, else MSINFO32.EXE in the Shared Tools Location folder.
    void windowsLookups_data()
    {
        QTest::addColumn<QString>("path");     // the MSINFO key's PATH; "-" cannot be read
        QTest::addColumn<QString>("location"); // the Shared Tools Location key's MSINFO; "-" cannot be read
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("program");    // "-" none
        QTest::addColumn<QStringList>("looked"); // files whose existence was asked
        const QString msinfo = QStringLiteral("C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo");
        const QString msinfo32 = msinfo + QStringLiteral("\\MSINFO32.EXE");
        QTest::newRow("PATH first") << QStringLiteral("C:\\Tools\\msinfo32.exe") << msinfo
                                    << QStringList{msinfo32} << QStringLiteral("C:\\Tools\\msinfo32.exe")
                                    << QStringList{};
        QTest::newRow("location") << QStringLiteral("-") << msinfo << QStringList{msinfo32} << msinfo32
                                  << QStringList{msinfo32};
        QTest::newRow("location without the file")
            << QStringLiteral("-") << msinfo << QStringList{} << QStringLiteral("-") << QStringList{msinfo32};
        QTest::newRow("neither") << QStringLiteral("-") << QStringLiteral("-") << QStringList{msinfo32}
                                 << QStringLiteral("-") << QStringList{};
    }

    void windowsLookups()
    {
        QFETCH(QString, path);
        QFETCH(QString, location);
        QFETCH(QStringList, files);
        QFETCH(QString, program);
        QFETCH(QStringList, looked);
        const auto value = [](const QString& text) {
            return text == QLatin1String("-") ? std::nullopt : std::optional<QString>(text);
        };
        const auto registry = [&](const QString& key, const QString& name) -> std::optional<QString> {
            if (key == QLatin1String("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO") &&
                name == QLatin1String("PATH"))
                return value(path);
            if (key == QLatin1String("SOFTWARE\\Microsoft\\Shared Tools Location") &&
                name == QLatin1String("MSINFO"))
                return value(location);
            return std::nullopt;
        };
        QStringList asked;
        const auto exists = [&](const QString& file) {
            asked << file;
            return files.contains(file);
        };
        QCOMPARE(SystemInformation::msinfoProgram(registry, exists), value(program));
        QCOMPARE(asked, looked);
    }
};

VELCARIN_TEST_MAIN(TestAbout)
#include "tst_about.moc"
