#pragma once

#include "shell/TwipScale.h"

#include <QWidget>

class Advisers;
class DataControl;
class QLineEdit;
class QPushButton;

// A window that edits fields of the cargo the main adviser shows. Its data control dtaB takes a clone of
// the operator tab's records at load and stands on the same cargo; "&Update" writes what the officer changed,
// and every close updates first. A save that fails says why, engine's words included, and leaves the window
// open with everything typed in it, so that nothing is lost; the next Update or close tries again. A close
// whose save failed asks whether to keep editing, to keep the text in a file and close, or to discard it.
class CargoEditor : public QWidget {
    Q_OBJECT
public:
    // Centres the window and moves dtaB, on a clone of the operator tab's records, to that tab's cargo.
    void load(const Advisers& advisers);
    // cmdUpdate's click: false after telling why the record could not be written.
    bool save();

Q_SIGNALS:
    // What the officer changed is in the database; the main window shows it.
    void saved();
    // A save wrote a change: what was written where, for the officer to read in the main window.
    void written(const QString& report);

protected:
    explicit CargoEditor(const QString& name);

    // A new editor of that kind loaded on the operator tab's cargo.
    template <typename Editor> static Editor* open(const Advisers& advisers)
    {
        auto* editor = new Editor;
        editor->load(advisers);
        return editor;
    }

    const TwipScale& scale() const { return m_scale; }
    // Puts a control at its twips, now and whenever the scale changes.
    void place(QWidget* widget, const QRect& twips);
    // The scale of the screen, made smaller where a window of that many twips would not fit it.
    void fitScreen(const QSize& windowTwips);
    // A one-line text box bound to a field; a locked one shows the field but cannot change it.
    QLineEdit* boundField(const QString& name, const QString& field, bool locked);
    // Binds a line edit or text box that the officer types into to its field.
    void bindEdited(QWidget* widget, const QString& field);
    QPushButton* updateButton() const { return m_update; }
    QPushButton* closeButton() const { return m_close; }

    void closeEvent(QCloseEvent* event) override;

private:
    // After a failed save on close: true when the officer lets the window close without it.
    bool closeUnsaved();
    // Writes what the officer typed into a file of his choice; false when he cancels or it cannot be
    // written.
    bool keepInFile();
    QString cargoName() const;
    QString typedText() const;

    TwipScale m_scale;
    QList<std::pair<QWidget*, QRect>> m_twips;
    DataControl* m_data;
    QPushButton* m_update;
    QPushButton* m_close;
    QList<std::pair<QWidget*, QString>> m_edited; // the widgets the officer types into, with their fields
};
