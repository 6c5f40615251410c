#include "app/FrmTabClean.h"
#include "charts/FrmSpecial.h"
#include "help/HelpFile.h"
#include "shell/HelpRequest.h"
#include "shell/ProgramFolder.h"
#include "shell/WindowRegistry.h"
#include "support/LoadedMainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

// The special cargo handling window opened from the real main window.
class TestSpecialWindow : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;
    std::unique_ptr<LoadedMainWindow> m_main;
    HelpRecorder m_help; // every help request, in place of the viewer

    FrmTabClean* mainWindow() const { return m_main->window(); }
    FrmSpecial* openWindow() const
    {
        return qobject_cast<FrmSpecial*>(mainWindow()->windows().openWindow(QStringLiteral("frmSpecial")));
    }
    FrmSpecial* openFromTheMenu() const
    {
        if (!triggerAction(mainWindow(), QStringLiteral("mnuSpecial")))
            return nullptr;
        return openWindow();
    }
    static void show(FrmSpecial* window)
    {
        QTest::mouseClick(child<QPushButton>(window, QStringLiteral("cmdShow")), Qt::LeftButton);
    }
    static HelpRequest topic(int context)
    {
        return {ProgramFolder::path() + QStringLiteral("/Special.hlp"), 1, context};
    }

private Q_SLOTS:
    void initTestCase() { m_folder.copySampleDatabases(); }

    void init()
    {
        m_main = std::make_unique<LoadedMainWindow>(m_folder.path());
        QVERIFY(m_main->isLoaded());
        m_help.clear();
    }

    void cleanup()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<FrmSpecial*>(widget))
                widget->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(m_main->messages()->requests().isEmpty());
        m_main.reset();
    }

    void firstCargoShownAtOnce()
    {
        FrmSpecial* window = openFromTheMenu();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(!window->parentWidget());
        QVERIFY(!window->isModal());
        QCOMPARE(window->windowTitle(), QStringLiteral("Special Cargoes Handling Manual"));
        auto* first = child<QRadioButton>(window, QStringLiteral("Option1"));
        QVERIFY(first->isChecked());
        QCOMPARE(window->focusWidget(), first);
        show(window);
        QCOMPARE(m_help.requests(), QList<HelpRequest>{topic(1002)});
        QVERIFY(child<CommonDialog>(window, QStringLiteral("diaB")));
    }

    void cargoes_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<int>("context");
        QTest::newRow("Option1")
            << "Option1"
            << "Acrylic Acid (Ester Grade)"
            << "Acroleic Acid, Ethylene Carboxylic Acid, 2-Propcnic Acid,2-Propenoic Acid, "
               "Propenoic Acid, Vinyl Formic Acid."
            << 1002;
        QTest::newRow("Option2") << "Option2"
                                 << "Acrylonitrile"
                                 << "AN, Cyanoethylene, Propenenitrile, 2-Propencnitrile,Vinyl cyanide."
                                 << 1003;
        QTest::newRow("Option3") << "Option3"
                                 << "Propylene Oxide / Ethylene Oxide"
                                 << "1,2-Epoxypropane; Methyloxirane, Propene Oxide." << 1004;
        QTest::newRow("Option4") << "Option4"
                                 << "Caprolactam (Pure)"
                                 << "E-Caprolactam, 2-Oxohexamethylenimine." << 1005;
        QTest::newRow("Option5") << "Option5"
                                 << "Formic Acid"
                                 << "Formylic Acid; Hydrogencarboxylic Acid; Methanoic Acid." << 1006;
        QTest::newRow("Option6") << "Option6"
                                 << "Hexamethylene Diamine Sol."
                                 << "1,6-Hexanediamine; 1,6-diaminohexane; HMD; HMDA." << 1007;
        QTest::newRow("Option7") << "Option7"
                                 << "Isocyanates "
                                 << "" << 1008;
        QTest::newRow("Option8")
            << "Option8"
            << "Natural Latex"
            << "A white tacky, aqueous suspension of a hydrocarbon polymer occurring naturally "
               "in some species of trees."
            << 1009;
        QTest::newRow("Option9") << "Option9"
                                 << "Phosphoric Acid (75-8`5%) (Wet), (Super)"
                                 << "Metaphosphoric acid; Orthophosphoric acid; meta-Phosphoric acid; "
                                    "ortho-Phosphoric acid; White phosphoric acid."
                                 << 1010;
        QTest::newRow("Option10") << "Option10"
                                  << "Sulfuric Acid"
                                  << "Battery acid; Chamber acid; fertilizer acid; Oil of vitriol." << 1011;
        QTest::newRow("Option11") << "Option11"
                                  << "Tall Oil (Crude)"
                                  << "Liquid rosin; Talleol; Tallol." << 1012;
        QTest::newRow("Option12") << "Option12"
                                  << "Allyl Alcohol"
                                  << "Propenyl Alcohol, Vinyl Carbinol, 2-Propen-l-ol, l-Propen-3-ol" << 1013;
        QTest::newRow("Option13 (the last)") << "Option13"
                                             << "Calcium Bromide"
                                             << "Calcium Dibromide 52%" << 1014;
    }

    // Each cargo selected and shown opens its own chapter, and only that.
    void cargoes()
    {
        QFETCH(QString, option);
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        QFETCH(int, context);
        FrmSpecial* window = openFromTheMenu();
        QVERIFY(window);
        auto* button = child<QRadioButton>(window, option);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->toolTip(), toolTip);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(button->isChecked());
        QCOMPARE(window->findChildren<QRadioButton*>().size(), 13);
        for (QRadioButton* other : window->findChildren<QRadioButton*>()) {
            if (other != button)
                QVERIFY2(!other->isChecked(), qPrintable(other->objectName()));
        }
        show(window);
        QCOMPARE(m_help.requests(), QList<HelpRequest>{topic(context)});
        show(window);
        QCOMPARE(m_help.requests(), (QList<HelpRequest>{topic(context), topic(context)}));
    }

    void isocyanateKinds_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("Label1") << "Label1"
                                << "(MDI),"
                                << "4,4-Diisocyanodiphenylmethane;4,4'-Dipnenylmethane "
                                   "diisocyanate;Diphenylmethane-4,4'-diisocyanate;Methylene bis(4-phenyl "
                                   "isocyanate).";
        QTest::newRow("Label2") << "Label2"
                                << "(PAPI),"
                                << "Polymethylene polyphenyl isocyanate; PAPI.";
        QTest::newRow("Label3")
            << "Label3"
            << "(TDI)."
            << "Benzene;1,3-diisocyanatomethyl-; 2.4-Diisocyanatotoluene;2,4-Toluene "
               "diisocyanate;Toluene-2,4-diisocyanate;2,4-Toluene diisocyanate;2.4-Toluene "
               "diisocyanate.";
    }

    // The kinds stand on the line of "Isocyanates " and do nothing when clicked.
    void isocyanateKinds()
    {
        QFETCH(QString, label);
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        FrmSpecial* window = openFromTheMenu();
        QVERIFY(window);
        auto* kind = child<QLabel>(window, label);
        QCOMPARE(kind->text(), caption);
        QCOMPARE(kind->toolTip(), toolTip);
        QCOMPARE(kind->geometry().top(),
                 child<QRadioButton>(window, QStringLiteral("Option7"))->geometry().top());
        QTest::mouseClick(kind, Qt::LeftButton);
        QVERIFY(child<QRadioButton>(window, QStringLiteral("Option1"))->isChecked());
        QVERIFY(m_help.requests().isEmpty());
    }

    // The operator tab's button and the menu entry open the one window; again, it comes to the front
    // as the user left it.
    void opensOnceFromButtonAndMenu()
    {
        m_main->window()
            ->findChild<QComboBox*>(QStringLiteral("DBCombo1"))
            ->setEditText(QStringLiteral("ACRYLIC ACID"));
        auto* special = child<QPushButton>(mainWindow(), QStringLiteral("cmdSpecial"));
        QVERIFY(!special->isHidden());
        special->click();
        FrmSpecial* window = openWindow();
        QVERIFY(window && window->isVisible());
        QTest::mouseClick(child<QRadioButton>(window, QStringLiteral("Option13")), Qt::LeftButton);
        QVERIFY(triggerAction(mainWindow(), QStringLiteral("mnuSpecial")));
        QCOMPARE(openWindow(), window);
        QVERIFY(child<QRadioButton>(window, QStringLiteral("Option13"))->isChecked());

        // Closed by its close box; the next opening starts afresh.
        QPointer<FrmSpecial> closed = window;
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!closed);
        special->click();
        window = openWindow();
        QVERIFY(window);
        QVERIFY(child<QRadioButton>(window, QStringLiteral("Option1"))->isChecked());
    }

    void layout_data()
    {
        QTest::addColumn<double>("pixelsPerTwip");
        QTest::newRow("96 dpi") << 1.0 / 15;
        QTest::newRow("144 dpi") << 1.0 / 10;
    }

    // The cargoes in one column from the top, the kinds beside "Isocyanates ", "Show" beside the last
    // cargo; every caption shows whole.
    void layout()
    {
        QFETCH(double, pixelsPerTwip);
        FrmSpecial window;
        const TwipScale scale(pixelsPerTwip);
        window.setScale(scale);
        for (int index = 0; index < 13; ++index) {
            const QString name = QStringLiteral("Option%1").arg(index + 1);
            const QRect option = child<QRadioButton>(&window, name)->geometry();
            QCOMPARE(option.topLeft(), QPoint(scale.pixels(120), scale.pixels(120 + index * 360)));
        }
        const int kindsTop = scale.pixels(2280);
        QCOMPARE(child<QLabel>(&window, QStringLiteral("Label1"))->pos(),
                 QPoint(scale.pixels(1320), kindsTop));
        QCOMPARE(child<QLabel>(&window, QStringLiteral("Label2"))->pos(),
                 QPoint(scale.pixels(1800), kindsTop));
        QCOMPARE(child<QLabel>(&window, QStringLiteral("Label3"))->pos(),
                 QPoint(scale.pixels(2400), kindsTop));
        const QRect showButton = child<QPushButton>(&window, QStringLiteral("cmdShow"))->geometry();
        QCOMPARE(showButton.topLeft(), QPoint(scale.pixels(2400), scale.pixels(4440)));
        QCOMPARE(child<QPushButton>(&window, QStringLiteral("cmdShow"))->text(), QStringLiteral("Show"));

        const QRect inside = window.rect();
        QList<QWidget*> controls;
        for (QRadioButton* option : window.findChildren<QRadioButton*>())
            controls << option;
        for (QLabel* label : window.findChildren<QLabel*>())
            controls << label;
        for (QWidget* control : controls) {
            const char* name = qPrintable(control->objectName());
            QVERIFY2(inside.contains(control->geometry()), name);
            QVERIFY2(control->sizeHint().width() <= control->width(), name);
            QVERIFY2(!control->geometry().intersects(showButton), name);
            for (QWidget* other : controls) {
                if (other != control)
                    QVERIFY2(!control->geometry().intersects(other->geometry()), name);
            }
        }
        QVERIFY(inside.contains(showButton));
    }

    void colours()
    {
        FrmSpecial* window = openFromTheMenu();
        QVERIFY(window);
        const QColor darkGreen(0, 64, 0);
        for (const QString& name :
             {QStringLiteral("Option1"), QStringLiteral("Option7"), QStringLiteral("Option13"),
              QStringLiteral("Label1"), QStringLiteral("Label3")}) {
            const QPalette palette = child<QWidget>(window, name)->palette();
            QCOMPARE(palette.color(QPalette::Window), darkGreen);
            QCOMPARE(palette.color(QPalette::WindowText), QColor(255, 255, 255));
        }
        QVERIFY(contrastRatio(QColor(255, 255, 255), darkGreen) >= 4.5);
        // Nothing else shows through behind the options: the window is dark green as well.
        const QImage image = window->grab().toImage();
        QCOMPARE(image.pixelColor(image.width() - 2, image.height() - 2), darkGreen);
    }

    void centred()
    {
        FrmSpecial* window = openFromTheMenu();
        QVERIFY(window);
        // Placed before it shows, when the frame the window system adds is not known yet.
        const QPoint offCentre = window->frameGeometry().center() - window->screen()->geometry().center();
        QVERIFY2(std::abs(offCentre.x()) <= 3 && std::abs(offCentre.y()) <= 3,
                 qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
    }

    // The help file shipped has a topic for each chapter the window opens.
    void shippedTopics()
    {
        QString error;
        const std::optional<HelpFile> manual =
            HelpFile::open(QDir(programFolder()).filePath(QStringLiteral("Special.hlp")), &error);
        QVERIFY2(manual, qPrintable(error));
        for (int context = 1002; context <= 1014; ++context)
            QVERIFY2(manual->topic(context), qPrintable(QString::number(context)));
    }
};

VELCARIN_TEST_MAIN(TestSpecialWindow)
#include "tst_specialwindow.moc"
