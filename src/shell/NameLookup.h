#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class DataControl;
class ListPick;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

// The look-up box of an adviser tab and the notice line beside it. The box's text is found by name, a
// row picked from its list as picked; after a miss the holder names the record shown. The notice says
// plainly when the fields of the tab are not the answer to the text in the box: a text that names nothing
// leaves the last record found on the screen, or the file the records come from is damaged. The fields
// are greyed while the notice speaks.
class NameLookup : public QObject {
    Q_OBJECT
public:
    // `noun` is what the box names, as the notice calls it ("cargo", "oil").
    NameLookup(QComboBox* comboBox, QLineEdit* holder, DataControl& data, QString prefix, QString noun,
               QLabel* notice);

    void setFields(const QList<QWidget*>& fields);
    // Finds the record of the box's text and tells what the fields now show; true when it was found.
    bool lookUp();
    // Picks as the officer does: a name written into the box as if typed, or a row of the list as if
    // clicked there. A row outside the list picks nothing.
    void pick(const QString& name);
    void pick(int row);

Q_SIGNALS:
    // A row was picked from the list whose name the box shows already, so that its text did not change:
    // the look-up is to run again, for that row.
    void rowPicked();

private:
    // A row chosen from the list: one whose name the box shows already is looked up again, as that row.
    void rowActivated(int row);
    void tell();

    QComboBox* m_comboBox;
    QLineEdit* m_holder;
    DataControl& m_data;
    QString m_prefix;
    QString m_noun;
    QLabel* m_notice;
    ListPick* m_pick;
    int m_rowPicked = -1; // picked without a change of text
    QList<QPointer<QWidget>> m_fields;
    bool m_found = true;
    QString m_missed; // the text that found nothing
};
