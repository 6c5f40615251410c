#pragma once

#include "data/RecordSet.h"

#include <QList>
#include <QObject>
#include <QPointer>

class ColumnListModel;
class QComboBox;
class Store;

// Holds a record set with its current record and keeps the widgets bound to it showing the fields of
// that record. Labels, line edits and text boxes can be bound to a field; a combo box lists a column.
// When the engine fails to read the file, the control's window says so once: its data cannot be trusted.
class DataControl : public QObject {
    Q_OBJECT
public:
    explicit DataControl(const QString& objectName, QObject* parent = nullptr);

    // Points the control at one of the store's databases and runs the record source.
    bool open(const Store& store, const QString& fileName, const QString& recordSource, QString* error);
    // Takes another record set, for example a clone of another control's.
    void setRecordSet(const RecordSet& recordSet);
    const RecordSet& recordSet() const { return m_recordSet; }

    bool findFirst(const QString& criterion);
    bool noMatch() const { return m_recordSet.noMatch(); }
    // The engine's reason why the file could not be read; empty while it could.
    QString readError() const
    {
        return m_recordSet.readError().isEmpty() ? m_listReadError : m_recordSet.readError();
    }
    // The name of the database file, without its folder.
    QString fileName() const;
    RecordSet::Bookmark bookmark() const { return m_recordSet.bookmark(); }
    void setBookmark(RecordSet::Bookmark bookmark);
    void move(int records);

    void bind(QWidget* widget, const QString& field);
    void bindList(QComboBox* comboBox, const QString& field);
    // Shows the current record's fields and the names its lists have read again, for example after
    // another control wrote to it.
    void refresh();

    // Edit mode, the texts that the user changed in the editable bound widgets into the record, update.
    // Only those fields are written, so that a field another window or program changed keeps its change.
    // Nothing changed is nothing to write, and succeeds.
    bool updateRecord(QString* error);
    // Whether the user changed any editable bound widget since its field was shown or written.
    bool hasChanges() const;

Q_SIGNALS:
    void currentChanged();
    // The first time a read of the file fails, with the engine's reason.
    void readFailed(const QString& reason);

private:
    struct Binding {
        QPointer<QWidget> widget;
        QString field;
        QString shown; // the text an editable widget was given, to tell what the user changed
    };

    void show(Binding& binding);
    // The editable bindings whose widget the user changed, by index, with the text it holds now.
    QList<std::pair<qsizetype, QString>> changes() const;
    struct ListBinding {
        ColumnListModel* model;
        QString field;
    };

    void recordMoved();
    void fillLists();
    void checkRead();
    void warnOfDamage();

    RecordSet m_recordSet;
    QList<Binding> m_bindings;
    QList<ListBinding> m_lists;
    QString m_listReadError; // why a bound list could not read its names
    bool m_readFailed = false;
};
