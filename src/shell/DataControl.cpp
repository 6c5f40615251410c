#include "shell/DataControl.h"

#include "data/Store.h"
#include "shell/ColumnListModel.h"
#include "shell/MessageBox.h"
#include "shell/TextBox.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

namespace {

void showText(QWidget* widget, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* lineEdit = qobject_cast<QLineEdit*>(widget))
        lineEdit->setText(text);
    else if (auto* textBox = qobject_cast<TextBox*>(widget))
        textBox->setText(text);
}

// The text a bound widget would write back, or nothing for a widget the user cannot change.
std::optional<QString> editedText(const QWidget* widget)
{
    if (auto* lineEdit = qobject_cast<const QLineEdit*>(widget); lineEdit && !lineEdit->isReadOnly())
        return lineEdit->text();
    if (auto* textBox = qobject_cast<const TextBox*>(widget); textBox && !textBox->isReadOnly())
        return textBox->text();
    return std::nullopt;
}

// The files a window has already said are damaged, kept with the window.
constexpr const char* DamagedFilesTold = "velcarinDamagedFilesTold";

} // namespace

DataControl::DataControl(const QString& objectName, QObject* parent)
    : QObject(parent)
{
    setObjectName(objectName);
}

bool DataControl::open(const Store& store, const QString& fileName, const QString& recordSource,
                       QString* error)
{
    const Result<Database> database = store.open(fileName);
    const Result<RecordSet> recordSet =
        database ? RecordSet::open(*database, recordSource) : Result<RecordSet>(Failure{database.error()});
    if (!recordSet) {
        if (error)
            *error = recordSet.error();
        return false;
    }
    setRecordSet(*recordSet);
    return true;
}

void DataControl::setRecordSet(const RecordSet& recordSet)
{
    m_recordSet = recordSet;
    fillLists();
    recordMoved();
}

bool DataControl::findFirst(const QString& criterion)
{
    const bool found = m_recordSet.findFirst(criterion);
    if (found)
        recordMoved();
    else
        checkRead();
    return found;
}

void DataControl::setBookmark(RecordSet::Bookmark bookmark)
{
    if (bookmark == m_recordSet.bookmark())
        return;
    m_recordSet.setBookmark(bookmark);
    recordMoved();
}

void DataControl::move(int records)
{
    m_recordSet.move(records);
    recordMoved();
}

void DataControl::bind(QWidget* widget, const QString& field)
{
    m_bindings << Binding{widget, field, {}};
    show(m_bindings.last());
}

void DataControl::show(Binding& binding)
{
    if (!binding.widget)
        return;
    showText(binding.widget, m_recordSet.value(binding.field));
    binding.shown = editedText(binding.widget).value_or(QString());
}

QString DataControl::fileName() const
{
    return QFileInfo(m_recordSet.databasePath()).fileName();
}

void DataControl::bindList(QComboBox* comboBox, const QString& field)
{
    auto* model = new ColumnListModel(comboBox);
    // A list is read as it is scrolled, and a failure then is told as one of the record's.
    connect(
        model, &ColumnListModel::readFailed, this,
        [this](const QString& reason) {
            if (m_listReadError.isEmpty())
                m_listReadError = reason;
            checkRead();
        },
        Qt::QueuedConnection);
    m_lists << ListBinding{model, field};
    model->setColumn(m_recordSet, m_recordSet.fieldIndex(field));
    const QString text = comboBox->currentText();
    comboBox->setModel(model);
    comboBox->setCurrentIndex(-1);
    comboBox->setEditText(text);
}

void DataControl::fillLists()
{
    for (const ListBinding& list : std::as_const(m_lists))
        list.model->setColumn(m_recordSet, m_recordSet.fieldIndex(list.field));
}

void DataControl::refresh()
{
    for (const ListBinding& list : std::as_const(m_lists))
        list.model->reread();
    recordMoved();
}

void DataControl::recordMoved()
{
    for (Binding& binding : m_bindings)
        show(binding);
    checkRead();
    Q_EMIT currentChanged();
}

void DataControl::checkRead()
{
    if (m_readFailed || readError().isEmpty())
        return;
    m_readFailed = true;
    Q_EMIT readFailed(readError());
    // The message waits for the event loop: a failure can come while a list is being drawn.
    QMetaObject::invokeMethod(this, &DataControl::warnOfDamage, Qt::QueuedConnection);
}

void DataControl::warnOfDamage()
{
    auto* owner = qobject_cast<QWidget*>(parent());
    QWidget* window = owner ? owner->window() : nullptr;
    const QString path = QDir::toNativeSeparators(m_recordSet.databasePath());
    if (window) {
        QStringList told = window->property(DamagedFilesTold).toStringList();
        if (told.contains(path))
            return;
        window->setProperty(DamagedFilesTold, told << path);
    }
    MessageBox::error(window,
                      tr("The database file \"%1\" is damaged: %2.\n\nThe advice it gives cannot be trusted, "
                         "and what it cannot give is shown empty. Replace the file with a sound copy, for "
                         "example from a backup.")
                          .arg(path, readError()),
                      window ? window->windowTitle() : QString());
}

QList<std::pair<qsizetype, QString>> DataControl::changes() const
{
    QList<std::pair<qsizetype, QString>> changed;
    for (qsizetype index = 0; index < m_bindings.size(); ++index) {
        const Binding& binding = m_bindings[index];
        const std::optional<QString> text = binding.widget ? editedText(binding.widget) : std::nullopt;
        if (text && *text != binding.shown)
            changed.append({index, *text});
    }
    return changed;
}

bool DataControl::hasChanges() const
{
    return !changes().isEmpty();
}

bool DataControl::updateRecord(QString* error)
{
    const QList<std::pair<qsizetype, QString>> changes = this->changes();
    if (changes.isEmpty())
        return true;
    Result<> written = m_recordSet.edit();
    for (const auto& [index, text] : changes) {
        if (written)
            written = m_recordSet.setValue(m_recordSet.fieldIndex(m_bindings[index].field), text);
    }
    if (written)
        written = m_recordSet.update();
    if (!written) {
        m_recordSet.cancelUpdate();
        if (error)
            *error = written.error();
        return false;
    }
    for (const auto& [index, text] : changes)
        m_bindings[index].shown = text;
    return true;
}
