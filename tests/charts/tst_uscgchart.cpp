#include "adviser/TavroTab.h"
#include "app/FrmTabClean.h"
#include "charts/Band.h"
#include "charts/ChartPicture.h"
#include "charts/ChartTables.h"
#include "charts/FrmUSCG.h"
#include "data/Store.h"
#include "shell/DataControl.h"
#include "shell/GradientBackground.h"
#include "shell/TextBox.h"
#include "shell/WindowRegistry.h"
#include "support/WidgetTestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

namespace {

QString published(const QString& group)
{
    for (const auto& [number, text] : PublishedExceptions) {
        if (group == QLatin1String(number))
            return QString::fromLatin1(text);
    }
    return {};
}

bool publishedMark(int row, int column)
{
    for (const auto& [number, columns] : PublishedMarks) {
        if (number == row)
            return columns[column - 1] == 'X';
    }
    return false;
}

QString rowBandName(int group)
{
    return group < 30 ? QStringLiteral("Shape%1").arg(group) : QStringLiteral("SH%1").arg(group);
}

QList<int> rowGroups()
{
    QList<int> groups;
    for (const auto& [group, columns] : PublishedMarks)
        groups << group;
    return groups;
}

// The rows and columns where the chart lies on the window, in twips.
QRect rowTwips(int group)
{
    const int top = group <= 22 ? 720 + (group - 1) * 210 : 5340 + (group - 30) * 210;
    return {6120, top, 5295, 210};
}

QRect columnTwips(int group)
{
    return {6120 + (group - 1) * 240, 720, 255, 7575};
}

} // namespace

// The chart window opened from the real main window on the sample databases.
class TestUscgChart : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;
    std::unique_ptr<Store> m_store;
    std::unique_ptr<FrmTabClean> m_window;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<BeepCounter> m_beeps;

    QComboBox* cargoBox() const { return child<QComboBox>(m_window->tavroTab(), QStringLiteral("DBCombo1")); }
    void choose(const QString& name) const { cargoBox()->setEditText(name); }
    FrmUSCG* openWindow() const
    {
        return qobject_cast<FrmUSCG*>(m_window->windows().openWindow(QStringLiteral("frmUSCG")));
    }
    // Chooses the first cargo on the operator tab and opens the chart from the menu.
    FrmUSCG* openChart(const QString& cargo) const
    {
        choose(cargo);
        // Only what the chart says counts, not what the operator tab said about the cargo.
        m_messages->clear();
        if (!triggerAction(m_window.get(), QStringLiteral("mnuCompCh")))
            return nullptr;
        return openWindow();
    }

    static QComboBox* secondCargoBox(FrmUSCG* chart)
    {
        return child<QComboBox>(chart, QStringLiteral("DBCombo1"));
    }
    static QString text(FrmUSCG* chart, const char* name)
    {
        const QString objectName = QLatin1String(name);
        if (auto* box = chart->findChild<TextBox*>(objectName))
            return box->text();
        if (auto* lineEdit = chart->findChild<QLineEdit*>(objectName))
            return lineEdit->text();
        return child<QLabel>(chart, objectName)->text();
    }
    static QStringList shownBands(FrmUSCG* chart)
    {
        QStringList names;
        for (Band* band : chart->findChildren<Band*>()) {
            if (!band->isHidden())
                names << band->objectName();
        }
        return names;
    }
    static void clickEditField(FrmUSCG* chart, const QString& name)
    {
        ::clickEditField(secondCargoBox(chart), name);
    }
    static void pickFromList(FrmUSCG* chart, const QString& name)
    {
        ::pickFromList(secondCargoBox(chart), name);
    }
    static void compare(FrmUSCG* chart)
    {
        QTest::mouseClick(child<QPushButton>(chart, QStringLiteral("Command1")), Qt::LeftButton);
    }
    static void clickNumber(FrmUSCG* chart, const QString& name)
    {
        QTest::mouseClick(child<QLabel>(chart, name), Qt::LeftButton);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_folder.copySampleDatabases();
        // The first cargo in name order, with a group that has a column; and a group written with a zero.
        m_folder.runSql(
            QStringLiteral("cleaning.mdb"),
            QStringLiteral("INSERT INTO CleaningA (\"Abbreviated Name\", \"Compatability Chart No\") "
                           "VALUES ('A FIRST CARGO', '7'), ('ZERO FIRST GROUP', '01');"));
    }

    void init()
    {
        m_messages = std::make_unique<MessageRecorder>();
        m_beeps = std::make_unique<BeepCounter>();
        m_store = std::make_unique<Store>(m_folder.path());
        m_window = std::make_unique<FrmTabClean>(*m_store);
        QString error;
        QVERIFY2(m_window->load(&error), qPrintable(error));
    }

    void cleanup()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isWindow() && qobject_cast<FrmUSCG*>(widget))
                widget->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_window.reset();
        m_beeps.reset();
        m_messages.reset();
    }

    void opensOnceFromTheMenu()
    {
        FrmUSCG* chart = openChart(QStringLiteral("ACETONE"));
        QVERIFY(chart);
        QVERIFY(chart->isVisible());
        QVERIFY(!chart->parentWidget());
        QCOMPARE(chart->windowTitle(),
                 QStringLiteral("USCG Compatibility Chart     -      Dated January 6, 2003"));
        QCOMPARE(shownBands(chart), QStringList{QStringLiteral("Shape18")});
        pickFromList(chart, QStringLiteral("ACETIC ACID"));
        compare(chart);

        // Again while open: the same window, unchanged, although the main window moved on.
        choose(QStringLiteral("BENZENE"));
        QVERIFY(triggerAction(m_window.get(), QStringLiteral("mnuCompCh")));
        QCOMPARE(openWindow(), chart);
        QCOMPARE(text(chart, "lblCargo1"), QStringLiteral("ACETONE"));
        QCOMPARE(shownBands(chart), (QStringList{QStringLiteral("Shape18"), QStringLiteral("Shape1_4")}));

        // "Close" unloads it; the next opening reads the main window afresh.
        QPointer<FrmUSCG> closed = chart;
        QTest::mouseClick(child<QPushButton>(chart, QStringLiteral("Command2")), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!closed);
        QVERIFY(!openWindow());
        chart = openChart(QStringLiteral("BENZENE"));
        QVERIFY(chart);
        QCOMPARE(text(chart, "lblCargo1"), QStringLiteral("BENZENE"));
        QCOMPARE(shownBands(chart), QStringList{QStringLiteral("SH32")});
        QVERIFY(m_messages->requests().isEmpty());
    }

    void refusedWithoutGroup()
    {
        QVERIFY(!openChart(QStringLiteral("CHLORINE SOLUTION")));
        QCOMPARE(m_messages->requests().size(), 1);
        QCOMPARE(m_messages->requests().first().text,
                 QStringLiteral("USCG compatibility number is not defined."));
        QCOMPARE(m_messages->requests().first().title, QStringLiteral("USCG Compatibility Chart"));
    }

    void firstCargo_data()
    {
        QTest::addColumn<QString>("cargo");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("band"); // empty: none
        QTest::newRow("group 1, no exceptions")
            << QStringLiteral("HYDROCHLORIC ACID") << QStringLiteral("1") << QStringLiteral("Shape1");
        QTest::newRow("group 18") << QStringLiteral("ACETONE") << QStringLiteral("18")
                                  << QStringLiteral("Shape18");
        QTest::newRow("group 22") << QStringLiteral("CAPROLACTAM PURE") << QStringLiteral("22")
                                  << QStringLiteral("Shape22");
        QTest::newRow("group 30") << QStringLiteral("BUTADIENE") << QStringLiteral("30")
                                  << QStringLiteral("SH30");
        QTest::newRow("group 39, a row without marks")
            << QStringLiteral("SULFOLANE") << QStringLiteral("39") << QStringLiteral("SH39");
        QTest::newRow("group 43") << QStringLiteral("LATEX NATURAL") << QStringLiteral("43")
                                  << QStringLiteral("SH43");
        QTest::newRow("group 0") << QStringLiteral("AATREX") << QStringLiteral("0") << QString();
        QTest::newRow("group 25, outside the chart")
            << QStringLiteral("AMMONIUM NITRATE SOL") << QStringLiteral("25") << QString();
        QTest::newRow("group 01") << QStringLiteral("ZERO FIRST GROUP") << QStringLiteral("01") << QString();
    }

    void firstCargo()
    {
        QFETCH(QString, cargo);
        QFETCH(QString, group);
        QFETCH(QString, band);
        FrmUSCG* chart = openChart(cargo);
        QVERIFY(chart);
        QCOMPARE(text(chart, "lblCargo1"), cargo);
        QCOMPARE(text(chart, "lblUSCG1"), group);
        QCOMPARE(shownBands(chart), band.isEmpty() ? QStringList() : QStringList{band});
        // The group's exceptions at once, without a message; nothing for a group without them.
        QCOMPARE(text(chart, "txtNotes"), published(group));
        QVERIFY(m_messages->requests().isEmpty());
    }

    void firstCargoOfTheJoTankersTab()
    {
        // Whether the chart opens depends on the operator tab's group, whatever tab is in front.
        choose(QStringLiteral("CHLORINE SOLUTION"));
        child<QTabWidget>(m_window.get(), QStringLiteral("SSTab1"))->setCurrentIndex(1);
        QComboBox* products = child<QComboBox>(m_window.get(), QStringLiteral("DBComboJo"));
        products->setEditText(products->itemText(0));
        m_messages->clear();
        QVERIFY(triggerAction(m_window.get(), QStringLiteral("mnuCompCh")));
        QVERIFY(!openWindow());
        QCOMPARE(m_messages->requests().size(), 1);

        choose(QStringLiteral("ACETONE"));
        QVERIFY(triggerAction(m_window.get(), QStringLiteral("mnuCompCh")));
        FrmUSCG* chart = openWindow();
        QVERIFY(chart);
        QCOMPARE(text(chart, "lblCargo1"), child<QLineEdit>(m_window.get(), QStringLiteral("Text3"))->text());
        const QString group = child<QLabel>(m_window.get(), QStringLiteral("lblUSCGJo"))->text();
        QCOMPARE(text(chart, "lblUSCG1"), group);
        QCOMPARE(text(chart, "txtNotes"), published(group));
    }

    void firstCargoOfAnotherTab()
    {
        choose(QStringLiteral("ACETONE"));
        child<QTabWidget>(m_window.get(), QStringLiteral("SSTab1"))->setCurrentIndex(2);
        FrmUSCG chart;
        const Result<> loaded = chart.load(*m_window, *m_store);
        QVERIFY2(loaded, qPrintable(loaded.error()));
        QCOMPARE(text(&chart, "lblCargo1"), QString());
        QCOMPARE(text(&chart, "lblUSCG1"), QStringLiteral("01"));
        QVERIFY(shownBands(&chart).isEmpty());
        QCOMPARE(text(&chart, "txtNotes"), QString());
    }

    void withoutItsDatabase()
    {
        const TestDataFolder empty;
        const Store store(empty.path());
        QVERIFY(!FrmUSCG::open(*m_window, store));
        QCOMPARE(m_messages->requests().size(), 1);
        QCOMPARE(m_messages->requests().first().title, QStringLiteral("USCG Compatibility Chart"));
        QVERIFY(m_messages->requests().first().text.contains(QLatin1String("cleaning.mdb")));
    }

    void mainWindowIsNotWritten()
    {
        choose(QStringLiteral("ACETONE"));
        const int position = m_window->tavroTab()->data().recordSet().absolutePosition();
        FrmUSCG* chart = openChart(QStringLiteral("ACETONE"));
        QVERIFY(chart);
        pickFromList(chart, QStringLiteral("BENZENE"));
        clickEditField(chart, QStringLiteral("TOLUENE"));
        compare(chart);
        QCOMPARE(cargoBox()->currentText(), QStringLiteral("ACETONE"));
        QCOMPARE(child<QLineEdit>(m_window->tavroTab(), QStringLiteral("Text1"))->text(),
                 QStringLiteral("ACETONE"));
        QCOMPARE(child<QLineEdit>(m_window->tavroTab(), QStringLiteral("Text2"))->text(),
                 QStringLiteral("18"));
        QCOMPARE(m_window->tavroTab()->data().recordSet().absolutePosition(), position);
    }

    void clickOnANumber_data()
    {
        QTest::addColumn<int>("group");
        for (int group : rowGroups())
            QTest::addRow("%d", group) << group;
    }

    void clickOnANumber()
    {
        QFETCH(int, group);
        FrmUSCG* chart = openChart(QStringLiteral("ACETONE"));
        QVERIFY(chart);
        clickNumber(chart, QStringLiteral("Labelq%1").arg(group));
        const QString own = published(QString::number(group));
        if (own.isEmpty()) {
            QCOMPARE(m_messages->requests().size(), 1);
            QCOMPARE(m_messages->requests().first().text, QStringLiteral("No Exceptions for this Group"));
            QCOMPARE(m_messages->requests().first().title, QStringLiteral("Exceptions"));
            QCOMPARE(m_messages->requests().first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QCOMPARE(text(chart, "txtNotes"), published(QStringLiteral("0")));
        } else {
            QVERIFY(m_messages->requests().isEmpty());
            QCOMPARE(text(chart, "txtNotes"), own);
        }
        QCOMPARE(shownBands(chart), QStringList{QStringLiteral("Shape18")});
    }

    void clicksInTurn()
    {
        FrmUSCG* chart = openChart(QStringLiteral("HYDROCHLORIC ACID"));
        QVERIFY(chart);
        QCOMPARE(text(chart, "txtNotes"), QString());
        clickNumber(chart, QStringLiteral("Labelq14"));
        QCOMPARE(text(chart, "txtNotes"),
                 QStringLiteral("2-Hydroxyethyl Acrylate (14) is not compatible with Group 5, 6, or 12"));
        clickNumber(chart, QStringLiteral("Labelq12"));
        QCOMPARE(text(chart, "txtNotes").split(QLatin1String("\r\n")).size(), 22);
        clickNumber(chart, QStringLiteral("Labelq2"));
        QCOMPARE(text(chart, "txtNotes"), published(QStringLiteral("2")));
        QCOMPARE(text(chart, "txtNotes").split(QLatin1String("\r\n")).size(), 4);
        // The numbers at the right are copies that do not react.
        clickNumber(chart, QStringLiteral("lblRow12"));
        QCOMPARE(m_messages->requests().size(), 1);
        QCOMPARE(text(chart, "txtNotes"), published(QStringLiteral("2")));
    }

    void pickingTheSecondCargo()
    {
        FrmUSCG* chart = openChart(QStringLiteral("ACETONE"));
        QVERIFY(chart);
        QComboBox* box = secondCargoBox(chart);
        QCOMPARE(box->currentText(), QStringLiteral("Choise the cargo here"));
        QCOMPARE(box->toolTip(), QStringLiteral("Choise the cargo grade from the list."));
        QCOMPARE(box->count(), 99);
        QCOMPARE(box->itemText(0), QStringLiteral("A FIRST CARGO"));
        QCOMPARE(text(chart, "Label66"), QStringLiteral("7"));

        // Typing alone picks nothing.
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), QStringLiteral("CREOSOTE"));
        QCOMPARE(box->currentText(), QStringLiteral("CREOSOTE"));
        QCOMPARE(text(chart, "Text1"), QString());
        QCOMPARE(text(chart, "Label66"), QStringLiteral("7"));

        // A click in the edit field picks what it holds.
        QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
        QCOMPARE(text(chart, "Text1"), QStringLiteral("CREOSOTE"));
        QCOMPARE(text(chart, "Label66"), QStringLiteral("21"));

        pickFromList(chart, QStringLiteral("NITROBENZENE"));
        QCOMPARE(text(chart, "Text1"), QStringLiteral("NITROBENZENE"));
        QCOMPARE(text(chart, "Label66"), QStringLiteral("42"));

        // A press on the button picks what the edit field holds, then opens the list.
        box->setEditText(QStringLiteral("PHENOL"));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 4, box->height() / 2));
        box->hidePopup();
        QCOMPARE(text(chart, "Text1"), QStringLiteral("PHENOL"));
        QCOMPARE(text(chart, "Label66"), QStringLiteral("21"));
        QCOMPARE(m_beeps->count(), 0);

        // A name that is not there beeps and stays on the last cargo.
        clickEditField(chart, QStringLiteral("NO SUCH CARGO"));
        QCOMPARE(m_beeps->count(), 1);
        QCOMPARE(text(chart, "Text1"), QStringLiteral("NO SUCH CARGO"));
        QCOMPARE(text(chart, "Label66"), QStringLiteral("21"));
        QCOMPARE(child<DataControl>(chart, QStringLiteral("dtaU"))
                     ->recordSet()
                     .value(QStringLiteral("Abbreviated Name")),
                 QStringLiteral("PHENOL"));
        QVERIFY(m_messages->requests().isEmpty());
    }

    void compareBeforeAnyPick()
    {
        FrmUSCG* chart = openChart(QStringLiteral("ACETONE"));
        QVERIFY(chart);
        compare(chart);
        QCOMPARE(shownBands(chart), (QStringList{QStringLiteral("Shape18"), QStringLiteral("Shape1_7")}));
    }

    void compareTwiceThenPickAgain()
    {
        FrmUSCG* chart = openChart(QStringLiteral("ACETONE"));
        QVERIFY(chart);
        pickFromList(chart, QStringLiteral("CAUSTIC SODA 50%"));
        compare(chart);
        compare(chart);
        QCOMPARE(shownBands(chart), (QStringList{QStringLiteral("Shape18"), QStringLiteral("Shape1_5")}));
        // A pick hides the column band even when the name is not found.
        clickEditField(chart, QStringLiteral("NO SUCH CARGO"));
        QCOMPARE(shownBands(chart), QStringList{QStringLiteral("Shape18")});
        compare(chart);
        QCOMPARE(shownBands(chart), (QStringList{QStringLiteral("Shape18"), QStringLiteral("Shape1_5")}));
        pickFromList(chart, QStringLiteral("ACETIC ACID"));
        QCOMPARE(shownBands(chart), QStringList{QStringLiteral("Shape18")});
    }

    void compareCargoes_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QStringList>("bands");
        QTest::addColumn<bool>("marked"); // the cell where the bands cross
        QTest::newRow("35 x 21 is marked")
            << QStringLiteral("VINYL CHLORIDE") << QStringLiteral("CREOSOTE")
            << QStringList{QStringLiteral("SH35"), QStringLiteral("Shape1_21")} << true;
        QTest::newRow("35 x 20 is blank")
            << QStringLiteral("VINYL CHLORIDE") << QStringLiteral("ETHYLENE GLYCOL")
            << QStringList{QStringLiteral("SH35"), QStringLiteral("Shape1_20")} << false;
        QTest::newRow("19 x 5 is marked")
            << QStringLiteral("VALERALDEHYDE-N") << QStringLiteral("CAUSTIC SODA 50%")
            << QStringList{QStringLiteral("Shape19"), QStringLiteral("Shape1_5")} << true;
        QTest::newRow("21 x 35 has no column") << QStringLiteral("PHENOL") << QStringLiteral("VINYL CHLORIDE")
                                               << QStringList{QStringLiteral("Shape21")} << false;
        QTest::newRow("a second cargo of group 0") << QStringLiteral("PHENOL") << QStringLiteral("MOLASSES")
                                                   << QStringList{QStringLiteral("Shape21")} << false;
        QTest::newRow("a second cargo without group")
            << QStringLiteral("PHENOL") << QStringLiteral("CHLORINE SOLUTION")
            << QStringList{QStringLiteral("Shape21")} << false;
    }

    void compareCargoes()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QStringList, bands);
        QFETCH(bool, marked);
        FrmUSCG* chart = openChart(first);
        QVERIFY(chart);
        clickEditField(chart, second);
        compare(chart);
        QCOMPARE(shownBands(chart), bands);
        QVERIFY(m_messages->requests().isEmpty());
        if (bands.size() < 2)
            return;
        const int row = text(chart, "lblUSCG1").toInt();
        const int column = text(chart, "Label66").toInt();
        QCOMPARE(publishedMark(row, column), marked);
        // The drawn chart carries the mark, or none, where the two bands cross.
        auto* picture = child<ChartPicture>(chart, QStringLiteral("OLE1"));
        const QRect crossing =
            child<Band>(chart, bands.at(0))->geometry() & child<Band>(chart, bands.at(1))->geometry();
        const QImage image = picture->grab().toImage();
        QCOMPARE(image.pixelColor(crossing.center() - picture->pos()) == ChartPicture::LineColour, marked);
    }

    void bandGeometry_data()
    {
        QTest::addColumn<double>("pixelsPerTwip");
        QTest::newRow("96 dpi") << 1.0 / 15;
        QTest::newRow("144 dpi") << 1.0 / 10;
        QTest::newRow("fitted to 800 x 600") << 0.0666;
        QTest::newRow("shrunk further") << 0.0583;
    }

    void bandGeometry()
    {
        QFETCH(double, pixelsPerTwip);
        FrmUSCG chart;
        const TwipScale scale(pixelsPerTwip);
        chart.setScale(scale);
        QCOMPARE(chart.size(), scale.size(QSize(11895, 8415)));
        auto* picture = child<ChartPicture>(&chart, QStringLiteral("OLE1"));
        QCOMPARE(picture->geometry(), scale.rect(QRect(6120, 720, 5295, 7575)));
        const QImage image = picture->grab().toImage();
        const QPoint origin = picture->pos();
        const auto isLine = [&](int x, int y) {
            return image.pixelColor(x - origin.x(), y - origin.y()) == Qt::black;
        };

        // Each row band from its row's grid line down to the next row's line, which the next band starts on.
        const int line = std::max(scale.pixels(15), 1);
        const int inFirstColumn = scale.pixels(6120) + line + 1;
        int previousBottom = -1;
        for (int group : rowGroups()) {
            const QRect band = child<Band>(&chart, rowBandName(group))->geometry();
            QCOMPARE(band, scale.rect(rowTwips(group)));
            QCOMPARE(child<QLabel>(&chart, QStringLiteral("Labelq%1").arg(group))->geometry().top(),
                     band.top());
            QCOMPARE(child<QLabel>(&chart, QStringLiteral("lblGroup%1").arg(group))->geometry().bottom(),
                     band.bottom());
            if (previousBottom >= 0)
                QCOMPARE(band.top(), previousBottom + 1);
            previousBottom = band.bottom();
            QVERIFY2(isLine(inFirstColumn, band.top()), qPrintable(rowBandName(group)));
            QVERIFY2(!isLine(inFirstColumn, band.bottom()), qPrintable(rowBandName(group)));
            QVERIFY2(isLine(inFirstColumn, band.bottom() + 1), qPrintable(rowBandName(group)));
        }

        // Each column band from its column's line to the next column's line, both included.
        const int inRow31 = scale.pixels(5340 + 210 + 105);
        for (int group = 1; group <= 22; ++group) {
            const QRect band = child<Band>(&chart, QStringLiteral("Shape1_%1").arg(group))->geometry();
            QCOMPARE(band, scale.rect(columnTwips(group)));
            QCOMPARE(child<QLabel>(&chart, QStringLiteral("lblColumn%1").arg(group))->geometry().left(),
                     band.left());
            QVERIFY2(isLine(band.left(), inRow31), qPrintable(QString::number(group)));
            QVERIFY2(!isLine(band.left() + line, inRow31), qPrintable(QString::number(group)));
            QVERIFY2(isLine(band.right(), inRow31), qPrintable(QString::number(group)));
        }
    }

    void fitsTheScreen()
    {
        FrmUSCG chart;
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(chart.width() <= screen.width());
        QVERIFY(chart.height() <= screen.height());
        QVERIFY(chart.scale().pixelsPerTwip() <=
                QGuiApplication::primaryScreen()->logicalDotsPerInch() / 1440);
    }

    void look()
    {
        FrmUSCG* chart = openChart(QStringLiteral("ACETONE"));
        QVERIFY(chart);
        const auto colours = [chart](const QString& name) {
            const QPalette palette = child<QWidget>(chart, name)->palette();
            return std::pair{palette.color(QPalette::Window), palette.color(QPalette::WindowText)};
        };
        const QColor lightRed(255, 128, 128);
        const QColor blue(0, 0, 255);
        for (int group : rowGroups()) {
            const QString number = QStringLiteral("%1").arg(group, 2, 10, QLatin1Char('0'));
            QCOMPARE(text(chart, qPrintable(QStringLiteral("Labelq%1").arg(group))), number);
            QCOMPARE(text(chart, qPrintable(QStringLiteral("lblRow%1").arg(group))), number);
            QCOMPARE(colours(QStringLiteral("Labelq%1").arg(group)).first, lightRed);
            QCOMPARE(colours(QStringLiteral("lblRow%1").arg(group)).first, lightRed);
            auto* name = child<QLabel>(chart, QStringLiteral("lblGroup%1").arg(group));
            QCOMPARE(name->text(), PublishedGroupNames.value(group));
            QVERIFY2(name->fontMetrics().horizontalAdvance(name->text()) <= name->contentsRect().width(),
                     qPrintable(name->text()));
            QCOMPARE(colours(name->objectName()), (std::pair{QColor(0, 255, 0), QColor(0, 0, 64)}));
            auto* band = child<Band>(chart, rowBandName(group));
            QCOMPARE(band->outline(), QColor(255, 0, 0));
            QCOMPARE(band->hatching(), QColor(255, 192, 192));
            QCOMPARE(band->pattern(), Qt::FDiagPattern);
        }
        QCOMPARE(text(chart, "lblGroup33"), QStringLiteral("MISCELLANEOUS  HYDROCARBON MIXTURES"));
        for (int group = 1; group <= 22; ++group) {
            QCOMPARE(text(chart, qPrintable(QStringLiteral("lblColumn%1").arg(group))),
                     QStringLiteral("%1").arg(group, 2, 10, QLatin1Char('0')));
            QCOMPARE(colours(QStringLiteral("lblColumn%1").arg(group)),
                     (std::pair{blue, QColor(255, 255, 128)}));
            auto* band = child<Band>(chart, QStringLiteral("Shape1_%1").arg(group));
            QCOMPARE(band->outline(), blue);
            QCOMPARE(band->hatching(), QColor(128, 128, 255));
            QCOMPARE(band->pattern(), Qt::BDiagPattern);
        }
        QCOMPARE(colours(QStringLiteral("lblCargo1")), (std::pair{lightRed, QColor(10, 36, 106)}));
        // Every text stands out from its background as the Windows colours made it.
        for (const char* label : {"lblCargo1", "lblUSCG1", "Label66"}) {
            const auto [background, text] = colours(QLatin1String(label));
            QVERIFY2(contrastRatio(text, background) >= 4.5, label);
        }
        QCOMPARE(colours(QStringLiteral("lblUSCG1")).first, lightRed);
        QCOMPARE(colours(QStringLiteral("Label66")).first, blue);
        QCOMPARE(text(chart, "lblExceptions"), QStringLiteral("Exceptions:"));
        QCOMPARE(colours(QStringLiteral("lblExceptions")).second, QColor(255, 255, 0));
        auto* notes = child<TextBox>(chart, QStringLiteral("txtNotes"));
        QVERIFY(notes->isReadOnly());
        QCOMPARE(notes->palette().color(QPalette::Base), QColor(0, 0, 0));
        QCOMPARE(notes->textColour(), QColor(255, 255, 255));
        QCOMPARE(notes->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(child<QPushButton>(chart, QStringLiteral("Command1"))->text(), QStringLiteral("Compare"));
        QCOMPARE(child<QPushButton>(chart, QStringLiteral("Command2"))->text(), QStringLiteral("Close"));
        QVERIFY(child<QLineEdit>(chart, QStringLiteral("Text1"))->isHidden());
    }

    void gradientBehindTheWindow()
    {
        FrmUSCG* chart = openChart(QStringLiteral("ACETONE"));
        QVERIFY(chart);
        QImage expected(chart->size(), QImage::Format_RGB32);
        QPainter painter(&expected);
        GradientBackground::paint(painter, chart->size());
        painter.end();
        const QImage shown = chart->grab().toImage();
        // Round the first cargo's labels and below the buttons, where no control covers the window.
        for (const QPoint point :
             {QPoint(2, 1), QPoint(chart->width() - 2, 1), QPoint(chart->width() / 2, chart->height() - 2)})
            QCOMPARE(shown.pixelColor(point), expected.pixelColor(point));
        QCOMPARE(shown.pixelColor(2, 1).blue(), 255);
        QVERIFY(shown.pixelColor(chart->width() / 2, chart->height() - 2).blue() < 8);
    }
};

VELCARIN_TEST_MAIN(TestUscgChart)
#include "tst_uscgchart.moc"
