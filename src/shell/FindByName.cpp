#include "shell/FindByName.h"

#include "data/Criterion.h"
#include "shell/Beep.h"
#include "shell/DataControl.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

// The field that the criterion prefix compares.
int keyField(const RecordSet& records, const QString& prefix)
{
    const std::optional<Criterion> criterion = Criterion::parse(Criterion::build(prefix, QString()));
    return criterion ? records.fieldIndex(criterion->field) : -1;
}

} // namespace

bool findByName(const QComboBox* comboBox, QLineEdit* holder, DataControl& data, const QString& prefix,
                int pickedRow)
{
    holder->setText(comboBox->currentText());
    const int key = keyField(data.recordSet(), prefix);
    if (pickedRow >= 0 && pickedRow < data.recordSet().recordCount() &&
        data.recordSet().valueAt(pickedRow, key) == holder->text()) {
        data.setBookmark(RecordSet::Bookmark{pickedRow});
        return true;
    }
    const RecordSet::Bookmark saved = data.bookmark();
    data.findFirst(Criterion::build(prefix, holder->text()));
    if (!data.noMatch())
        return true;
    Beep::sound();
    // An empty record set has no record to go back to and stays without one.
    if (saved.isValid())
        data.setBookmark(saved);
    return false;
}

QString currentName(const DataControl& data, const QString& prefix)
{
    return data.recordSet().value(keyField(data.recordSet(), prefix));
}
