#include "shell/FindByName.h"

#include "data/Criterion.h"
#include "shell/Beep.h"
#include "shell/DataControl.h"

#include <QComboBox>
#include <QLineEdit>

bool findByName(const QComboBox* comboBox, QLineEdit* holder, DataControl& data, const QString& prefix)
{
    holder->setText(comboBox->currentText());
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
