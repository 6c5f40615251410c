#pragma once

#include "shell/TwipScale.h"

#include <QWidget>

class DataControl;
class QLineEdit;
class QPushButton;

// A window that edits fields of the cargo the main adviser shows. Its data control dtaB takes a clone of
// the main window's DtaA at load and stands on the same cargo; "&Update" writes what the officer changed,
// and every close updates first. A save that fails shows the engine's description and leaves the window
// open with everything typed in it, so that nothing is lost; the next Update or close tries again.
class CargoEditor : public QWidget {
    Q_OBJECT
public:
    // Centres the window and moves dtaB, on a clone of the main window's DtaA, to DtaA's cargo.
    bool load(const QWidget& mainWindow, QString* error);
    // cmdUpdate's click: false after telling why the record could not be written.
    bool save();

Q_SIGNALS:
    // What the officer changed is in the database; the main window shows it.
    void saved();

protected:
    explicit CargoEditor(const QString& name);

    // A new editor of that kind loaded on the main window's cargo; nullptr after saying why it cannot load.
    template <typename Editor> static Editor* open(const QWidget& mainWindow)
    {
        auto* editor = new Editor;
        QString error;
        if (editor->load(mainWindow, &error))
            return editor;
        delete editor;
        refuse(error);
        return nullptr;
    }

    DataControl& data() const { return *m_data; }
    const TwipScale& scale() const { return m_scale; }
    // Puts a control at its twips, now and whenever the scale changes.
    void place(QWidget* widget, const QRect& twips);
    // The scale of the screen, made smaller where a window of that many twips would not fit it.
    void fitScreen(const QSize& windowTwips);
    // A one-line text box bound to a field; a locked one shows the field but cannot change it.
    QLineEdit* boundField(const QString& name, const QString& field, bool locked);
    QPushButton* updateButton() const { return m_update; }
    QPushButton* closeButton() const { return m_close; }

    void closeEvent(QCloseEvent* event) override;

private:
    static void refuse(const QString& error);

    TwipScale m_scale;
    QList<std::pair<QWidget*, QRect>> m_twips;
    DataControl* m_data;
    QPushButton* m_update;
    QPushButton* m_close;
};
