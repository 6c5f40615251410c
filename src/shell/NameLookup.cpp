#include "shell/NameLookup.h"

#include "shell/ColumnListModel.h"
#include "shell/DataControl.h"
#include "shell/FindByName.h"
#include "shell/ListPick.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

NameLookup::NameLookup(QComboBox* comboBox, QLineEdit* holder, DataControl& data, QString prefix,
                       QString noun, QLabel* notice)
    : QObject(comboBox)
    , m_comboBox(comboBox)
    , m_holder(holder)
    , m_data(data)
    , m_prefix(std::move(prefix))
    , m_noun(std::move(noun))
    , m_notice(notice)
    , m_pick(new ListPick(comboBox))
{
    // A damaged file can show itself whenever the records are read, a name of the list as well.
    connect(&data, &DataControl::readFailed, this, &NameLookup::tell);
    connect(comboBox, &QComboBox::activated, this, &NameLookup::rowActivated);
}

void NameLookup::rowActivated(int row)
{
    // Of two records of one name, the one not shown picked.
    if (row != m_data.recordSet().absolutePosition() &&
        m_comboBox->itemText(row) == m_comboBox->currentText()) {
        m_rowPicked = row;
        Q_EMIT rowPicked();
    }
}

void NameLookup::pick(const QString& name)
{
    m_comboBox->setEditText(name);
}

void NameLookup::pick(int row)
{
    // A row the list has not read yet is read first.
    auto* list = qobject_cast<ColumnListModel*>(m_comboBox->model());
    if (row < 0 || (list ? !list->fetchTo(row) : row >= m_comboBox->count()))
        return;
    // A click on the list makes its row current, or writes the row's name again over a text typed since.
    if (row != m_comboBox->currentIndex())
        m_comboBox->setCurrentIndex(row);
    else
        m_comboBox->setEditText(m_comboBox->itemText(row));
    rowActivated(row);
}

void NameLookup::setFields(const QList<QWidget*>& fields)
{
    m_fields.clear();
    for (QWidget* field : fields)
        m_fields << field;
    tell();
}

bool NameLookup::lookUp()
{
    const int picked = m_pick->pickedRow();
    m_found = findByName(m_comboBox, m_holder, m_data, m_prefix, m_rowPicked >= 0 ? m_rowPicked : picked);
    m_rowPicked = -1;
    m_missed = m_comboBox->currentText();
    // What the program reads from the holder names the record shown, never a text that found nothing.
    if (!m_found)
        m_holder->setText(currentName(m_data, m_prefix));
    tell();
    return m_found;
}

void NameLookup::tell()
{
    QString notice;
    if (!m_data.readError().isEmpty()) {
        notice = tr("%1 is damaged (%2): what is shown here cannot be trusted.")
                     .arg(m_data.fileName(), m_data.readError());
    } else if (!m_found) {
        // After a miss the holder names the record shown.
        notice = m_holder->text().isEmpty()
                     ? tr("No %1 named \"%2\"").arg(m_noun, m_missed)
                     : tr("No %1 named \"%2\" — showing %3").arg(m_noun, m_missed, m_holder->text());
    }
    m_notice->setText(notice);
    m_notice->setVisible(!notice.isEmpty());
    for (QWidget* field : std::as_const(m_fields)) {
        if (field)
            field->setEnabled(notice.isEmpty());
    }
}
