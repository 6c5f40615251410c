#include "search/DatabaseDocuments.h"

#include "adviser/UnitorCatalogue.h"
#include "data/Database.h"
#include "data/PersonalNotes.h"
#include "data/Schema.h"
#include "data/SqlName.h"
#include "data/SqliteConnection.h"
#include "data/SqliteStatement.h"
#include "jo/ProductAdvice.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>

namespace DatabaseDocuments {

namespace {

using Kind = SearchDocument::Kind;

QString tr(const char* text)
{
    return QCoreApplication::translate("DatabaseDocuments", text);
}

// A field of a table and what its text is to the search.
struct SearchedField {
    QString field;
    Kind kind;
    bool synonymList = false; // a product's list of synonyms, each a document of its own
};

// The rows of one table, each known by the value of its name field.
struct SearchedTable {
    SearchSource source;
    QString table;
    QString nameField;
    QList<SearchedField> fields;
};

Failure unreadable(const QString& path, const QString& reason)
{
    return Failure{tr("%1 cannot be read: %2").arg(QFileInfo(path).fileName(), reason)};
}

// Documents without repeats: two rows of the same name give the same entry once.
class DocumentList {
public:
    void add(SearchDocument document)
    {
        const QString key =
            QStringList{QString::number(int(document.kind)), document.name, document.field, document.text}
                .join(QChar(0x1f));
        if (m_seen.contains(key))
            return;
        m_seen.insert(key);
        m_documents << std::move(document);
    }
    QList<SearchDocument> take() { return std::move(m_documents); }

private:
    QList<SearchDocument> m_documents;
    QSet<QString> m_seen;
};

Result<QList<SearchDocument>> read(const QString& path, const SearchedTable& searched)
{
    if (!QFileInfo(path).isFile())
        return Failure{tr("%1 is missing").arg(QFileInfo(path).fileName())};
    SqliteConnection db;
    if (const Result<> opened = db.open(path, SqliteConnection::Mode::ReadOnly); !opened)
        return unreadable(path, opened.error());
    QStringList columns{quotedSqlName(searched.nameField)};
    for (const SearchedField& field : searched.fields)
        columns << quotedSqlName(field.field);
    SqliteStatement query(db.handle(),
                          QStringLiteral("select %1 from %2 order by rowid")
                              .arg(columns.join(QLatin1Char(',')), quotedSqlName(searched.table)));
    DocumentList documents;
    while (query.next()) {
        const QString name = query.text(0);
        // A row without a name cannot be picked, so no result could open it.
        if (name.trimmed().isEmpty())
            continue;
        for (int column = 0; column < searched.fields.size(); ++column) {
            const SearchedField& field = searched.fields.at(column);
            const QString value = query.text(column + 1);
            const QStringList texts = field.synonymList ? synonymsOf(value) : QStringList{value.trimmed()};
            for (const QString& text : texts) {
                if (!text.isEmpty())
                    documents.add(
                        SearchDocument{searched.source, field.kind, name, field.field, text, {}, {}});
            }
        }
    }
    if (const Result<> finished = query.finished(); !finished)
        return unreadable(path, finished.error());
    return documents.take();
}

} // namespace

Result<QList<SearchDocument>> tavro(const QString& path)
{
    return read(path, {SearchSource::Tavro,
                       Schema::CleaningTable,
                       Schema::NameField,
                       {{Schema::NameField, Kind::Name},
                        {QStringLiteral("Full Name"), Kind::FullName},
                        {Schema::IdField, Kind::Number},
                        {QStringLiteral("United No"), Kind::Number}}});
}

Result<QList<SearchDocument>> notes(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return Failure{tr("%1 is missing").arg(QFileInfo(path).fileName())};
    const Result<Database> database = Database::open(path, true);
    if (!database)
        return Failure{database.error()};
    const Result<QList<PersonalNotes::Note>> notes = PersonalNotes::read(*database);
    if (!notes)
        return Failure{notes.error()};
    DocumentList documents;
    for (const PersonalNotes::Note& note : *notes)
        documents.add(SearchDocument{
            SearchSource::Notes, Kind::Note, note.name, Schema::PersonalNotesField, note.text, {}, {}});
    return documents.take();
}

Result<QList<SearchDocument>> jo(const QString& path)
{
    return read(path, {SearchSource::Jo,
                       QStringLiteral("Cargoes"),
                       QStringLiteral("PRODUCT"),
                       {{QStringLiteral("PRODUCT"), Kind::Name},
                        {QStringLiteral("SYNONIMS"), Kind::Synonym, true},
                        {QStringLiteral("UN"), Kind::Number},
                        {QStringLiteral("CAS No"), Kind::Number}}});
}

Result<QList<SearchDocument>> henkelOils(const QString& path)
{
    const QString field = QStringLiteral("Product");
    return read(path, {SearchSource::HenkelOil, QStringLiteral("VegOils"), field, {{field, Kind::Name}}});
}

Result<QList<SearchDocument>> henkelAdditional(const QString& path)
{
    const QString field = QStringLiteral("Chemical");
    return read(path,
                {SearchSource::HenkelAdditional, QStringLiteral("Additional"), field, {{field, Kind::Name}}});
}

Result<QList<SearchDocument>> mixtures(const QString& path)
{
    const QString field = QStringLiteral("Mixture");
    return read(path, {SearchSource::Mixture, QStringLiteral("Solutions"), field, {{field, Kind::Name}}});
}

Result<QList<SearchDocument>> unitorLoading(const QString& path)
{
    const QString field = QStringLiteral("Name");
    return read(path, {SearchSource::UnitorLoading, QStringLiteral("Unitor"), field, {{field, Kind::Name}}});
}

QList<SearchDocument> unitorCatalogue()
{
    DocumentList documents;
    for (const UnitorCatalogue::Entry& entry : UnitorCatalogue::entries()) {
        for (const QString& name : entry.names)
            documents.add(SearchDocument{
                SearchSource::Unitor, Kind::Name, name, QStringLiteral("catalogue"), name, {}, {}});
    }
    return documents.take();
}

} // namespace DatabaseDocuments
