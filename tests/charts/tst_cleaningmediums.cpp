#include "app/FrmTabClean.h"
#include "charts/FrmChem.h"
#include "data/Store.h"
#include "shell/DataControl.h"
#include "shell/HelpRequest.h"
#include "shell/ProgramFolder.h"
#include "shell/WindowRegistry.h"
#include "support/LoadedMainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The first mixture in name order.
const QStringList BSolv{QStringLiteral("None"), QStringLiteral("Stainless, epoxy"), QStringLiteral("AMBIENT"),
                        QStringLiteral("Solvents")};

} // namespace

// The cleaning mediums window, opened from the real main window on the sample databases.
class TestCleaningMediums : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;
    std::unique_ptr<LoadedMainWindow> m_main;
    FrmTabClean* m_window = nullptr;
    HelpRecorder m_help;

    FrmChem* openWindow() const
    {
        if (!triggerAction(m_window, QStringLiteral("mnuCleaningCh")))
            return nullptr;
        return qobject_cast<FrmChem*>(m_window->windows().openWindow(QStringLiteral("frmChem")));
    }
    static QComboBox* mixtureBox(FrmChem* window)
    {
        return child<QComboBox>(window, QStringLiteral("DBComboChem"));
    }
    static void pressShow(FrmChem* window)
    {
        QTest::mouseClick(child<QPushButton>(window, QStringLiteral("Command1")), Qt::LeftButton);
    }
    static QStringList shownMixture(FrmChem* window)
    {
        QStringList texts;
        for (const char* name : {"lblMed", "lblCoat", "lblTemp", "lblGroup"})
            texts << controlText(window, QLatin1String(name));
        return texts;
    }
    static HelpRequest topic(int context)
    {
        return {ProgramFolder::path() + QStringLiteral("/chemical.hlp"), 1, context};
    }
    static QColor colour(FrmChem* window, const char* name, QPalette::ColorRole role)
    {
        return child<QWidget>(window, QLatin1String(name))->palette().color(role);
    }

private Q_SLOTS:
    void initTestCase() { m_folder.copySampleDatabases(); }

    void init()
    {
        m_main = std::make_unique<LoadedMainWindow>(m_folder.path());
        QVERIFY(m_main->isLoaded());
        m_window = m_main->window();
        m_help.clear();
    }

    void cleanup()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<FrmChem*>(widget))
                widget->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_main.reset();
    }

    void opensFromItsMenuEntryOnce()
    {
        FrmChem* window = openWindow();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->objectName(), QStringLiteral("frmChem"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Cleaning Mediums"));
        QVERIFY(!window->parentWidget());
        QVERIFY(!window->isModal());
        mixtureBox(window)->setEditText(QStringLiteral("LAC 5%"));
        window->findChild<QRadioButton*>(QStringLiteral("Option9"))->click();
        QCOMPARE(openWindow(), window);
        QCOMPARE(mixtureBox(window)->currentText(), QStringLiteral("LAC 5%"));
        QVERIFY(window->findChild<QRadioButton*>(QStringLiteral("Option9"))->isChecked());

        // Closed by its close box; the next opening loads it afresh.
        QPointer<FrmChem> closed = window;
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!closed);
        window = openWindow();
        QVERIFY(window);
        QCOMPARE(mixtureBox(window)->currentText(), QStringLiteral("DBCombo2"));
        QVERIFY(window->findChild<QRadioButton*>(QStringLiteral("Option1"))->isChecked());
    }

    void firstTopicHasTheFocusAndShowsAtOnce()
    {
        FrmChem* window = openWindow();
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto* first = child<QRadioButton>(window, QStringLiteral("Option1"));
        QCOMPARE(QApplication::focusWidget(), first);
        QCOMPARE(first->text(), QStringLiteral("Sea Water"));
        QVERIFY(first->isChecked());
        pressShow(window);
        QCOMPARE(m_help.requests(), QList<HelpRequest>{topic(1002)});
    }

    void topics_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("context");
        const QList<std::tuple<const char*, const char*, int>> topics{
            {"Option1", "Sea Water", 1002},
            {"Option2", "Product B", 1003},
            {"Option3", "B-Solv 80", 1004},
            {"Option4", "Product C", 1005},
            {"Option5", "Product D", 1006},
            {"Option6", "Product S", 1007},
            {"Option7", "Product HCF", 1008},
            {"Option8", "Product LAC", 1009},
            {"Option9", "Methanol", 1010},
            {"Option10", "Bleach Solution or Bleach Substitute", 1011},
            {"Option11", "Chlorinated Solvents", 1012},
            {"Option12", "Methyl Ethyl Ketone and Acetone", 1013},
            {"Option13", "Toluene", 1014},
            {"Option14", "Use of Product X for Odor Neutralization", 1015},
            {"Option16", "Use of Product X to improve of PTT", 1016},
            {"Option15", "Enviroclean", 1017},
        };
        for (const auto& [option, caption, context] : topics)
            QTest::newRow(caption) << QString::fromLatin1(option) << QString::fromLatin1(caption) << context;
    }

    void topics()
    {
        QFETCH(QString, option);
        QFETCH(QString, caption);
        QFETCH(int, context);
        FrmChem* window = openWindow();
        QVERIFY(window);
        auto* button = child<QRadioButton>(window, option);
        QCOMPARE(button->text(), caption);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        for (QRadioButton* other : window->findChildren<QRadioButton*>())
            QVERIFY2(other->isChecked() == (other == button), qPrintable(other->objectName()));
        pressShow(window);
        QCOMPARE(m_help.requests(), QList<HelpRequest>{topic(context)});
        // The window's text fits its option.
        QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(caption));
    }

    // The keyboard goes down the first column of topics, then the second, then to "Show".
    void keyboardOrder()
    {
        FrmChem* window = openWindow();
        QVERIFY(window);
        QStringList order;
        QWidget* widget = child<QWidget>(window, QStringLiteral("Option1"));
        for (int step = 0; step < 17; ++step) {
            order << widget->objectName();
            widget = widget->nextInFocusChain();
        }
        QCOMPARE(order, (QStringList{"Option1", "Option2", "Option3", "Option4", "Option5", "Option6",
                                     "Option7", "Option15", "Option8", "Option9", "Option10", "Option11",
                                     "Option12", "Option13", "Option14", "Option16", "Command1"}));
    }

    void theMixtureOnShow()
    {
        FrmChem* window = openWindow();
        QVERIFY(window);
        QComboBox* box = mixtureBox(window);
        QCOMPARE(box->currentText(), QStringLiteral("DBCombo2"));
        QCOMPARE(
            child<DataControl>(window, QStringLiteral("dtaChem"))->recordSet().source(),
            QStringLiteral("select Solutions.[Mixture],Solutions.[Medium],Solutions.[Coating],"
                           "Solutions.[Temp],Solutions.[Group] from Solutions order by Solutions.[Mixture]"));
        QStringList listed;
        for (int row = 0; row < box->count(); ++row)
            listed << box->itemText(row);
        QCOMPARE(listed, (QStringList{"B-SOLV 80 NEAT", "BLEACH 1%", "ENVIROCLEAN 5%", "LAC 5%",
                                      "MAKER'S DEGREASER 2%", "PRODUCT B 2%", "PRODUCT C 3%", "PRODUCT D 1%",
                                      "PRODUCT S 2%", "SEA WATER"}));
        QCOMPARE(shownMixture(window), BSolv);
        QCOMPARE(controlText(window, QStringLiteral("Text1")), QString());
        QVERIFY(child<QLineEdit>(window, QStringLiteral("Text1"))->isHidden());
    }

    void pickingMixtures()
    {
        BeepCounter* beeps = m_main->beeps();
        FrmChem* window = openWindow();
        QVERIFY(window);
        QComboBox* box = mixtureBox(window);
        box->setCurrentIndex(box->findText(QStringLiteral("PRODUCT C 3%")));
        QCOMPARE(controlText(window, QStringLiteral("Text1")), QStringLiteral("PRODUCT C 3%"));
        QCOMPARE(shownMixture(window),
                 (QStringList{"Fresh water", "Stainless, zinc silicate", "40-70 deg.C", "Degreasers"}));
        QCOMPARE(beeps->count(), 0);

        // A name not there beeps and leaves the mixture on show.
        box->setEditText(QStringLiteral("product c 3%"));
        QCOMPARE(beeps->count(), 1);
        QCOMPARE(controlText(window, QStringLiteral("Text1")), QStringLiteral("product c 3%"));
        QCOMPARE(shownMixture(window),
                 (QStringList{"Fresh water", "Stainless, zinc silicate", "40-70 deg.C", "Degreasers"}));

        // Typed character by character: S, SE, SEA, SEA , SEA W ... name no mixture.
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), QStringLiteral("SEA WATER"));
        QCOMPARE(beeps->count(), 1 + 8);
        QCOMPARE(shownMixture(window),
                 (QStringList{"Sea water", "All coatings", "20-80 deg.C", "Pre-cleaning"}));

        box->setEditText(QStringLiteral("MAKER'S DEGREASER 2%"));
        QCOMPARE(beeps->count(), 9);
        QCOMPARE(shownMixture(window), (QStringList{"Fresh water", "Stainless only", "50-70 deg.C",
                                                    "Degreasers (sample with an apostrophe)"}));
        box->setEditText(QStringLiteral("MAKER'S"));
        QCOMPARE(beeps->count(), 10);
        QCOMPARE(controlText(window, QStringLiteral("lblMed")), QStringLiteral("Fresh water"));
        QVERIFY(m_help.requests().isEmpty());
    }

    // The window reads nothing of the main window and leaves it as it was.
    void independentOfTheMainWindow()
    {
        QComboBox* oils = child<QComboBox>(m_window, QStringLiteral("DBComboH"));
        oils->setEditText(QStringLiteral("LARD"));
        FrmChem* window = openWindow();
        QVERIFY(window);
        QCOMPARE(shownMixture(window), BSolv);
        mixtureBox(window)->setEditText(QStringLiteral("LAC 5%"));
        QCOMPARE(controlText(m_window, QStringLiteral("txtPreWashH")), QStringLiteral("50-55 deg.C"));
        QCOMPARE(controlText(m_window, QStringLiteral("Text4")), QStringLiteral("LARD"));
        QCOMPARE(oils->currentText(), QStringLiteral("LARD"));
    }

    void withoutItsDatabase()
    {
        const TestDataFolder empty;
        const Store store(empty.path());
        QVERIFY(!FrmChem::open(store));
        const QList<MessageBox::Request>& requests = m_main->messages()->requests();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.first().title, QStringLiteral("Cleaning Mediums"));
        QVERIFY2(requests.first().text.contains(QLatin1String("Henkel.mdb")),
                 qPrintable(requests.first().text));
    }

    void layout_data()
    {
        QTest::addColumn<double>("pixelsPerTwip");
        QTest::newRow("a pixel a twip") << 1.0;
        QTest::newRow("96 dpi") << 1.0 / 15;
        QTest::newRow("120 dpi") << 1.0 / 12;
        QTest::newRow("144 dpi") << 1.0 / 10;
    }

    void layout()
    {
        QFETCH(double, pixelsPerTwip);
        FrmChem window;
        const TwipScale scale(pixelsPerTwip);
        window.setScale(scale);
        const auto at = [&](const char* name) {
            return child<QWidget>(&window, QLatin1String(name))->geometry();
        };
        QCOMPARE(at("Shape1"), scale.rect({480, 120, 5175, 3375}));
        const QList<std::tuple<const char*, int, int>> options{
            {"Option1", 840, 240},    {"Option2", 840, 600},    {"Option3", 840, 960},
            {"Option4", 840, 1320},   {"Option5", 840, 1680},   {"Option6", 840, 2040},
            {"Option7", 840, 2400},   {"Option15", 840, 2760},  {"Option8", 2280, 240},
            {"Option9", 2280, 600},   {"Option10", 2280, 960},  {"Option11", 2280, 1320},
            {"Option12", 2280, 1680}, {"Option13", 2280, 2040}, {"Option14", 2280, 2400},
            {"Option16", 2280, 2760},
        };
        for (const auto& [name, left, top] : options) {
            const QRect option = at(name);
            QCOMPARE(option.topLeft(), scale.rect({left, top, 1, 1}).topLeft());
            // Inside the panel, beside its neighbours, its caption whole.
            QVERIFY2(at("Shape1").contains(option), name);
            QVERIFY2(option.height() < scale.pixels(360), name);
            auto* button = child<QRadioButton>(&window, QLatin1String(name));
            QVERIFY2(button->sizeHint().width() <= option.width(), name);
            if (left == 840)
                QVERIFY2(option.right() < scale.pixels(2280), name);
        }
        QCOMPARE(at("Command1").topLeft(), scale.rect({4200, 3120, 1, 1}).topLeft());
        QVERIFY(at("Shape1").contains(at("Command1")));
        QVERIFY(!at("Command1").intersects(at("Option16")));
        QCOMPARE(at("Label1").top(), scale.pixels(3600));
        QCOMPARE(at("DBComboChem"), scale.rect({120, 3960, 5895, 315}));
        QCOMPARE(at("Label2").topLeft(), scale.rect({120, 4320, 1, 1}).topLeft());
        QCOMPARE(at("Label3").topLeft(), scale.rect({1920, 4320, 1, 1}).topLeft());
        QCOMPARE(at("Label4").topLeft(), scale.rect({3120, 4320, 1, 1}).topLeft());
        for (const auto& [name, left] :
             {std::pair{"lblMed", 120}, std::pair{"lblCoat", 1920}, std::pair{"lblTemp", 3120}}) {
            QCOMPARE(at(name).topLeft(), scale.rect({left, 4620, 1, 1}).topLeft());
            QCOMPARE(at(name).height(), scale.rect({left, 4620, 1, 495}).height());
        }
        QCOMPARE(at("lblGroup").topLeft(), scale.rect({120, 5160, 1, 1}).topLeft());
        QCOMPARE(at("lblGroup").width(), scale.rect({120, 5160, 5895, 1}).width());
        // Every caption shows whole, and everything lies inside the window.
        for (const char* name : {"Label1", "Label2", "Label3", "Label4"}) {
            auto* label = child<QLabel>(&window, QLatin1String(name));
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
        }
        for (QWidget* widget : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!widget->isHidden())
                QVERIFY2(window.rect().contains(widget->geometry()), qPrintable(widget->objectName()));
        }
    }

    void look()
    {
        FrmChem* window = openWindow();
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QColor darkBlue(0, 0, 128);
        const QColor yellow(255, 255, 0);
        QCOMPARE(colour(window, "Shape1", QPalette::Window), darkBlue);
        // The options are painted dark blue, not in the colour of buttons.
        const QImage image = window->grab().toImage();
        for (QRadioButton* option : window->findChildren<QRadioButton*>()) {
            QCOMPARE(option->palette().color(QPalette::WindowText), yellow);
            QCOMPARE(image.pixelColor(option->geometry().right() - 1, option->geometry().top() + 1),
                     darkBlue);
        }
        QCOMPARE(image.pixelColor(child<QWidget>(window, QStringLiteral("Shape1"))->geometry().topLeft()),
                 darkBlue);
        QVERIFY(contrastRatio(yellow, darkBlue) >= 4.5);
        const QColor lightOrange(255, 224, 192);
        const QColor lightGreen(128, 255, 128);
        for (const char* caption : {"Label2", "Label3", "Label4"})
            QCOMPARE(colour(window, caption, QPalette::WindowText), lightOrange);
        for (const char* value : {"lblMed", "lblCoat", "lblTemp", "lblGroup"})
            QCOMPARE(colour(window, value, QPalette::WindowText), lightGreen);
        QCOMPARE(controlText(window, QStringLiteral("Label1")),
                 QStringLiteral("Applications for Henkel cleaning chemicals and recommended solutions"));
        QCOMPARE(controlText(window, QStringLiteral("Label2")), QStringLiteral("Medium"));
        QCOMPARE(controlText(window, QStringLiteral("Label3")), QStringLiteral("Coating"));
        QCOMPARE(controlText(window, QStringLiteral("Label4")), QStringLiteral("Temperature Range"));
        QCOMPARE(child<QPushButton>(window, QStringLiteral("Command1"))->text(), QStringLiteral("Show"));

        // The labels stand on the painted gradient, and read against it where they stand.
        QCOMPARE(image.pixelColor(window->width() / 2, 0), QColor(0, 0, 255));
        QVERIFY(image.pixelColor(window->width() / 2, window->height() - 1).blue() <= 2);
        for (const char* name :
             {"Label1", "Label2", "Label3", "Label4", "lblMed", "lblCoat", "lblTemp", "lblGroup"}) {
            auto* label = child<QLabel>(window, QLatin1String(name));
            QVERIFY2(!label->autoFillBackground(), name);
            const QColor text = label->palette().color(QPalette::WindowText);
            const QColor behind = image.pixelColor(label->geometry().right(), label->geometry().top());
            QVERIFY2(contrastRatio(text, behind) >= 4.5, name);
        }
    }
};

VELCARIN_TEST_MAIN(TestCleaningMediums)
#include "tst_cleaningmediums.moc"
