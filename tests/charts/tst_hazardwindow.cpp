#include "app/FrmTabClean.h"
#include "charts/FrmHazard.h"
#include "shell/TextBox.h"
#include "shell/WindowRegistry.h"
#include "support/LoadedMainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>

namespace {

const QString H1Heading = QStringLiteral("Hazard presented by irritating vapors to the skin or to the mucous "
                                         "membranes of the eyes, nose, throat, and lungs.");
const QString H2Heading =
    QStringLiteral("Hazard of irritation from liquids or solids with regard to the chemical "
                   "tendency to burn or irritate human skin from contact.");
const QString H3Heading =
    QStringLiteral("Hazard presented due to chemical poisons entering the body through "
                   "inhalation, oral ingestion, or skin penetration causing bodily harm.");

const char* const H1Levels[]{
    "Chemicals that are nonvolatile, or the vapors from which are nonirritating to the eyes and throat.",
    "Chemicals that cause a slight smarting of the eyes or respiratory system if present in high "
    "concentrations. This effect is temporary.",
    "Chemical vapors that cause moderate irritation, such that personnel will find high concentrations "
    "unpleasant. The effect is temporary.",
    "Moderately irritating volatile chemicals, such that personnel will not usually tolerate moderate or "
    "high "
    "vapor concentrations.",
    "Severe eye or throat irritants, vapors are capable of causing eye or lung injury, and cannot be "
    "tolerated "
    "even at low concentrations.",
};
const char* const H2Levels[]{
    "No appreciable hazard. These chemicals are practically harmless to the skin. Included are certain very "
    "volatile compounds that evaporate quickly from the skin.",
    "Minimum hazard. Usually includes chemicals which, if spilled on closing and allowed to remain, will "
    "cause "
    "smarting and reddening of the skin.",
    "Chemicals that cause smarting of the skin and first-degree burns on long exposure.",
    "Fairly severe skin irritants, usually causing pain and second-degree burns after a few minutes' "
    "contact.",
    "Severe skin irritants, causing second and third-degree burns on short contact and very injurious to the "
    "eyes.",
};
const char* const H3Levels[]{
    "No likelihood of producing injury.",
    "Minimum hazard. Includes most chemicals having threshold limits above 500 ppm.",
    "Some hazard, typically having threshold limits of 100 to 500 ppm.",
    "Moderately hazardous chemicals.",
    "Severely hazardous chemicals usually having threshold limits below 10 ppm.",
};

QString cargoRow(const QString& name, const QString& h1, const QString& h2, const QString& h3)
{
    return QStringLiteral("INSERT INTO CleaningA (\"Abbreviated Name\", \"Full Name\", H1, H2, H3) "
                          "VALUES (%1, 'Sample', %2, %3, %4);")
        .arg(sqlText(name), sqlText(h1), sqlText(h2), sqlText(h3));
}

} // namespace

// The hazard window opened from the real main window on the sample databases.
class TestHazardWindow : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;
    std::unique_ptr<LoadedMainWindow> m_main;

    FrmTabClean* mainWindow() const { return m_main->window(); }
    void choose(const QString& cargo) const
    {
        child<QComboBox>(mainWindow(), QStringLiteral("DBCombo1"))->setEditText(cargo);
    }
    FrmHazard* openWindow() const
    {
        return qobject_cast<FrmHazard*>(mainWindow()->windows().openWindow(QStringLiteral("frmHazard")));
    }
    // Chooses the cargo on the operator tab and opens the window from the menu.
    FrmHazard* openOn(const QString& cargo) const
    {
        choose(cargo);
        m_main->messages()->clear();
        if (!triggerAction(mainWindow(), QStringLiteral("mnuHazard")))
            return nullptr;
        return openWindow();
    }
    static QString box(FrmHazard* window, int scale)
    {
        return child<TextBox>(window, QStringLiteral("Text%1").arg(scale))->text();
    }
    static void closeWindow(FrmHazard* window)
    {
        QTest::mouseClick(child<QPushButton>(window, QStringLiteral("Command1")), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_folder.copySampleDatabases();
        QString rows = QStringLiteral("INSERT INTO CleaningA (\"Abbreviated Name\", \"Full Name\", "
                                      "\"Cleaning Code\", \"Water Temperature\", "
                                      "Notes, \"ID  Number\", \"United No\", \"Pollution Category\", "
                                      "\"Compatability Chart No\", H1, H2, H3) "
                                      "VALUES ('RATED 0 4 2', 'Rated zero, four and two', 'CONTACT SHIP "
                                      "OPERATOR', 'F', '8,10', '9042', "
                                      "'2924', '1*', '33', '0', '4', '2');");
        for (int level = 0; level <= 4; ++level) {
            const QString rating = QString::number(level);
            rows += cargoRow(QStringLiteral("LEVEL ") + rating, rating, rating, rating);
        }
        rows += cargoRow(QStringLiteral("RATED 7"), QStringLiteral("7"), QStringLiteral("1"),
                         QStringLiteral("3"));
        rows += cargoRow(QStringLiteral("WITHOUT H1"), QString(), QStringLiteral("1"), QStringLiteral("1"));
        rows += cargoRow(QStringLiteral("O'HAZARD"), QStringLiteral("3"), QStringLiteral("2"),
                         QStringLiteral("1"));
        m_folder.runSql(QStringLiteral("cleaning.mdb"), rows);
    }

    void init()
    {
        m_main = std::make_unique<LoadedMainWindow>(m_folder.path());
        QVERIFY(m_main->isLoaded());
    }

    void cleanup()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<FrmHazard*>(widget))
                widget->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_main.reset();
    }

    // Ratings 0, 4 and 2: the level 0 vapour text, the level 4 liquid or solid text, the level 2 poison
    // text, under the three headings; the cargo's identification and codes as the operator tab shows them.
    void showsTheCargo()
    {
        FrmHazard* window = openOn(QStringLiteral("RATED 0 4 2"));
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(!window->parentWidget());
        QVERIFY(!window->isModal());
        QCOMPARE(window->windowTitle(), QStringLiteral("Health Hazard Data"));
        QCOMPARE(controlText(window, QStringLiteral("Label9")), H1Heading);
        QCOMPARE(controlText(window, QStringLiteral("Label10")), H2Heading);
        QCOMPARE(controlText(window, QStringLiteral("Label11")), H3Heading);
        QCOMPARE(box(window, 1),
                 QStringLiteral("Chemicals that are nonvolatile, or the vapors from which are "
                                "nonirritating to the eyes and throat."));
        QCOMPARE(box(window, 2),
                 QStringLiteral("Severe skin irritants, causing second and third-degree burns on "
                                "short contact and very injurious to the eyes."));
        QCOMPARE(box(window, 3),
                 QStringLiteral("Some hazard, typically having threshold limits of 100 to 500 ppm."));

        const QList<std::pair<const char*, const char*>> values{
            {"lblAbbr", "RATED 0 4 2"},
            {"lblFull", "Rated zero, four and two"},
            {"lblID", "9042"},
            {"lblCode", "CONTACT SHIP OPERATOR"},
            {"lblTemp", "F"},
            {"lblNote", "8,10"},
            {"lblUN", "2924"},
            {"lblPOL", "1*"},
            {"lblUSCG", "33"},
            {"lblH1", "0"},
            {"lblH2", "4"},
            {"lblH3", "2"},
        };
        for (const auto& [label, value] : values)
            QCOMPARE(child<QLabel>(window, QLatin1String(label))->text(), QLatin1String(value));
        QVERIFY(m_main->messages()->requests().isEmpty());
    }

    void levels_data()
    {
        QTest::addColumn<int>("level");
        for (int level = 0; level <= 4; ++level)
            QTest::addRow("level %d", level) << level;
    }

    void levels()
    {
        QFETCH(int, level);
        FrmHazard* window = openOn(QStringLiteral("LEVEL %1").arg(level));
        QVERIFY(window);
        QCOMPARE(box(window, 1), QString::fromLatin1(H1Levels[level]));
        QCOMPARE(box(window, 2), QString::fromLatin1(H2Levels[level]));
        QCOMPARE(box(window, 3), QString::fromLatin1(H3Levels[level]));
    }

    // A rating the scale does not have leaves its own box empty; the other scales show as usual.
    void ratingOffTheScale()
    {
        FrmHazard* window = openOn(QStringLiteral("RATED 7"));
        QVERIFY(window);
        QCOMPARE(controlText(window, QStringLiteral("lblH1")), QStringLiteral("7"));
        QCOMPARE(box(window, 1), QString());
        QCOMPARE(box(window, 2), QString::fromLatin1(H2Levels[1]));
        QCOMPARE(box(window, 3), QString::fromLatin1(H3Levels[3]));
        QCOMPARE(controlText(window, QStringLiteral("Label9")), H1Heading);
    }

    void ratingTexts_data()
    {
        QTest::addColumn<QString>("rating");
        QTest::addColumn<int>("level"); // -1: the box stays empty
        QTest::newRow("empty") << QString() << -1;
        QTest::newRow("no number") << QStringLiteral("N/A") << -1;
        QTest::newRow("a number and more") << QStringLiteral("2x") << -1;
        QTest::newRow("a range") << QStringLiteral("2-3") << -1;
        QTest::newRow("negative") << QStringLiteral("-1") << -1;
        QTest::newRow("five") << QStringLiteral("5") << -1;
        QTest::newRow("between levels") << QStringLiteral("3.5") << -1;
        QTest::newRow("blanks around") << QStringLiteral(" 3 ") << 3;
        QTest::newRow("decimal") << QStringLiteral("2.0") << 2;
        QTest::newRow("leading zero") << QStringLiteral("04") << 4;
    }

    // What a rating that is empty or no number shows: nothing, as for a number off the scale. The
    // window still opens, since only the vapour rating is tested before.
    void ratingTexts()
    {
        QFETCH(QString, rating);
        QFETCH(int, level);
        m_folder.runSql(
            QStringLiteral("cleaning.mdb"),
            QStringLiteral("DELETE FROM CleaningA WHERE \"Abbreviated Name\" = 'RATING TEXT';") +
                cargoRow(QStringLiteral("RATING TEXT"), QStringLiteral("1"), rating, QStringLiteral("0")));
        m_main.reset();
        m_main = std::make_unique<LoadedMainWindow>(m_folder.path());
        FrmHazard* window = openOn(QStringLiteral("RATING TEXT"));
        QVERIFY(window);
        QCOMPARE(controlText(window, QStringLiteral("lblH2")), rating);
        QCOMPARE(box(window, 2), level < 0 ? QString() : QString::fromLatin1(H2Levels[level]));
        QCOMPARE(box(window, 1), QString::fromLatin1(H1Levels[1]));
        QCOMPARE(box(window, 3), QString::fromLatin1(H3Levels[0]));
    }

    // Read once at its load: another cargo on the main window changes nothing in the open window,
    // choosing the entry again only brings it to the front, and the next opening after "CLOSE" reads afresh.
    void readsTheMainWindowOnce()
    {
        FrmHazard* window = openOn(QStringLiteral("RATED 0 4 2"));
        QVERIFY(window);
        choose(QStringLiteral("ACETONE"));
        QCOMPARE(controlText(mainWindow(), QStringLiteral("txtH1")), QStringLiteral("1"));
        QCOMPARE(controlText(window, QStringLiteral("lblAbbr")), QStringLiteral("RATED 0 4 2"));
        QCOMPARE(controlText(window, QStringLiteral("lblH1")), QStringLiteral("0"));
        QCOMPARE(box(window, 1), QString::fromLatin1(H1Levels[0]));
        QVERIFY(triggerAction(mainWindow(), QStringLiteral("mnuHazard")));
        QCOMPARE(openWindow(), window);
        QCOMPARE(controlText(window, QStringLiteral("lblAbbr")), QStringLiteral("RATED 0 4 2"));
        QCOMPARE(box(window, 3), QString::fromLatin1(H3Levels[2]));

        QPointer<FrmHazard> closed = window;
        closeWindow(window);
        QVERIFY(!closed);
        QVERIFY(!openWindow());
        QVERIFY(triggerAction(mainWindow(), QStringLiteral("mnuHazard")));
        window = openWindow();
        QVERIFY(window);
        QCOMPARE(controlText(window, QStringLiteral("lblAbbr")), QStringLiteral("ACETONE"));
        QCOMPARE(controlText(window, QStringLiteral("lblFull")), QStringLiteral("Dimethyl ketone"));
        QCOMPARE(box(window, 1), QString::fromLatin1(H1Levels[1]));
        QCOMPARE(box(window, 2), QString::fromLatin1(H2Levels[3]));
        QCOMPARE(box(window, 3), QString::fromLatin1(H3Levels[0]));
    }

    void cargoNameWithApostrophe()
    {
        FrmHazard* window = openOn(QStringLiteral("O'HAZARD"));
        QVERIFY(window);
        QCOMPARE(controlText(window, QStringLiteral("lblAbbr")), QStringLiteral("O'HAZARD"));
        QCOMPARE(box(window, 1), QString::fromLatin1(H1Levels[3]));
    }

    void refusedWithoutVapourRating()
    {
        QVERIFY(!openOn(QStringLiteral("WITHOUT H1")));
        QCOMPARE(m_main->messages()->requests().size(), 1);
        const MessageBox::Request message = m_main->messages()->requests().first();
        QCOMPARE(message.text, QStringLiteral("No data available."));
        QCOMPARE(message.title, QStringLiteral("Cargo Parameters"));
        QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    void captions()
    {
        FrmHazard* window = openOn(QStringLiteral("ACETONE"));
        QVERIFY(window);
        QStringList shown;
        for (QLabel* label : window->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (label->objectName().isEmpty())
                shown << label->text();
        }
        QCOMPARE(shown,
                 (QStringList{"Abbreviated Cargo Name:", "Full Cargo Name:", "ID Number:", "UN No.:",
                              "USCG No.:", "Cleaning Code:", "Pollution Cat.", "Health Hazard Ratings"}));
        QCOMPARE(child<QPushButton>(window, QStringLiteral("Command1"))->text(), QStringLiteral("CLOSE"));
    }

    void colours()
    {
        FrmHazard* window = openOn(QStringLiteral("ACETONE"));
        QVERIFY(window);
        const auto colour = [window](const QString& name, QPalette::ColorRole role) {
            return child<QWidget>(window, name)->palette().color(role);
        };
        const QColor yellow(255, 255, 0);
        for (const char* name : {"lblAbbr", "lblFull", "lblID", "lblCode", "lblTemp", "lblNote", "lblUN",
                                 "lblPOL", "lblUSCG", "lblH1", "lblH2", "lblH3"})
            QCOMPARE(colour(QLatin1String(name), QPalette::Window), yellow);
        QVERIFY(contrastRatio(colour(QStringLiteral("lblID"), QPalette::WindowText), yellow) >= 4.5);
        for (const char* name : {"Label9", "Label10", "Label11"}) {
            QCOMPARE(colour(QLatin1String(name), QPalette::WindowText), QColor(64, 0, 0));
            QVERIFY(contrastRatio(QColor(64, 0, 0), colour(QLatin1String(name), QPalette::Window)) >= 4.5);
        }
        for (const char* name : {"Text1", "Text2", "Text3"}) {
            auto* description = child<TextBox>(window, QLatin1String(name));
            QCOMPARE(description->palette().color(QPalette::Base), QColor(192, 255, 255));
            QVERIFY(contrastRatio(description->textColour(), QColor(192, 255, 255)) >= 4.5);
            QVERIFY(description->isReadOnly());
            QCOMPARE(description->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        }
        for (QLabel* label : window->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (!label->objectName().isEmpty())
                continue;
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 255, 255));
            QVERIFY(contrastRatio(QColor(255, 255, 255), window->palette().color(QPalette::Window)) >= 4.5);
        }
    }

    // Every caption and value shows whole, and every level text fits its box without scrolling.
    void nothingCutOff()
    {
        FrmHazard* window = openOn(QStringLiteral("RATED 0 4 2"));
        QVERIFY(window);
        window->setScale(TwipScale(1.0 / 15));
        for (QLabel* label : window->findChildren<QLabel*>()) {
            const QString name = label->objectName() + QLatin1Char(' ') + label->text();
            if (label->wordWrap())
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(name));
            else
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(name));
        }
        for (int scale = 1; scale <= 3; ++scale) {
            auto* description = child<TextBox>(window, QStringLiteral("Text%1").arg(scale));
            for (int level = 0; level <= 4; ++level) {
                const char* const* levels = scale == 1 ? H1Levels : scale == 2 ? H2Levels : H3Levels;
                description->setText(QString::fromLatin1(levels[level]));
                QCoreApplication::processEvents();
                QVERIFY2(description->verticalScrollBar()->maximum() == 0, levels[level]);
            }
        }
    }

    // Each control within its window or panel, none over another; three scales, each heading over its box.
    void laidOut()
    {
        FrmHazard* window = openOn(QStringLiteral("ACETONE"));
        QVERIFY(window);
        auto* panel = child<QGroupBox>(window, QStringLiteral("Frame1"));
        QCOMPARE(window->findChildren<TextBox*>().size(), 3);
        for (QWidget* parent : {static_cast<QWidget*>(window), static_cast<QWidget*>(panel)}) {
            const QList<QWidget*> controls = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            QVERIFY(controls.size() >= 6);
            for (QWidget* control : controls) {
                const auto* label = qobject_cast<QLabel*>(control);
                const QString name =
                    control->objectName() + QLatin1Char(' ') + (label ? label->text() : QString());
                QVERIFY2(parent->rect().contains(control->geometry()), qPrintable(name));
                for (QWidget* other : controls) {
                    if (other != control)
                        QVERIFY2(!control->geometry().intersects(other->geometry()), qPrintable(name));
                }
            }
        }
        for (int scale = 1; scale <= 3; ++scale) {
            const QRect heading = child<QLabel>(panel, QStringLiteral("Label%1").arg(8 + scale))->geometry();
            const QRect box = child<TextBox>(panel, QStringLiteral("Text%1").arg(scale))->geometry();
            QVERIFY(heading.bottom() < box.top());
            QVERIFY(box.top() - heading.bottom() < 10);
        }
    }
};

VELCARIN_TEST_MAIN(TestHazardWindow)
#include "tst_hazardwindow.moc"
