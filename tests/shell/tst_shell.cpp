#include "shell/Controls.h"
#include "shell/ElidingLabel.h"
#include "shell/GradientBackground.h"
#include "shell/Placement.h"
#include "shell/ProgramFolder.h"
#include "shell/TwipLayout.h"
#include "shell/WindowRegistry.h"
#include "support/WidgetTestSupport.h"

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QToolTip>

class TestShell : public QObject {
    Q_OBJECT

private:
    static QImage painted(const QSize& size)
    {
        QImage image(size.isEmpty() ? QSize(4, 4) : size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        GradientBackground::paint(painter, size);
        return image;
    }

private Q_SLOTS:
    void initTestCase() { ProgramFolder::setPath(programFolder()); }

    void gradient_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("blue");
        // Row y ends up with the colour of box y + 1, the last box drawn over it.
        QTest::newRow("255 rows, top") << 255 << 0 << 254;
        QTest::newRow("255 rows, middle") << 255 << 127 << 127;
        QTest::newRow("255 rows, bottom") << 255 << 254 << 0;
        QTest::newRow("600 rows, top") << 600 << 0 << 255;
        QTest::newRow("600 rows, second") << 600 << 1 << 255;
        QTest::newRow("600 rows, 300") << 600 << 300 << 255 - 301 * 255 / 600;
        QTest::newRow("600 rows, bottom") << 600 << 599 << 0;
        QTest::newRow("one row") << 1 << 0 << 0;
        QTest::newRow("two rows, top") << 2 << 0 << 128;
    }

    void gradient()
    {
        QFETCH(int, height);
        QFETCH(int, row);
        QFETCH(int, blue);
        const QImage image = painted(QSize(30, height));
        for (int x : {0, 15, 29})
            QCOMPARE(image.pixelColor(x, row), QColor(0, 0, blue));
    }

    void gradientOfNoHeightPaintsNothing()
    {
        const QImage image = painted(QSize(30, 0));
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(image.pixelColor(3, 3), QColor(Qt::white));
    }

    void placement_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<QPoint>("origin");
        QTest::newRow("main window") << QSize(15360, 11520) << QSize(12000, 9000) << 6 << QPoint(1680, 420);
        QTest::newRow("remainders dropped")
            << QSize(15360, 11520) << QSize(12001, 9001) << 6 << QPoint(1679, 419);
        QTest::newRow("centred") << QSize(15360, 11520) << QSize(6600, 2475) << 2 << QPoint(4380, 4522);
        QTest::newRow("view window") << QSize(20490, 11520) << QSize(9000, 7000) << 8 << QPoint(5745, 565);
        QTest::newRow("larger than the screen")
            << QSize(15360, 11520) << QSize(16001, 12000) << 6 << QPoint(-320, -80);
    }

    void placement()
    {
        QFETCH(QSize, screen);
        QFETCH(QSize, window);
        QFETCH(int, divisor);
        QFETCH(QPoint, origin);
        QCOMPARE(Placement::origin(screen, window, divisor), origin);
    }

    // Controls at their twips and the window's 8.25 point font at one scale; a text that must show whole
    // is narrowed only as far as it needs, and no further than ultra-condensed.
    void twipLayout()
    {
        QWidget window;
        TwipLayout layout(&window, QSize(6000, 1800));
        const QString name = QStringLiteral("Hexamethylene Diamine Sol.");
        auto* fitting = new QLabel(name, &window);
        auto* narrowed = new QLabel(name, &window);
        auto* asItIs = new QLabel(name, &window);
        auto* tooLong = new QLabel(QString(80, QLatin1Char('W')), &window);
        layout.placeWhole(fitting, {120, 120, 5760, 300});
        layout.placeWhole(narrowed, {120, 480, 5760, 300});
        layout.place(asItIs, {120, 840, 5760, 300});
        layout.placeWhole(tooLong, {120, 1200, 1000, 300});
        const TwipScale scale(1.0 / 15);
        layout.setScale(scale);
        QCOMPARE(window.size(), QSize(400, 120));
        QCOMPARE(window.font().pixelSize(), 11);
        QCOMPARE(narrowed->geometry(), QRect(8, 32, 384, 20));

        // Now too narrow for the name at its full width.
        const int fullWidth = fitting->sizeHint().width();
        const int room = fullWidth * 9 / 10;
        layout.placeWhole(narrowed, {120, 480, room * 15, 300});
        layout.place(asItIs, {120, 840, room * 15, 300});
        layout.setScale(scale);
        const auto condensed = [](const QLabel* label) {
            return label->font().stretch() > QFont::AnyStretch &&
                   label->font().stretch() < QFont::Unstretched;
        };
        QVERIFY(!condensed(fitting));
        QVERIFY(condensed(narrowed));
        QVERIFY(narrowed->sizeHint().width() <= narrowed->width());
        QFont wider = narrowed->font();
        wider.setStretch(wider.stretch() + 1);
        QLabel atWider(name);
        atWider.setFont(wider);
        QVERIFY(atWider.sizeHint().width() > narrowed->width());
        QVERIFY(!condensed(asItIs));
        QVERIFY(asItIs->sizeHint().width() > asItIs->width());
        QCOMPARE(tooLong->font().stretch(), int(QFont::UltraCondensed));

        // Given its room back, the name shows at its full width again; at twice the scale, so does the font.
        layout.placeWhole(narrowed, {120, 480, 5760, 300});
        layout.setScale(scale);
        QVERIFY(!condensed(narrowed));
        layout.setScale(TwipScale(2.0 / 15));
        QCOMPARE(window.font().pixelSize(), 22);
        QCOMPARE(window.size(), QSize(800, 240));
    }

    // A label keeps its size: a text longer than it ends in "…" in the last line it has room for and shows
    // whole in the tooltip; a text that fits shows as it is, with no tooltip.
    void labelShowsWhereItIsCut_data()
    {
        QTest::addColumn<bool>("wrapped"); // a caption that wraps, or a one-line value
        QTest::addColumn<int>("lines");    // the lines it has room for
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("cut");
        const QString name = QStringLiteral("HEXAMETHYLENE DIAMINE SOLUTION (ALL CONCENTRATIONS) IN WATER");
        QTest::newRow("value that fits") << false << 1 << QStringLiteral("ACETONE") << false;
        QTest::newRow("empty value") << false << 1 << QString() << false;
        QTest::newRow("value cut") << false << 1 << name << true;
        QTest::newRow("wrapped, fits in its lines") << true << 2 << QStringLiteral("Epoxy Zinc") << false;
        QTest::newRow("wrapped, cut in the last line") << true << 2 << name << true;
        QTest::newRow("wrapped, three lines cut")
            << true << 3
            << QStringLiteral(
                   "Between twenty and sixty degrees Celsius, never above the flash point of the cargo")
            << true;
        QTest::newRow("one word longer than the line") << true << 2 << QString(60, QLatin1Char('W')) << true;
    }

    void labelShowsWhereItIsCut()
    {
        QFETCH(bool, wrapped);
        QFETCH(int, lines);
        QFETCH(QString, text);
        QFETCH(bool, cut);
        QWidget window;
        QLabel* label = wrapped ? Controls::caption(&window, text) : Controls::valueLabel(&window, {});
        label->setText(text);
        label->setWordWrap(wrapped);
        label->setGeometry(10, 10, 120, lines * label->fontMetrics().lineSpacing() + 6);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        auto* eliding = qobject_cast<ElidingLabel*>(label);
        QVERIFY(eliding);
        const QString shown = eliding->shownText();
        QCOMPARE(eliding->isElided(), cut);
        QCOMPARE(label->text(), text);
        if (cut) {
            QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
            QCOMPARE(shown.count(QLatin1Char('\n')) + 1, lines);
            // Only the last line is cut; the others are broken where the label breaks them.
            const QStringList shownLines = shown.split(QLatin1Char('\n'));
            for (const QString& line : shownLines) {
                QVERIFY2(line.endsWith(QChar(0x2026)) == (&line == &shownLines.last()), qPrintable(shown));
                QVERIFY2(label->fontMetrics().horizontalAdvance(line) <= label->contentsRect().width(),
                         qPrintable(line));
            }
            QString kept = shownLines.join(QString());
            kept.chop(1);
            QVERIFY2(QString(text).remove(QLatin1Char(' ')).startsWith(kept.remove(QLatin1Char(' '))),
                     qPrintable(shown));
        } else {
            QCOMPARE(shown, text);
        }

        QHelpEvent help(QEvent::ToolTip, QPoint(4, 4), label->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(label, &help);
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), cut ? text : QString());
        QToolTip::hideText();
    }

    // Asking for a window that nothing registered is a fault: a test run stops on it, and a user is told.
    void unknownWindowIsAFault_data()
    {
        QTest::addColumn<bool>("fatal");
        QTest::newRow("in a test run") << true;
        QTest::newRow("in the program") << false;
    }

    void unknownWindowIsAFault()
    {
        QFETCH(bool, fatal);
        if (qEnvironmentVariableIsSet("VELCARIN_OPEN_UNKNOWN_WINDOW")) {
            MessageRecorder messages;
            WindowRegistry registry;
            QVERIFY(!registry.open(QStringLiteral("frmNothing")));
            QCOMPARE(messages.requests().size(), 1);
            QCOMPARE(messages.requests().first().text,
                     QStringLiteral("The window \"frmNothing\" is not part of this version of Velcarin."));
            return;
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("VELCARIN_OPEN_UNKNOWN_WINDOW"), QStringLiteral("1"));
        environment.insert(QStringLiteral("QT_FATAL_CRITICALS"),
                           fatal ? QStringLiteral("1") : QStringLiteral("0"));
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("unknownWindowIsAFault:%1").arg(QLatin1String(QTest::currentDataTag()))});
        QVERIFY(child.waitForFinished(60000));
        const QByteArray errors = child.readAllStandardError() + child.readAllStandardOutput();
        QVERIFY2(errors.contains("no window is registered as \"frmNothing\""), errors.constData());
        if (fatal)
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        else
            QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, errors.constData());
    }
};

VELCARIN_TEST_MAIN(TestShell)
#include "tst_shell.moc"
