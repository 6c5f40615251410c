#include "data/PersonalNotes.h"

#include "data/EngineMessage.h"
#include "data/JsonSyntaxError.h"
#include "data/Schema.h"
#include "data/SqlName.h"
#include "data/Transaction.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace PersonalNotes {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PersonalNotes", text);
}

// The cargoes in the order of the cargo list; equal names in the order of their rows.
QString cargoListQuery()
{
    return QStringLiteral("select rowid, %1, %2, %3 from %4 order by %1, rowid")
        .arg(quotedSqlName(Schema::NameField), quotedSqlName(Schema::IdField),
             quotedSqlName(Schema::PersonalNotesField), quotedSqlName(Schema::CleaningTable));
}

// A cargo is known by its name and ID number; a missing value counts as an empty text.
using Key = std::pair<QString, QString>;

struct Cargo {
    qint64 rowId;
    Key key;
    QString notes;
};

Failure failed(const QSqlQuery& query, const Database& database)
{
    return Failure{EngineMessage::describe(query.lastError(), database.path())};
}

// Every cargo in the order of the cargo list.
Result<QList<Cargo>> readCargoes(const Database& database)
{
    QSqlQuery query(database.connection());
    query.setForwardOnly(true);
    if (!query.exec(cargoListQuery()))
        return failed(query, database);
    QList<Cargo> cargoes;
    while (query.next())
        cargoes << Cargo{query.value(0).toLongLong(),
                         {query.value(1).toString(), query.value(2).toString()},
                         query.value(3).toString()};
    if (query.lastError().isValid())
        return failed(query, database);
    return cargoes;
}

// A JSON string literal, quotes included.
QByteArray jsonString(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

// The UTF-16 code unit of an escape "\uXXXX" at `at`; nothing for another escape or none.
std::optional<char16_t> escapedUnit(const QByteArray& json, qsizetype at)
{
    if (at + 6 > json.size() || json.at(at) != '\\' || json.at(at + 1) != 'u')
        return std::nullopt;
    bool hex = false;
    const ushort unit = json.mid(at + 2, 4).toUShort(&hex, 16);
    return hex ? std::optional<char16_t>(unit) : std::nullopt;
}

// Qt's JSON reader joins an escaped half of a surrogate pair that stands alone with the character after
// it into another character, which would store a note other than the file's. Where a parsed list holds
// such a half: the number of its entry and the escape; nothing where it holds none.
std::optional<std::pair<qsizetype, QByteArray>> loneSurrogate(const QByteArray& json)
{
    qsizetype entry = 0;
    int depth = 0;
    bool entryNext = false; // within the list, where the next entry begins
    const auto value = [&] {
        if (depth == 1 && entryNext) {
            ++entry;
            entryNext = false;
        }
    };
    for (qsizetype i = 0; i < json.size(); ++i) {
        switch (json.at(i)) {
        case '"':
            value();
            for (++i; i < json.size() && json.at(i) != '"'; ++i) {
                if (json.at(i) != '\\')
                    continue;
                const std::optional<char16_t> unit = escapedUnit(json, i);
                if (!unit) {
                    ++i; // one character escaped: \" \\ \n ...
                    continue;
                }
                if (QChar::isHighSurrogate(*unit)) {
                    const std::optional<char16_t> low = escapedUnit(json, i + 6);
                    if (!low || !QChar::isLowSurrogate(*low))
                        return std::pair{entry, json.mid(i, 6)};
                    i += 6;
                } else if (QChar::isLowSurrogate(*unit)) {
                    return std::pair{entry, json.mid(i, 6)};
                }
                i += 5;
            }
            break;
        case '[':
        case '{':
            value();
            entryNext = ++depth == 1;
            break;
        case ']':
        case '}':
            --depth;
            break;
        case ',':
            entryNext = depth == 1;
            break;
        case ' ':
        case '\t':
        case '\n':
        case '\r':
            break;
        default:
            value();
        }
    }
    return std::nullopt;
}

} // namespace

Result<QList<Note>> read(const Database& database)
{
    const Result<QList<Cargo>> cargoes = readCargoes(database);
    if (!cargoes)
        return Failure{cargoes.error()};
    QList<Note> notes;
    for (const Cargo& cargo : *cargoes) {
        if (!cargo.notes.isEmpty())
            notes << Note{cargo.key.first, cargo.key.second, cargo.notes};
    }
    return notes;
}

QByteArray toJson(const QList<Note>& notes)
{
    QByteArray json("[");
    for (qsizetype i = 0; i < notes.size(); ++i) {
        const Note& note = notes.at(i);
        json += (i == 0 ? "\n" : ",\n");
        json += "  {\"name\": " + jsonString(note.name) + ", \"id\": " + jsonString(note.id) +
                ", \"notes\": " + jsonString(note.text) + '}';
    }
    json += "\n]\n";
    return json;
}

Result<QList<Note>> fromJson(const QByteArray& json)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return Failure{tr("not JSON: %1").arg(describeJsonSyntaxError(json, parseError))};
    if (!document.isArray())
        return Failure{tr("not a list of notes")};
    if (const auto lone = loneSurrogate(json))
        return Failure{tr("note %1 holds \"%2\", half of a character without its other half")
                           .arg(lone->first)
                           .arg(QString::fromLatin1(lone->second))};
    QList<Note> notes;
    const QJsonArray entries = document.array();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QJsonObject entry = entries.at(i).toObject();
        const QJsonValue id = entry.value(QLatin1String("id"));
        if (!entry.value(QLatin1String("name")).isString() ||
            !entry.value(QLatin1String("notes")).isString() || !(id.isString() || id.isNull()))
            return Failure{tr("note %1 is not {\"name\": text, \"id\": text, \"notes\": text}").arg(i + 1)};
        notes << Note{entry.value(QLatin1String("name")).toString(), id.toString(),
                      entry.value(QLatin1String("notes")).toString()};
    }
    return notes;
}

Result<Placement> write(const Database& database, const QList<Note>& notes, Different different)
{
    Transaction transaction(database);
    if (const Result<> begun = transaction.begin(); !begun)
        return Failure{begun.error()};

    const Result<QList<Cargo>> list = readCargoes(database);
    if (!list)
        return Failure{list.error()};
    QHash<Key, QList<Cargo>> cargoes;
    for (const Cargo& cargo : *list)
        cargoes[cargo.key] << cargo;

    QSqlQuery update(database.connection());
    update.prepare(QStringLiteral("update %1 set %2 = ? where rowid = ?")
                       .arg(quotedSqlName(Schema::CleaningTable), quotedSqlName(Schema::PersonalNotesField)));

    Placement placement;
    QHash<Key, QStringList> taken; // the texts of the notes given to the cargoes of each key so far
    for (const Note& note : notes) {
        if (note.text.isEmpty())
            continue;
        const Key key{note.name, note.id};
        const QList<Cargo>& candidates = cargoes.value(key);
        QStringList& given = taken[key];
        if (given.size() >= candidates.size()) {
            if (candidates.isEmpty())
                placement.noCargo << note;
            else
                (given.contains(note.text) ? placement.repeatedSame : placement.repeated) << note;
            continue;
        }
        const Cargo& cargo = candidates.at(given.size());
        given << note.text;
        if (cargo.notes == note.text) {
            placement.equal << note;
        } else if (cargo.notes.isEmpty() || different == Different::Replace) {
            update.addBindValue(note.text);
            update.addBindValue(cargo.rowId);
            if (!update.exec())
                return failed(update, database);
            (cargo.notes.isEmpty() ? placement.filled : placement.replaced) << note;
        } else {
            placement.different << note;
        }
    }
    update.finish();
    if (const Result<> committed = transaction.commit(); !committed)
        return Failure{committed.error()};
    return placement;
}

} // namespace PersonalNotes
