#include "app/FrmTabClean.h"
#include "shell/TextBox.h"
#include "shell/WindowRegistry.h"
#include "support/LoadedMainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>

#include <sqlite3.h>

#include <algorithm>

// The personal notes window and the cargo parameter editor, opened from the real main window on the
// sample databases, driven by keys and clicks, and checked against what the database file holds.
namespace {

const QString Velcarin = QStringLiteral("Velcarin");
const QString StyreneNote =
    QString::fromUtf8("Inhibitor certificate checked before loading.\r\n"
                      "Heating coils blanked. Tank 3P was re-washed twice.\r\n"
                      "Note from Chief Officer Bj\xC3\xB8rn S\xC3\xA6ther \xE2\x80\x93 "
                      "\xE2\x80\x9Ckeep the line flushed\xE2\x80\x9D: 20 \xC2\xB0"
                      "C max.");

// Types text as the keyboard would, characters beyond Latin-1 included.
void type(QWidget* widget, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QString character = text.mid(i, text.at(i).isHighSurrogate() ? 2 : 1);
        i += character.size() - 1;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

} // namespace

class TestEditors : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestDataFolder> m_folder;
    std::unique_ptr<LoadedMainWindow> m_main;
    FrmTabClean* m_window = nullptr;
    MessageRecorder* m_messages = nullptr;
    QStringList m_loaded;

    void loadMainWindow()
    {
        m_main = std::make_unique<LoadedMainWindow>(m_folder->path());
        QVERIFY(m_main->isLoaded());
        m_window = m_main->window();
        m_messages = m_main->messages();
        connect(&m_window->windows(), &WindowRegistry::loaded, this,
                [this](const QString& name) { m_loaded << name; });
    }

    void choose(const QString& name) const
    {
        child<QComboBox>(m_window, QStringLiteral("DBCombo1"))->setEditText(name);
    }

    QWidget* openNotes() const
    {
        child<QPushButton>(m_window, QStringLiteral("cmdEdit"))->click();
        return m_window->windows().openWindow(QStringLiteral("PersonalA"));
    }

    QWidget* openParameters() const
    {
        m_messages->answerWith({QMessageBox::Yes});
        if (!triggerAction(m_window, QStringLiteral("mnuECP")))
            return nullptr;
        return m_window->windows().openWindow(QStringLiteral("frmEdit"));
    }

    static void activate(QWidget* window)
    {
        window->show();
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    // A field of a cargo as another program reads it from the file, byte for byte.
    QByteArray stored(const QString& cargo, const QString& field) const
    {
        sqlite3* db = nullptr;
        sqlite3_open_v2(QFile::encodeName(m_folder->filePath(QStringLiteral("cleaning.mdb"))).constData(),
                        &db, SQLITE_OPEN_READONLY, nullptr);
        const QByteArray sql =
            QStringLiteral("select \"%1\" from CleaningA where \"Abbreviated Name\" = ?").arg(field).toUtf8();
        sqlite3_stmt* select = nullptr;
        sqlite3_prepare_v2(db, sql.constData(), -1, &select, nullptr);
        const QByteArray name = cargo.toUtf8();
        sqlite3_bind_text(select, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        QByteArray value("(no cargo)");
        if (sqlite3_step(select) == SQLITE_ROW)
            value = sqlite3_column_type(select, 0) == SQLITE_NULL
                        ? QByteArray("NULL")
                        : QByteArray(static_cast<const char*>(sqlite3_column_blob(select, 0)),
                                     sqlite3_column_bytes(select, 0));
        sqlite3_finalize(select);
        sqlite3_close(db);
        return value;
    }

    QColor notesMark() const
    {
        return child<QLabel>(m_window, QStringLiteral("lblPersNote"))->palette().color(QPalette::WindowText);
    }

    // Makes the file one that the database engine must treat as read-only, which holds for root too.
    void makeReadOnly() const
    {
        QFile file(m_folder->filePath(QStringLiteral("cleaning.mdb")));
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.seek(18);
        file.write("\3", 1);
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestDataFolder>();
        m_folder->copySampleDatabases();
        m_loaded.clear();
    }

    void cleanup()
    {
        if (m_main) {
            for (const char* name : {"PersonalA", "frmEdit"})
                delete m_window->windows().openWindow(QLatin1String(name)); // no close, which would save
        }
        m_main.reset();
    }

    void opensOnTheShownCargo_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("cargo"); // empty: none chosen yet
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("notes, first choice")
            << QStringLiteral("PersonalA") << QStringLiteral("ACETONE")
            << QStringList{"txtID=1003", "txtAbbr=ACETONE",
                           "txtFields=Sample note: last wall wash passed at 3rd attempt."};
        QTest::newRow("notes, last of the list")
            << QStringLiteral("PersonalA") << QStringLiteral("XYLENE-M")
            << QStringList{"txtID=1069", "txtAbbr=XYLENE-M", "txtFields="};
        QTest::newRow("notes, before any choice")
            << QStringLiteral("PersonalA") << QString()
            << QStringList{"txtID=1001", "txtAbbr=AATREX", "txtFields="};
        QTest::newRow("notes, of several lines")
            << QStringLiteral("PersonalA") << QStringLiteral("STYRENE MONOMER")
            << QStringList{"txtID=1058", "txtAbbr=STYRENE MONOMER", "txtFields=" + StyreneNote};
        QTest::newRow("parameters, last of the list")
            << QStringLiteral("frmEdit") << QStringLiteral("XYLENE-M")
            << QStringList{"txtUN=1307",       "txtPol=C",   "Text2=32",
                           "Text3=2",          "Text4=3",    "Text5=1",
                           "txtAbbr=XYLENE-M", "txtID=1069", "Text1=1,3-Dimethylbenzene"};
        QTest::newRow("parameters, in the middle")
            << QStringLiteral("frmEdit") << QStringLiteral("STYRENE MONOMER")
            << QStringList{"txtUN=2055",
                           "txtPol=B",
                           "Text2=30",
                           "Text3=2",
                           "Text4=3",
                           "Text5=2",
                           "txtAbbr=STYRENE MONOMER",
                           "txtID=1058",
                           "Text1=Vinylbenzene"};
    }

    void opensOnTheShownCargo()
    {
        QFETCH(QString, window);
        QFETCH(QString, cargo);
        QFETCH(QStringList, fields);
        loadMainWindow();
        if (!cargo.isEmpty())
            choose(cargo);
        QWidget* editor = window == QLatin1String("frmEdit") ? openParameters() : openNotes();
        QVERIFY(editor);
        QCOMPARE(editor->objectName(), window);
        QVERIFY(editor->isVisible());
        QVERIFY(!editor->parentWidget());
        QVERIFY(!editor->isModal());
        for (const QString& field : fields) {
            const QString name = field.section(QLatin1Char('='), 0, 0);
            QCOMPARE(name + QLatin1Char('=') + controlText(editor, name), field);
        }
        // Centred on the screen, as it was before the window had a frame.
        const QSize screen = editor->screen()->geometry().size();
        QVERIFY(qAbs(editor->frameGeometry().left() - (screen.width() - editor->width()) / 2) <= 1);
        QVERIFY(qAbs(editor->frameGeometry().top() - (screen.height() - editor->height()) / 2) <= 1);
    }

    void controls_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QStringList>("locked");
        QTest::addColumn<QStringList>("editable");
        QTest::newRow("frmEdit") << QStringLiteral("frmEdit") << QStringLiteral("Edit Cargo Parameters")
                                 << QStringList{"United Number:",    "Pollution Category:",
                                                "USCG Number :",     "Health Hazard Ratings:",
                                                "Abbreviated Name:", "ID  Number:",
                                                "Full Name:"}
                                 << QStringList{"txtAbbr", "txtID", "Text1"}
                                 << QStringList{"txtUN", "txtPol", "Text2", "Text3", "Text4", "Text5"};
        QTest::newRow("PersonalA") << QStringLiteral("PersonalA") << QStringLiteral("Personal Notes")
                                   << QStringList{"ID  Number:", "Abbreviated Name:", "Personal Notes:"}
                                   << QStringList{"txtID", "txtAbbr"} << QStringList{"txtFields"};
    }

    void controls()
    {
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, locked);
        QFETCH(QStringList, editable);
        loadMainWindow();
        choose(QStringLiteral("TOLUENE"));
        QWidget* editor = window == QLatin1String("frmEdit") ? openParameters() : openNotes();
        QVERIFY(editor);
        QCOMPARE(editor->windowTitle(), caption);
        QStringList shownLabels;
        for (const QLabel* label : editor->findChildren<QLabel*>())
            shownLabels << label->text();
        QCOMPARE(shownLabels, labels);
        QCOMPARE(child<QPushButton>(editor, QStringLiteral("cmdUpdate"))->text(), QStringLiteral("&Update"));
        QCOMPARE(child<QPushButton>(editor, QStringLiteral("cmdClose"))->text(), QStringLiteral("&Close"));
        if (window == QLatin1String("PersonalA"))
            QCOMPARE(child<QPushButton>(editor, QStringLiteral("cmdClose"))->parentWidget()->objectName(),
                     QStringLiteral("picButtons"));
        // Every caption shows whole, and no control lies over another.
        for (const QLabel* label : editor->findChildren<QLabel*>())
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(label->text()));
        const QList<QWidget*> controls = editor->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const QWidget* one : controls) {
            for (const QWidget* other : controls) {
                QVERIFY2(one == other || !one->geometry().intersects(other->geometry()),
                         qPrintable(one->objectName() + QStringLiteral(" over ") + other->objectName()));
            }
        }

        // Typing into a locked field changes nothing, on the screen or in the file.
        activate(editor);
        for (const QString& name : locked) {
            auto* field = child<QLineEdit>(editor, name);
            const QString before = field->text();
            field->setFocus();
            QTest::keyClicks(field, QStringLiteral("XY"));
            QTest::keyClick(field, Qt::Key_Backspace);
            QCOMPARE(field->text(), before);
        }
        for (const QString& name : editable) {
            QWidget* field = child<QWidget>(editor, name);
            QVERIFY2(!field->property("readOnly").toBool(), qPrintable(name));
        }
        editor->close();
        QVERIFY(!editor->isVisible());
        QCOMPARE(stored(QStringLiteral("TOLUENE"), QStringLiteral("Abbreviated Name")),
                 QByteArray("TOLUENE"));
        QCOMPARE(stored(QStringLiteral("TOLUENE"), QStringLiteral("ID  Number")), QByteArray("1061"));
        QCOMPARE(stored(QStringLiteral("TOLUENE"), QStringLiteral("Full Name")), QByteArray("Methylbenzene"));
    }

    void tabOrder()
    {
        loadMainWindow();
        QWidget* editor = openParameters();
        QVERIFY(editor);
        activate(editor);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtUN"));
        QStringList order{QStringLiteral("txtUN")};
        for (int i = 0; i < 11; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, (QStringList{"txtUN", "txtPol", "Text2", "Text3", "Text4", "Text5", "cmdClose",
                                     "txtAbbr", "txtID", "Text1", "cmdUpdate", "txtUN"}));
    }

    void enterMovesOn_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("key");
        QTest::newRow("UN number") << QStringLiteral("txtUN") << QStringLiteral("txtPol")
                                   << int(Qt::Key_Return);
        QTest::newRow("keypad Enter")
            << QStringLiteral("Text2") << QStringLiteral("Text3") << int(Qt::Key_Enter);
        QTest::newRow("third rating")
            << QStringLiteral("Text5") << QStringLiteral("cmdClose") << int(Qt::Key_Return);
    }

    void enterMovesOn()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(int, key);
        loadMainWindow();
        choose(QStringLiteral("TOLUENE"));
        QWidget* editor = openParameters();
        QVERIFY(editor);
        activate(editor);
        auto* field = child<QLineEdit>(editor, from);
        field->setFocus();
        const QString before = field->text();
        QSignalSpy returned(field, &QLineEdit::returnPressed);
        QTest::keyClick(field, Qt::Key(key));
        QCOMPARE(QApplication::focusWidget()->objectName(), to);
        QCOMPARE(field->text(), before);
        QCOMPARE(returned.count(), 0);
        QVERIFY(editor->isVisible());
        QVERIFY(m_messages->requests().size() == 1); // the question only
    }

    void enterOnAButtonPressesIt()
    {
        loadMainWindow();
        choose(QStringLiteral("TOLUENE"));
        QWidget* editor = openParameters();
        QVERIFY(editor);
        activate(editor);
        auto* un = child<QLineEdit>(editor, QStringLiteral("txtUN"));
        un->selectAll();
        QTest::keyClicks(un, QStringLiteral("9999"));
        auto* update = child<QPushButton>(editor, QStringLiteral("cmdUpdate"));
        update->setFocus();
        QTest::keyClick(update, Qt::Key_Return);
        QCOMPARE(stored(QStringLiteral("TOLUENE"), QStringLiteral("United No")), QByteArray("9999"));
        QVERIFY(editor->isVisible());
        auto* close = child<QPushButton>(editor, QStringLiteral("cmdClose"));
        close->setFocus();
        QTest::keyClick(close, Qt::Key_Return);
        QVERIFY(!editor->isVisible());
    }

    void everyCloseStores_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("how"); // cmdClose, close box or cmdUpdate
        QTest::newRow("notes, Close") << QStringLiteral("PersonalA") << QStringLiteral("cmdClose");
        QTest::newRow("notes, close box") << QStringLiteral("PersonalA") << QStringLiteral("close box");
        QTest::newRow("notes, Update") << QStringLiteral("PersonalA") << QStringLiteral("cmdUpdate");
        QTest::newRow("parameters, Close") << QStringLiteral("frmEdit") << QStringLiteral("cmdClose");
        QTest::newRow("parameters, close box") << QStringLiteral("frmEdit") << QStringLiteral("close box");
        QTest::newRow("parameters, Update") << QStringLiteral("frmEdit") << QStringLiteral("cmdUpdate");
    }

    void everyCloseStores()
    {
        QFETCH(QString, window);
        QFETCH(QString, how);
        loadMainWindow();
        choose(QStringLiteral("XYLENE-M"));
        QCOMPARE(notesMark(), QColor(128, 128, 128));
        const bool notes = window == QLatin1String("PersonalA");
        QWidget* editor = notes ? openNotes() : openParameters();
        QVERIFY(editor);
        activate(editor);
        if (notes) {
            QWidget* box = child<TextBox>(editor, QStringLiteral("txtFields"));
            QCOMPARE(QApplication::focusWidget(), box);
            type(box, QString::fromUtf8("Bj\xC3\xB8rn \xE2\x80\x93 20 \xC2\xB0"
                                        "C"));
            QTest::keyClick(box, Qt::Key_Return);
            type(box, QStringLiteral("second line"));
        } else {
            QTest::keyClicks(child<QLineEdit>(editor, QStringLiteral("txtPol")), QStringLiteral("*"));
            auto* rating = child<QLineEdit>(editor, QStringLiteral("Text5"));
            rating->selectAll();
            QTest::keyClicks(rating, QStringLiteral("4"));
        }
        // A closed editor may already be gone.
        const QPointer<QWidget> stillOpen = editor;
        if (how == QLatin1String("close box"))
            editor->close();
        else
            child<QPushButton>(editor, how)->click();
        QCoreApplication::processEvents();
        QCOMPARE(stillOpen && stillOpen->isVisible(), how == QLatin1String("cmdUpdate"));
        QVERIFY(m_messages->requests().size() <= 1); // the question before the editor, nothing after
        if (notes) {
            const QByteArray written("Bj\xC3\xB8rn \xE2\x80\x93 20 \xC2\xB0"
                                     "C\r\nsecond line");
            QCOMPARE(stored(QStringLiteral("XYLENE-M"), QStringLiteral("Personal Notes")), written);
            // Tab 0 shows the note at once, and marks it.
            QCOMPARE(controlText(m_window, QStringLiteral("txtPerson")).toUtf8(), written);
            QCOMPARE(notesMark(), QColor(255, 0, 0));
        } else {
            QCOMPARE(stored(QStringLiteral("XYLENE-M"), QStringLiteral("Pollution Category")),
                     QByteArray("C*"));
            QCOMPARE(stored(QStringLiteral("XYLENE-M"), QStringLiteral("H3")), QByteArray("4"));
            QCOMPARE(stored(QStringLiteral("XYLENE-M"), QStringLiteral("United No")), QByteArray("1307"));
            QCOMPARE(controlText(m_window, QStringLiteral("txtH3")), QStringLiteral("4"));
        }
        // The main window's status bar says what was written where; an Update with nothing changed
        // writes nothing and says nothing.
        QCOMPARE(m_window->statusBar()->currentMessage(),
                 QStringLiteral("%1 of XYLENE-M saved in %2")
                     .arg(notes ? QStringLiteral("Personal Notes") : QStringLiteral("Edit Cargo Parameters"),
                          m_folder->filePath(QStringLiteral("cleaning.mdb"))));
        if (stillOpen && stillOpen->isVisible()) {
            m_window->statusBar()->clearMessage();
            child<QPushButton>(editor, QStringLiteral("cmdUpdate"))->click();
            QCOMPARE(m_window->statusBar()->currentMessage(), QString());
        }
    }

    void markFollowsTheNotes()
    {
        loadMainWindow();
        choose(QStringLiteral("ACETONE"));
        QCOMPARE(notesMark(), QColor(255, 0, 0));
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuPersonal")));
        QWidget* editor = m_window->windows().openWindow(QStringLiteral("PersonalA"));
        QVERIFY(editor);
        QVERIFY(m_messages->requests().isEmpty());
        child<TextBox>(editor, QStringLiteral("txtFields"))->clear();
        editor->close();
        QCOMPARE(stored(QStringLiteral("ACETONE"), QStringLiteral("Personal Notes")), QByteArray(""));
        QCOMPARE(notesMark(), QColor(128, 128, 128));
        QVERIFY(controlText(m_window, QStringLiteral("txtPerson")).isEmpty());
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuPersonal")));
        QCOMPARE(m_messages->requests().size(), 1);
        QCOMPARE(m_messages->requests().first().text,
                 QStringLiteral("No any Personal Records for this cargo found."));
        QCOMPARE(m_messages->requests().first().title, QStringLiteral("You Missed"));
        QCOMPARE(m_loaded, QStringList{QStringLiteral("PersonalA")});
    }

    void refusals()
    {
        loadMainWindow();
        choose(QStringLiteral("TOLUENE"));
        for (int tab : {1, 2}) {
            child<QTabWidget>(m_window, QStringLiteral("SSTab1"))->setCurrentIndex(tab);
            m_messages->clear();
            QVERIFY(triggerAction(m_window, QStringLiteral("mnuECP")));
            QCOMPARE(m_messages->requests().size(), 1);
            QCOMPARE(m_messages->requests().first().text,
                     QStringLiteral("This function available for Tavro data, only."));
            QCOMPARE(m_messages->requests().first().title, QStringLiteral("Edit Cargo Parameters"));
            QCOMPARE(m_messages->requests().first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        }
        child<QTabWidget>(m_window, QStringLiteral("SSTab1"))->setCurrentIndex(0);
        m_messages->clear();
        m_messages->answerWith({QMessageBox::No});
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuECP")));
        QCOMPARE(m_messages->requests().size(), 1);
        QCOMPARE(m_messages->requests().first().text,
                 QStringLiteral("Do you really want to change the Cargo Parameters?"));
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuPersonal"))); // TOLUENE has no notes
        QVERIFY(m_loaded.isEmpty());
        // Its first note is written from tab 0's button.
        QVERIFY(openNotes());
        QCOMPARE(m_loaded, QStringList{QStringLiteral("PersonalA")});
    }

    void openOnceAndComeToTheFront()
    {
        loadMainWindow();
        choose(QStringLiteral("ACETONE"));
        QWidget* notes = openNotes();
        auto* box = child<TextBox>(notes, QStringLiteral("txtFields"));
        box->setPlainText(QStringLiteral("typed, not saved"));
        QWidget* parameters = openParameters();
        child<QLineEdit>(parameters, QStringLiteral("txtUN"))->setText(QStringLiteral("9"));
        choose(QStringLiteral("TOLUENE"));
        m_messages->clear();
        QCOMPARE(openNotes(), notes);
        QCOMPARE(openParameters(), parameters);
        QCOMPARE(m_messages->requests().size(), 1); // the question is asked again
        QCOMPARE(m_loaded, (QStringList{QStringLiteral("PersonalA"), QStringLiteral("frmEdit")}));
        QCOMPARE(controlText(notes, QStringLiteral("txtAbbr")), QStringLiteral("ACETONE"));
        QCOMPARE(box->text(), QStringLiteral("typed, not saved"));
        QCOMPARE(controlText(parameters, QStringLiteral("txtAbbr")), QStringLiteral("ACETONE"));
        QCOMPARE(controlText(parameters, QStringLiteral("txtUN")), QStringLiteral("9"));
    }

    void failedSaveLosesNothing_data()
    {
        QTest::addColumn<bool>("readOnly"); // or locked by another program for a while
        QTest::addColumn<QString>("error");
        QTest::newRow("read-only") << true
                                   << QStringLiteral("The database \"%1\" is read-only, so nothing can be "
                                                     "saved in it. Make the file and its folder writable for "
                                                     "you, or use a data folder of your own (--data-dir). "
                                                     "(attempt to write a readonly database)");
        QTest::newRow("locked") << false
                                << QStringLiteral("The database \"%1\" is in use by another program, which "
                                                  "has locked it. Close that program, or wait until it has "
                                                  "finished, and try again. (database is locked)");
    }

    void failedSaveLosesNothing()
    {
        QFETCH(bool, readOnly);
        QFETCH(QString, error);
        if (readOnly)
            makeReadOnly();
        loadMainWindow();
        choose(QStringLiteral("ACETONE"));
        QWidget* editor = openNotes();
        QVERIFY(editor);
        auto* box = child<TextBox>(editor, QStringLiteral("txtFields"));
        box->setPlainText(QStringLiteral("Mine.\nAll of it."));
        sqlite3* other = nullptr;
        if (!readOnly) {
            sqlite3_open(QFile::encodeName(m_folder->filePath(QStringLiteral("cleaning.mdb"))).constData(),
                         &other);
            QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        }

        child<QPushButton>(editor, QStringLiteral("cmdUpdate"))->click();
        editor->close();
        child<QPushButton>(editor, QStringLiteral("cmdClose"))->click();
        QCOMPARE(m_messages->requests().size(), 5); // each close asks too, answered by keeping on editing
        for (int failed : {0, 1, 3}) {
            const MessageBox::Request& request = m_messages->requests().at(failed);
            QCOMPARE(request.text, error.arg(m_folder->filePath(QStringLiteral("cleaning.mdb"))));
            QCOMPARE(request.title, Velcarin);
            QCOMPARE(request.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        }
        QVERIFY(editor->isVisible());
        QCOMPARE(box->text(), QStringLiteral("Mine.\r\nAll of it."));
        sqlite3_close(other); // the other program lets go
        QCOMPARE(stored(QStringLiteral("ACETONE"), QStringLiteral("Personal Notes")),
                 QByteArray("Sample note: last wall wash passed at 3rd attempt."));
        QCOMPARE(notesMark(), QColor(255, 0, 0));
        QCOMPARE(controlText(m_window, QStringLiteral("txtPerson")),
                 QStringLiteral("Sample note: last wall wash passed at 3rd attempt."));
        if (readOnly)
            return;

        // The next close stores the note and closes.
        m_messages->clear();
        editor->close();
        QVERIFY(!editor->isVisible());
        QVERIFY(m_messages->requests().isEmpty());
        QCOMPARE(stored(QStringLiteral("ACETONE"), QStringLiteral("Personal Notes")),
                 QByteArray("Mine.\r\nAll of it."));
    }

    void aCloseThatCannotSaveLetsTheOfficerChoose_data()
    {
        using Answers = QList<QMessageBox::StandardButton>;
        // The parameters of a row deleted by another program, or the notes in a read-only file.
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("exit"); // Exit from the main window before the editor is closed
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<QString>("file"); // chosen to save into; empty cancels
        QTest::addColumn<QString>("told"); // after the question; %1 the file chosen
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("written");
        const QString notes =
            QStringLiteral("Personal Notes of ACETONE (ID 1003), as typed but not saved in the "
                           "database:\n\nPersonal Notes: Mine.\nAll of it.\n");
        const QString discard =
            QStringLiteral("Discard your change to ACETONE? What you typed in this window will be lost.");
        const Answers save{QMessageBox::Save};
        const Answers keep{QMessageBox::Cancel};
        QTest::newRow("keep editing") << "PersonalA" << false << keep << ""
                                      << "" << false << "";
        QTest::newRow("to a file") << "PersonalA" << false << save << "kept.txt"
                                   << "" << true << notes;
        QTest::newRow("parameters of a deleted row, to a file")
            << "frmEdit" << false << save << "kept.txt"
            << "" << true
            << QStringLiteral("Edit Cargo Parameters of ACETONE (ID 1003), as typed but not saved in the "
                              "database:\n\nUnited No: 9999\nPollution Category: III\n"
                              "Compatability Chart No: 18\nH1: 1\nH2: 3\nH3: 0\n");
        QTest::newRow("into no folder") << "PersonalA" << false << save << "none/kept.txt"
                                        << QStringLiteral("What you typed could not be saved to \"%1\": No "
                                                          "such file or directory\n\nThe window stays open "
                                                          "with it.")
                                        << false << "";
        QTest::newRow("discard") << "PersonalA" << false << Answers{QMessageBox::Discard, QMessageBox::Yes}
                                 << "" << discard << true << "";
        QTest::newRow("discard, not confirmed")
            << "PersonalA" << false << Answers{QMessageBox::Discard, QMessageBox::No} << "" << discard
            << false << "";
        QTest::newRow("after Exit, discard")
            << "frmEdit" << true << Answers{QMessageBox::Discard, QMessageBox::Yes} << "" << discard << true
            << "";
    }

    void aCloseThatCannotSaveLetsTheOfficerChoose()
    {
        using Answers = QList<QMessageBox::StandardButton>;
        QFETCH(QString, window);
        QFETCH(bool, exit);
        QFETCH(Answers, answers);
        QFETCH(QString, file);
        QFETCH(QString, told);
        QFETCH(bool, closed);
        QFETCH(QString, written);
        QTemporaryDir files;
        const QString path = file.isEmpty() ? QString() : files.filePath(file);
        const bool deleted = window == QLatin1String("frmEdit");
        if (!deleted)
            makeReadOnly();
        loadMainWindow();
        choose(QStringLiteral("ACETONE"));
        QWidget* editor = deleted ? openParameters() : openNotes();
        QVERIFY(editor);
        if (deleted)
            child<QLineEdit>(editor, QStringLiteral("txtUN"))->setText(QStringLiteral("9999"));
        else
            child<TextBox>(editor, QStringLiteral("txtFields"))
                ->setPlainText(QStringLiteral("Mine.\nAll of it."));
        if (deleted)
            m_folder->runSql(QStringLiteral("cleaning.mdb"),
                             QStringLiteral("DELETE FROM CleaningA WHERE \"Abbreviated Name\" = 'ACETONE';"));
        if (exit) {
            QVERIFY(triggerAction(m_window, QStringLiteral("mnuExit")));
            QVERIFY(!m_window->isVisible());
        }
        FileDialogRecorder dialog;
        dialog.answerWith({path});
        m_messages->clear();
        m_messages->answerWith(Answers{QMessageBox::Ok} + answers);
        editor->close();

        const QList<MessageBox::Request>& asked = m_messages->requests();
        QCOMPARE(asked.size(), told.isEmpty() ? 2 : 3);
        QCOMPARE(asked.at(1).text,
                 QStringLiteral("Your change to ACETONE could not be saved in the database.\n\n"
                                "Keep editing to try again later, save what you typed to a file "
                                "and close the window, or discard the change."));
        QStringList buttons;
        for (const auto& [button, text] : asked.at(1).buttonTexts)
            buttons << text;
        QCOMPARE(buttons, (QStringList{"&Keep Editing", "&Save to File…", "&Discard Change…"}));
        if (!told.isEmpty())
            QCOMPARE(asked.at(2).text, QString(told).replace(QStringLiteral("%1"), path));
        QCOMPARE(QString::fromUtf8(fileContents(path)), written);
        QCOMPARE(editor->isVisible(), !closed);
        if (!deleted)
            QCOMPARE(controlText(editor, QStringLiteral("txtFields")), QStringLiteral("Mine.\r\nAll of it."));
        // The program ends when its last window closes.
        if (exit)
            QVERIFY(std::ranges::none_of(QApplication::topLevelWidgets(), &QWidget::isVisible));
    }

    void twoWindowsOnOneCargo()
    {
        loadMainWindow();
        choose(QStringLiteral("STYRENE MONOMER"));
        QWidget* notes = openNotes();
        QWidget* parameters = openParameters();
        QVERIFY(notes && parameters);
        auto* box = child<TextBox>(notes, QStringLiteral("txtFields"));
        box->moveCursor(QTextCursor::End);
        box->insertPlainText(QStringLiteral("\nChecked again."));
        child<QLineEdit>(parameters, QStringLiteral("txtUN"))->setText(QStringLiteral("9999"));
        child<QPushButton>(parameters, QStringLiteral("cmdUpdate"))->click();
        QCOMPARE(stored(QStringLiteral("STYRENE MONOMER"), QStringLiteral("Personal Notes")),
                 StyreneNote.toUtf8());
        notes->close();
        child<QLineEdit>(parameters, QStringLiteral("Text3"))->setText(QStringLiteral("1"));
        parameters->close();

        QCOMPARE(stored(QStringLiteral("STYRENE MONOMER"), QStringLiteral("Personal Notes")),
                 (StyreneNote + QStringLiteral("\r\nChecked again.")).toUtf8());
        QCOMPARE(stored(QStringLiteral("STYRENE MONOMER"), QStringLiteral("United No")), QByteArray("9999"));
        QCOMPARE(stored(QStringLiteral("STYRENE MONOMER"), QStringLiteral("H1")), QByteArray("1"));
        QVERIFY(m_messages->requests().size() == 1);
    }

    void otherProgramsChangesStay()
    {
        // Fields the window shows but the officer did not change are not written back over what another
        // program wrote meanwhile.
        loadMainWindow();
        choose(QStringLiteral("STYRENE MONOMER"));
        QWidget* notes = openNotes();
        QWidget* parameters = openParameters();
        m_folder->runSql(
            QStringLiteral("cleaning.mdb"),
            QStringLiteral("UPDATE CleaningA SET \"Personal Notes\" = 'from the office', H2 = '0' "
                           "WHERE \"Abbreviated Name\" = 'STYRENE MONOMER';"));
        child<QLineEdit>(parameters, QStringLiteral("txtPol"))->setText(QStringLiteral("X"));
        parameters->close();
        notes->close();
        QCOMPARE(stored(QStringLiteral("STYRENE MONOMER"), QStringLiteral("Pollution Category")),
                 QByteArray("X"));
        QCOMPARE(stored(QStringLiteral("STYRENE MONOMER"), QStringLiteral("H2")), QByteArray("0"));
        QCOMPARE(stored(QStringLiteral("STYRENE MONOMER"), QStringLiteral("Personal Notes")),
                 QByteArray("from the office"));
    }

    void noCargoToEdit()
    {
        m_folder->runSql(QStringLiteral("cleaning.mdb"), QStringLiteral("DELETE FROM CleaningA;"));
        loadMainWindow();
        QWidget* editor = openNotes();
        QVERIFY(editor);
        QVERIFY(child<TextBox>(editor, QStringLiteral("txtFields"))->isReadOnly());
        editor->close();
        QVERIFY(!editor->isVisible());
        QVERIFY(m_messages->requests().isEmpty());
    }

    void noteSurvivesExportAndImport()
    {
        loadMainWindow();
        choose(QStringLiteral("TOLUENE"));
        QWidget* editor = openNotes();
        QVERIFY(editor);
        auto* box = child<TextBox>(editor, QStringLiteral("txtFields"));
        activate(editor);
        type(box, QString::fromUtf8("\xC3\x86\xC3\xB8 \xE2\x80\x94 \xF0\x9F\x9A\xA2"));
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Return);
        type(box, QStringLiteral("end"));
        editor->close();
        const QByteArray written("\xC3\x86\xC3\xB8 \xE2\x80\x94 \xF0\x9F\x9A\xA2\r\n\r\nend");
        QCOMPARE(stored(QStringLiteral("TOLUENE"), QStringLiteral("Personal Notes")), written);
        m_main.reset();

        // Out into a file and into a fresh copy of the operator's database.
        const QString file = m_folder->filePath(QStringLiteral("notes.json"));
        QCOMPARE(runCli({QStringLiteral("notes"), QStringLiteral("export"), file,
                         QStringLiteral("--data-dir"), m_folder->path()})
                     .exitCode,
                 0);
        m_folder->copySampleDatabases();
        QCOMPARE(stored(QStringLiteral("TOLUENE"), QStringLiteral("Personal Notes")), QByteArray("NULL"));
        const CliRun imported = runCli({QStringLiteral("notes"), QStringLiteral("import"), file,
                                        QStringLiteral("--data-dir"), m_folder->path()});
        QCOMPARE(imported.exitCode, 0);
        QCOMPARE(stored(QStringLiteral("TOLUENE"), QStringLiteral("Personal Notes")), written);

        loadMainWindow();
        choose(QStringLiteral("TOLUENE"));
        QCOMPARE(child<TextBox>(openNotes(), QStringLiteral("txtFields"))->text().toUtf8(), written);
    }
};

VELCARIN_TEST_MAIN(TestEditors)
#include "tst_editors.moc"
