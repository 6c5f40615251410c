#include "adviser/TavroTab.h"
#include "adviser/UnitorCatalogue.h"
#include "app/FrmTabClean.h"
#include "data/RecordSet.h"
#include "data/Store.h"
#include "help/HelpFile.h"
#include "shell/DataControl.h"
#include "shell/GradientBackground.h"
#include "shell/HelpRequest.h"
#include "shell/ProgramFolder.h"
#include "shell/WindowRegistry.h"
#include "suppliers/FrmUnitor.h"
#include "support/LoadedMainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {

// The sample table of cargoes to load, in name order, with their codes.
const QList<std::pair<QString, QString>> SampleCargoesToLoad{
    {"ACETONE", "C"},
    {"ACRYLONITRILE", "C"},
    {"BENZENE", "D"},
    {"BUTYL ACETATE-N", "C"},
    {"CAUSTIC SODA", "A"},
    {"COCONUT OIL", "F"},
    {"CRUDE OIL", "E"},
    {"CUMENE", "D"},
    {"CYCLOHEXANE", "D"},
    {"DIESEL OIL", "E"},
    {"ETHANOL", "B"},
    {"ETHYLENE GLYCOL", "B"},
    {"FUEL OIL", "E"},
    {"GASOIL", "F"},
    {"GASOLINE", "E"},
    {"GLYCERINE", "B"},
    {"JET FUEL", "B"},
    {"LUBE OIL", "G"},
    {"METHANOL", "A"},
    {"METHYL ETHYL KETONE", "C"},
    {"MOLASSES", "G"},
    {"NEATSFOOT OIL, BUYER'S GRADE", "F"},
    {"PALM OIL", "C"},
    {"PHOSPHORIC ACID", "A"},
    {"SOYBEAN OIL", "C"},
    {"STYRENE MONOMER", "D"},
    {"SULFURIC ACID", "A"},
    {"TALLOW", "F"},
    {"TOLUENE", "D"},
    {"VINYL ACETATE", "C"},
    {"WATER WHITE KEROSENE", "F"},
    {"XYLENE", "D"},
};

HelpRequest unitorTopic(int context)
{
    return {ProgramFolder::path() + QStringLiteral("/Unitor.hlp"), 1, context};
}

QList<HelpRequest> unitorTopics(const QList<int>& contexts)
{
    QList<HelpRequest> requests;
    for (int context : contexts)
        requests << unitorTopic(context);
    return requests;
}

} // namespace

// The Unitor window opened from the real main window on the sample databases.
class TestUnitorWindow : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;
    std::unique_ptr<LoadedMainWindow> m_main;
    HelpRecorder m_help; // every help request, in place of the viewer

    FrmTabClean* mainWindow() const { return m_main->window(); }
    QComboBox* cargoBox() const
    {
        return child<QComboBox>(mainWindow()->tavroTab(), QStringLiteral("DBCombo1"));
    }
    void choose(const QString& name) const { cargoBox()->setEditText(name); }
    FrmUnitor* openWindow() const
    {
        return qobject_cast<FrmUnitor*>(mainWindow()->windows().openWindow(QStringLiteral("frmUnitor")));
    }
    // Chooses the previous cargo on the operator tab and opens the window with its button.
    FrmUnitor* openUnitor(const QString& cargo, const QString& control = QStringLiteral("cmdUnitor")) const
    {
        choose(cargo);
        m_main->beeps()->reset();
        if (control == QLatin1String("cmdUnitor")) {
            auto* button = child<QPushButton>(mainWindow(), control);
            if (!button || button->isHidden())
                return nullptr;
            button->click();
        } else if (!triggerAction(mainWindow(), control)) {
            return nullptr;
        }
        return openWindow();
    }
    // A window loaded from the main window without its button, for names the button is not shown for.
    std::unique_ptr<FrmUnitor> loadUnitor(const QString& cargo) const
    {
        if (!cargo.isEmpty())
            choose(cargo);
        auto window = std::make_unique<FrmUnitor>();
        if (const Result<> loaded = window->load(*mainWindow(), mainWindow()->store()); !loaded)
            qWarning("%s", qPrintable(loaded.error()));
        return window;
    }

    static void showAdvice(FrmUnitor* window)
    {
        QTest::mouseClick(child<QPushButton>(window, QStringLiteral("cmdShow")), Qt::LeftButton);
    }
    static QRadioButton* groupButton(FrmUnitor* window, QChar group)
    {
        return child<QRadioButton>(window, QStringLiteral("Option%1").arg(group.unicode() - u'A' + 1));
    }
    static void chooseGroup(FrmUnitor* window, QChar group)
    {
        QRadioButton* button = groupButton(window, group);
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
    // The loading groups shown, or "-" while the group choice is hidden.
    static QString shownGroups(FrmUnitor* window)
    {
        if (child<QLabel>(window, QStringLiteral("Label3"))->isHidden())
            return QStringLiteral("-");
        QString groups;
        for (QChar group : QStringLiteral("ABCDEFG")) {
            if (!groupButton(window, group)->isHidden())
                groups += group;
        }
        return groups;
    }
    static bool showButtonShown(FrmUnitor* window)
    {
        return !child<QPushButton>(window, QStringLiteral("cmdShow"))->isHidden();
    }
    static QComboBox* loadingBox(FrmUnitor* window)
    {
        return child<QComboBox>(window, QStringLiteral("DBCombo1"));
    }
    static void clickEditField(FrmUnitor* window, const QString& name)
    {
        ::clickEditField(loadingBox(window), name);
    }
    static void pickFromList(FrmUnitor* window, const QString& name)
    {
        ::pickFromList(loadingBox(window), name);
    }
    static void pressButton(FrmUnitor* window, const QString& name)
    {
        pressComboButton(loadingBox(window), name);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_folder.copySampleDatabases();
        // The window takes the cargo the operator tab shows, which must be one of its table: every name
        // the catalogue holds, and names it does not hold.
        QStringList names{QStringLiteral("Acetone"), QStringLiteral("GASHOL"), QStringLiteral("BABY'S OIL")};
        for (const UnitorCatalogue::Entry& entry : UnitorCatalogue::entries())
            names << entry.names;
        for (const QString& name : std::as_const(names))
            m_folder.runSql(
                QStringLiteral("cleaning.mdb"),
                QStringLiteral("INSERT INTO CleaningA (\"Abbreviated Name\") SELECT %1 WHERE NOT "
                               "EXISTS (SELECT 1 FROM CleaningA WHERE \"Abbreviated Name\" = %1);")
                    .arg(sqlText(name)));
    }

    void init()
    {
        m_main = std::make_unique<LoadedMainWindow>(m_folder.path());
        QVERIFY(m_main->isLoaded());
        m_help.clear();
    }

    void cleanup()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<FrmUnitor*>(widget))
                widget->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_main.reset();
    }

    void opens_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("button") << QStringLiteral("cmdUnitor");
        QTest::newRow("menu entry") << QStringLiteral("mnuUnitor");
    }

    void opens()
    {
        QFETCH(QString, control);
        FrmUnitor* window = openUnitor(QStringLiteral("ACETONE"), control);
        QVERIFY(window);
        QCOMPARE(window->objectName(), QStringLiteral("frmUnitor"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Unitor Tank Cleaning Manual"));
        QVERIFY(window->isVisible());
        QVERIFY(!window->parentWidget());
        QVERIFY(!window->isModal());
        // A fixed dialog without minimise and maximise buttons.
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(window->windowFlags().testFlag(Qt::Dialog));
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        // Ready: the previous cargo shown, the group choice hidden, the button shown, nothing asked.
        QCOMPARE(controlText(window, QStringLiteral("Text2")), QStringLiteral("ACETONE"));
        QCOMPARE(shownGroups(window), QStringLiteral("-"));
        QVERIFY(showButtonShown(window));
        QVERIFY(m_help.requests().isEmpty());
        QVERIFY(m_main->messages()->requests().isEmpty());
        QCOMPARE(m_main->beeps()->count(), 0);
    }

    // Show Cleaning Advice: the topics asked for, in order, and the groups offered (- for none).
    void showCleaningAdvice_data()
    {
        QTest::addColumn<QString>("cargo");
        QTest::addColumn<QList<int>>("topics");
        QTest::addColumn<QString>("groups");
        QTest::newRow("ACETONE") << QStringLiteral("ACETONE") << QList<int>{1005} << QStringLiteral("-");
        QTest::newRow("first entry") << QStringLiteral("ACETALDEHYDE") << QList<int>{1001}
                                     << QStringLiteral("-");
        QTest::newRow("last entry") << QStringLiteral("XYLENE-MIXED") << QList<int>{2078}
                                    << QStringLiteral("-");
        QTest::newRow("1099") << QStringLiteral("MENHADEN OIL") << QList<int>{1099} << QStringLiteral("-");
        QTest::newRow("2000") << QStringLiteral("MESITYL OXIDE") << QList<int>{2000} << QStringLiteral("-");
        QTest::newRow("two direct entries")
            << QStringLiteral("METHYL STYRENE-A") << QList<int>{1009, 2009} << QStringLiteral("-");
        QTest::newRow("latex in two")
            << QStringLiteral("LATEX SYNTHETIC DL692") << QList<int>{1096, 2053} << QStringLiteral("-");
        QTest::newRow("latex in one")
            << QStringLiteral("LATEX NATURAL") << QList<int>{1096} << QStringLiteral("-");
        QTest::newRow("BUTYL ALCOHOL-S")
            << QStringLiteral("BUTYL ALCOHOL-S") << QList<int>{2043} << QStringLiteral("-");
        QTest::newRow("BUTYL ALCOHOL-N")
            << QStringLiteral("BUTYL ALCOHOL-N") << QList<int>{} << QStringLiteral("ABCDEFG");
        QTest::newRow("BUTYL ALCOHOL-T")
            << QStringLiteral("BUTYL ALCOHOL-T") << QList<int>{} << QStringLiteral("ABCDEFG");
        QTest::newRow("ACETIC ACID") << QStringLiteral("ACETIC ACID") << QList<int>{}
                                     << QStringLiteral("ABCDEFG");
        QTest::newRow("BENZENE") << QStringLiteral("BENZENE") << QList<int>{} << QStringLiteral("ABCDEFG");
        QTest::newRow("CRUDE OIL") << QStringLiteral("CRUDE OIL") << QList<int>{} << QStringLiteral("ABEFG");
        QTest::newRow("FUEL OIL #3") << QStringLiteral("FUEL OIL #3") << QList<int>{}
                                     << QStringLiteral("ABEFG");
        QTest::newRow("<") << QStringLiteral("FORMALDEHYDE <45%") << QList<int>{1063} << QStringLiteral("-");
        QTest::newRow("&") << QStringLiteral("SPERM OIL C&R") << QList<int>{2047} << QStringLiteral("-");
        QTest::newRow("28%") << QStringLiteral("AMMONIUM HYDROXIDE 28%") << QList<int>{1013}
                             << QStringLiteral("-");
        QTest::newRow("without 28%") << QStringLiteral("AMMONIUM HYDROXIDE") << QList<int>{1013}
                                     << QStringLiteral("-");
    }

    void showCleaningAdvice()
    {
        QFETCH(QString, cargo);
        QFETCH(QList<int>, topics);
        QFETCH(QString, groups);
        FrmUnitor* window = openUnitor(cargo);
        QVERIFY2(window, "the operator tab offers no Unitor button");
        showAdvice(window);
        QCOMPARE(m_help.requests(), unitorTopics(topics));
        QCOMPARE(shownGroups(window), groups);
        QCOMPARE(showButtonShown(window), groups == QLatin1String("-"));
        // A second click asks again while the window is ready.
        if (showButtonShown(window)) {
            showAdvice(window);
            QCOMPARE(m_help.requests(), unitorTopics(topics + topics));
        }
        QVERIFY(m_main->messages()->requests().isEmpty());
        QCOMPARE(m_main->beeps()->count(), 0);
        QCOMPARE(controlText(window, QStringLiteral("Text2")), cargo);
    }

    void noAdvice_data()
    {
        QTest::addColumn<QString>("cargo");
        QTest::newRow("small letters") << QStringLiteral("Acetone");
        QTest::newRow("no cargo chosen") << QString();
        QTest::newRow("a name the catalogue does not hold") << QStringLiteral("GASHOL");
        QTest::newRow("a quote") << QStringLiteral("BABY'S OIL");
    }

    void noAdvice()
    {
        QFETCH(QString, cargo);
        const std::unique_ptr<FrmUnitor> window = loadUnitor(cargo);
        QCOMPARE(controlText(window.get(), QStringLiteral("Text2")), cargo);
        m_main->beeps()->reset();
        m_main->messages()->clear();
        showAdvice(window.get());
        // Nothing at all: no request, no message, no sound, no change.
        QVERIFY(m_help.requests().isEmpty());
        QVERIFY(m_main->messages()->requests().isEmpty());
        QCOMPARE(m_main->beeps()->count(), 0);
        QCOMPARE(shownGroups(window.get()), QStringLiteral("-"));
        QVERIFY(showButtonShown(window.get()));
    }

    // Clicks on the loading groups in turn, after Show Cleaning Advice: each click asks for its topics.
    void loadingGroups_data()
    {
        QTest::addColumn<QString>("cargo");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QList<int>>("topics");
        QTest::newRow("ACETIC ACID, every group")
            << QStringLiteral("ACETIC ACID") << QStringLiteral("ABCDEFG")
            << QList<int>{1002, 1003, 1002, 1002, 1002, 1002, 1002};
        QTest::newRow("BENZENE A") << QStringLiteral("BENZENE") << QStringLiteral("A")
                                   << QList<int>{1017, 1069};
        QTest::newRow("BENZENE E") << QStringLiteral("BENZENE") << QStringLiteral("E")
                                   << QList<int>{1016, 1070};
        QTest::newRow("BENZENE A, then C, then A again") << QStringLiteral("BENZENE") << QStringLiteral("ACA")
                                                         << QList<int>{1017, 1069, 1016, 1069, 1017, 1069};
        QTest::newRow("CRUDE OIL") << QStringLiteral("CRUDE OIL") << QStringLiteral("ABEFG")
                                   << QList<int>{1031, 1031, 1031, 1031, 1031};
        QTest::newRow("LINSEED OIL") << QStringLiteral("LINSEED OIL") << QStringLiteral("BCG")
                                     << QList<int>{1098, 1097, 1098};
        QTest::newRow("BUTYL ALCOHOL-T")
            << QStringLiteral("BUTYL ALCOHOL-T") << QStringLiteral("CE") << QList<int>{1019, 1018};
        QTest::newRow("WHITE SPIRIT SBP")
            << QStringLiteral("WHITE SPIRIT SBP") << QStringLiteral("DC") << QList<int>{2077, 2076};
    }

    void loadingGroups()
    {
        QFETCH(QString, cargo);
        QFETCH(QString, clicks);
        QFETCH(QList<int>, topics);
        FrmUnitor* window = openUnitor(cargo);
        QVERIFY(window);
        showAdvice(window);
        QVERIFY(m_help.requests().isEmpty());
        const QString offered = shownGroups(window);
        for (QChar group : clicks) {
            chooseGroup(window, group);
            QVERIFY(groupButton(window, group)->isChecked());
            // The group choice stays; there is no way back to the ready state.
            QCOMPARE(shownGroups(window), offered);
            QVERIFY(!showButtonShown(window));
        }
        QCOMPARE(m_help.requests(), unitorTopics(topics));
        QVERIFY(m_main->messages()->requests().isEmpty());
    }

    void reopeningKeepsTheWindow()
    {
        FrmUnitor* window = openUnitor(QStringLiteral("BENZENE"));
        QVERIFY(window);
        showAdvice(window);
        pickFromList(window, QStringLiteral("GASOIL"));
        chooseGroup(window, u'F');

        // Another cargo on the operator tab, and the window asked for again: the same window, unchanged.
        QVERIFY(openUnitor(QStringLiteral("ACETONE"), QStringLiteral("mnuUnitor")) == window);
        QVERIFY(openUnitor(QStringLiteral("ACRYLIC ACID")) == window);
        QCOMPARE(controlText(window, QStringLiteral("Text2")), QStringLiteral("BENZENE"));
        QCOMPARE(shownGroups(window), QStringLiteral("ABCDEFG"));
        QVERIFY(groupButton(window, u'F')->isChecked());
        QCOMPARE(loadingBox(window)->currentText(), QStringLiteral("GASOIL"));
        QCOMPARE(controlText(window, QStringLiteral("txtCode")), QStringLiteral("F"));
        m_help.clear();
        chooseGroup(window, u'A');
        QCOMPARE(m_help.requests(), unitorTopics({1017, 1069}));

        // Closing discards it; the next opening loads afresh with the operator tab's cargo of the moment.
        QPointer<FrmUnitor> closed = window;
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!closed);
        window = openUnitor(QStringLiteral("ACETONE"));
        QVERIFY(window);
        QCOMPARE(controlText(window, QStringLiteral("Text2")), QStringLiteral("ACETONE"));
        QCOMPARE(shownGroups(window), QStringLiteral("-"));
        QVERIFY(showButtonShown(window));
        QCOMPARE(loadingBox(window)->currentText(), QStringLiteral("ACETONE"));
    }

    void cargoesToLoad()
    {
        FrmUnitor* window = openUnitor(QStringLiteral("ACETONE"));
        QVERIFY(window);
        QComboBox* box = loadingBox(window);
        QCOMPARE(box->count(), SampleCargoesToLoad.size());
        for (int row = 0; row < SampleCargoesToLoad.size(); ++row)
            QCOMPARE(box->itemText(row), SampleCargoesToLoad.at(row).first);
        // It opens on the first cargo, whose code the code box shows.
        QCOMPARE(box->currentText(), QStringLiteral("ACETONE"));
        QCOMPARE(controlText(window, QStringLiteral("txtCode")), QStringLiteral("C"));

        // Typing alone picks nothing.
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), QStringLiteral("METHANOL"));
        QCOMPARE(controlText(window, QStringLiteral("txtCode")), QStringLiteral("C"));
        QCOMPARE(controlText(window, QStringLiteral("Text1")), QString());

        // A click in the edit field, in the list and on the button each pick the cargo named.
        clickEditField(window, QStringLiteral("METHANOL"));
        QCOMPARE(controlText(window, QStringLiteral("Text1")), QStringLiteral("METHANOL"));
        QCOMPARE(controlText(window, QStringLiteral("txtCode")), QStringLiteral("A"));
        pickFromList(window, QStringLiteral("LUBE OIL"));
        QCOMPARE(controlText(window, QStringLiteral("txtCode")), QStringLiteral("G"));
        pressButton(window, QStringLiteral("ETHANOL"));
        QCOMPARE(controlText(window, QStringLiteral("txtCode")), QStringLiteral("B"));
        // A name with a quote is found as it is written.
        clickEditField(window, QStringLiteral("NEATSFOOT OIL, BUYER'S GRADE"));
        QCOMPARE(controlText(window, QStringLiteral("txtCode")), QStringLiteral("F"));
        QCOMPARE(m_main->beeps()->count(), 0);

        // No such cargo, an empty box, a name in other letters: a beep each, and the code stays.
        clickEditField(window, QStringLiteral("NO SUCH CARGO"));
        pressButton(window, QString());
        clickEditField(window, QStringLiteral("Methanol"));
        clickEditField(window, QStringLiteral("BUYER'S"));
        QCOMPARE(m_main->beeps()->count(), 4);
        QCOMPARE(controlText(window, QStringLiteral("txtCode")), QStringLiteral("F"));
        QCOMPARE(
            child<DataControl>(window, QStringLiteral("DtaU"))->recordSet().value(QStringLiteral("Name")),
            QStringLiteral("NEATSFOOT OIL, BUYER'S GRADE"));

        // The list changes nothing else: no request, the window still ready.
        QVERIFY(m_help.requests().isEmpty());
        QVERIFY(showButtonShown(window));
        QCOMPARE(shownGroups(window), QStringLiteral("-"));
        QCOMPARE(controlText(window, QStringLiteral("Text2")), QStringLiteral("ACETONE"));
    }

    void mainWindowIsNotWritten()
    {
        FrmUnitor* window = openUnitor(QStringLiteral("BENZENE"));
        QVERIFY(window);
        const int position = mainWindow()->tavroTab()->data().recordSet().absolutePosition();
        showAdvice(window);
        chooseGroup(window, u'B');
        pickFromList(window, QStringLiteral("TOLUENE"));
        clickEditField(window, QStringLiteral("ACETONE"));
        QCOMPARE(cargoBox()->currentText(), QStringLiteral("BENZENE"));
        QCOMPARE(child<QLineEdit>(mainWindow()->tavroTab(), QStringLiteral("Text1"))->text(),
                 QStringLiteral("BENZENE"));
        QCOMPARE(mainWindow()->tavroTab()->data().recordSet().absolutePosition(), position);
    }

    void withoutItsDatabase()
    {
        const TestDataFolder empty;
        const Store store(empty.path());
        QVERIFY(!FrmUnitor::open(*mainWindow(), store));
        QCOMPARE(m_main->messages()->requests().size(), 1);
        QCOMPARE(m_main->messages()->requests().first().title, QStringLiteral("Unitor Tank Cleaning Manual"));
        QVERIFY(m_main->messages()->requests().first().text.contains(QLatin1String("unitor.mdb")));
    }

    // Where each control lies, in pixels, at 96 dots per inch (15 twips to the pixel).
    void layoutAt96Dpi()
    {
        FrmUnitor window;
        window.setScale(TwipScale(1.0 / 15));
        QCOMPARE(window.size(), QSize(440, 165));
        const QList<std::pair<const char*, QRect>> controls{
            {"Label1", {8, 8, 209, 17}},    {"Text2", {224, 8, 185, 19}},
            {"Label3", {72, 40, 337, 17}},  {"Option1", {184, 56, 25, 17}},
            {"Option2", {216, 56, 25, 17}}, {"Option3", {248, 56, 25, 17}},
            {"Option4", {280, 56, 25, 17}}, {"Option5", {312, 56, 25, 17}},
            {"Option6", {344, 56, 25, 17}}, {"Option7", {376, 56, 25, 17}},
            {"Label2", {16, 80, 113, 17}},  {"DBCombo1", {136, 80, 185, 21}},
            {"txtCode", {336, 80, 65, 19}}, {"cmdShow", {240, 104, 177, 17}},
        };
        for (const auto& [name, pixels] : controls)
            QCOMPARE(child<QWidget>(&window, QLatin1String(name))->geometry(), pixels);
        QCOMPARE(window.font().pixelSize(), 11);
        QCOMPARE(loadingBox(&window)->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(loadingBox(&window)->font().pixelSize(), 11);
    }

    void layoutAt144Dpi()
    {
        FrmUnitor window;
        window.setScale(TwipScale(1.0 / 10));
        QCOMPARE(window.size(), QSize(660, 248));
        QCOMPARE(child<QWidget>(&window, QStringLiteral("Option7"))->geometry(), QRect(564, 84, 38, 26));
        QCOMPARE(child<QWidget>(&window, QStringLiteral("cmdShow"))->geometry(), QRect(360, 156, 266, 26));
        QCOMPARE(window.font().pixelSize(), 17);
    }

    void placedOnTheScreen()
    {
        FrmUnitor* window = openUnitor(QStringLiteral("ACETONE"));
        QVERIFY(window);
        // Centred across, a sixth of the free height down.
        const QRect screen = window->screen()->geometry();
        const QRect frame = window->frameGeometry();
        // Within what the frame adds, which is known only once the window is shown.
        const int margin = frame.width() - window->width() + 1;
        QVERIFY(std::abs(frame.left() - (screen.width() - frame.width()) / 2) <= margin);
        QVERIFY(std::abs(frame.top() - (screen.height() - frame.height()) / 6) <= margin);
    }

    void look()
    {
        FrmUnitor* window = openUnitor(QStringLiteral("ACETIC ACID"));
        QVERIFY(window);
        showAdvice(window);
        const auto palette = [window](const QString& name) {
            return child<QWidget>(window, name)->palette();
        };
        QCOMPARE(controlText(window, QStringLiteral("Label1")),
                 QStringLiteral("To clean the tanks after the cargo grade:"));
        QCOMPARE(controlText(window, QStringLiteral("Label2")), QStringLiteral("For loading of cargo:"));
        QCOMPARE(controlText(window, QStringLiteral("Label3")),
                 QStringLiteral("SELECT A GROUP OF CARGO TO LOAD (REFER CODE WINDOW)"));
        QCOMPARE(child<QPushButton>(window, QStringLiteral("cmdShow"))->text(),
                 QStringLiteral("Show Cleaning Advice"));
        QCOMPARE(child<QLineEdit>(window, QStringLiteral("txtCode"))->toolTip(),
                 QStringLiteral("Cleaning Code"));
        QVERIFY(child<QLineEdit>(window, QStringLiteral("txtCode"))->isReadOnly());
        QVERIFY(child<QLineEdit>(window, QStringLiteral("Text2"))->isReadOnly());
        QVERIFY(child<QLineEdit>(window, QStringLiteral("Text1"))->isHidden());
        QVERIFY(window->findChild<CommonDialog*>(QStringLiteral("diaB")));

        QCOMPARE(palette(QStringLiteral("Label1")).color(QPalette::WindowText), QColor(255, 255, 255));
        QCOMPARE(palette(QStringLiteral("Label2")).color(QPalette::WindowText), QColor(255, 255, 255));
        QCOMPARE(palette(QStringLiteral("Label3")).color(QPalette::WindowText), QColor(0, 255, 0));
        for (int index = 0; index < 7; ++index) {
            QRadioButton* option = groupButton(window, QChar(u'A' + index));
            QCOMPARE(option->text(), QString(QChar(u'A' + index)));
            // Drawn as it is set: the highlight behind, the letter whole in the tooltip colour beside the
            // indicator.
            const QImage drawn = option->grab().toImage();
            QCOMPARE(drawn.pixelColor(drawn.width() - 1, 0), QColor(10, 36, 106));
            const auto light = [&drawn](int x) {
                int pixels = 0;
                for (int y = 0; y < drawn.height(); ++y)
                    pixels += drawn.pixelColor(x, y).blue() > 160;
                return pixels;
            };
            // Light pixels of the letter, but none in the last column, where a cut letter would end.
            const int letterWidth = option->fontMetrics().horizontalAdvance(option->text());
            int letterPixels = 0;
            for (int x = drawn.width() - letterWidth - 2; x < drawn.width(); ++x)
                letterPixels += light(x);
            QVERIFY(letterPixels > 3);
            QCOMPARE(light(drawn.width() - 1), 0);
            QVERIFY(contrastRatio(QColor(255, 255, 225), QColor(10, 36, 106)) >= 4.5);
        }

        // The labels' texts stand out from the gradient behind them wherever they lie.
        for (const char* name : {"Label1", "Label2", "Label3"}) {
            auto* label = child<QLabel>(window, QLatin1String(name));
            const QColor text = label->palette().color(QPalette::WindowText);
            for (int y = label->geometry().top(); y <= label->geometry().bottom(); ++y) {
                const QColor behind(0, 0, 255 - y * 255 / window->height());
                QVERIFY2(contrastRatio(text, behind) >= 4.5, name);
            }
            // Each text fits its label whole.
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     name);
        }
        auto* show = child<QPushButton>(window, QStringLiteral("cmdShow"));
        QVERIFY(show->fontMetrics().horizontalAdvance(show->text()) < show->width());
    }

    void gradientBehindTheWindow()
    {
        FrmUnitor* window = openUnitor(QStringLiteral("ACETONE"));
        QVERIFY(window);
        QImage expected(window->size(), QImage::Format_RGB32);
        QPainter painter(&expected);
        GradientBackground::paint(painter, window->size());
        painter.end();
        const QImage shown = window->grab().toImage();
        // Where no control covers the window: its corners and below the button.
        for (const QPoint point :
             {QPoint(2, 1), QPoint(window->width() - 2, 1), QPoint(2, window->height() - 2),
              QPoint(window->width() / 2, window->height() - 2)})
            QCOMPARE(shown.pixelColor(point), expected.pixelColor(point));
        QVERIFY(shown.pixelColor(2, 0).blue() > 250);
        QVERIFY(shown.pixelColor(2, window->height() - 2).blue() < 8);
    }

    // The sample manual has a topic for every request, titled with the cargoes and groups that lead there.
    void sampleManualTopics_data()
    {
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("title");
        QTest::newRow("1001") << 1001 << QStringLiteral("ACETALDEHYDE");
        QTest::newRow("1002") << 1002 << QStringLiteral("ACETIC ACID (next cargo: groups A, C, D, E, F, G)");
        QTest::newRow("1003") << 1003 << QStringLiteral("ACETIC ACID (next cargo: group B)");
        QTest::newRow("1013") << 1013 << QStringLiteral("AMMONIUM HYDROXIDE 28%");
        QTest::newRow("1031") << 1031 << QStringLiteral("CRUDE OIL (next cargo: groups A, B, E, F, G)");
        QTest::newRow("1063") << 1063 << QStringLiteral("FORMALDEHYDE <45%");
        QTest::newRow("1099") << 1099 << QStringLiteral("MENHADEN OIL");
        QTest::newRow("2000") << 2000 << QStringLiteral("MESITYL OXIDE");
        QTest::newRow("2047") << 2047 << QStringLiteral("SPERM OIL C&R; SPERM OIL RESIDUE");
        QTest::newRow("2076") << 2076
                              << QStringLiteral(
                                     "WHITE SPIRIT 100/140; WHITE SPIRIT 80/100; WHITE SPIRIT SBP; "
                                     "WHITE SPIRIT, LOW AROM (next cargo: groups C, E, F, G)");
        QTest::newRow("2078") << 2078 << QStringLiteral("XYLENE-M; XYLENE-MIXED");
    }

    void sampleManualTopics()
    {
        QFETCH(int, context);
        QFETCH(QString, title);
        QString error;
        const std::optional<HelpFile> manual =
            HelpFile::open(QDir(programFolder()).filePath(QStringLiteral("Unitor.hlp")), &error);
        QVERIFY2(manual, qPrintable(error));
        QCOMPARE(manual->title(), QStringLiteral("Unitor Tank Cleaning Manual"));
        const std::optional<HelpFile::Topic> topic = manual->topic(context);
        QVERIFY(topic);
        QCOMPARE(topic->title, title);
        QVERIFY(topic->html.contains(QLatin1String("supplied separately")));
        QVERIFY(!manual->topic(1100));
        QVERIFY(!manual->topic(2079));
    }
};

VELCARIN_TEST_MAIN(TestUnitorWindow)
#include "tst_unitorwindow.moc"
