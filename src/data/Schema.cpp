#include "data/Schema.h"

namespace Schema {

const QList<DatabaseSchema>& databases()
{
    static const QList<DatabaseSchema> all{
        {CleaningFile,
         {{CleaningTable,
           {NameField,
            QStringLiteral("Full Name"),
            QStringLiteral("Cleaning Code"),
            QStringLiteral("Water Temperature"),
            QStringLiteral("Notes"),
            PersonalNotesField,
            IdField,
            QStringLiteral("United No"),
            QStringLiteral("Pollution Category"),
            QStringLiteral("Compatability Chart No"),
            QStringLiteral("H1"),
            QStringLiteral("H2"),
            QStringLiteral("H3"),
            QStringLiteral("SG"),
            QStringLiteral("Temp"),
            QStringLiteral("Corr"),
            QStringLiteral("Colour"),
            QStringLiteral("Boil"),
            QStringLiteral("Melt"),
            QStringLiteral("Heat Adj"),
            QStringLiteral("Flash"),
            QStringLiteral("SS"),
            QStringLiteral("MS"),
            QStringLiteral("Z"),
            QStringLiteral("Phen"),
            QStringLiteral("Peng"),
            QStringLiteral("Camc N"),
            QStringLiteral("Camc E"),
            QStringLiteral("Remarks"),
            QStringLiteral("Ship Type"),
            QStringLiteral("Tank Type"),
            QStringLiteral("Compliance"),
            QStringLiteral("Solubility"),
            QStringLiteral("Heat V"),
            QStringLiteral("Heat D"),
            QStringLiteral("CLASS")}}}},
        {JoTankersFile,
         {{QStringLiteral("Cargoes"),
           {QStringLiteral("ID Number"),
            QStringLiteral("PRODUCT"),
            QStringLiteral("SYNONIMS"),
            QStringLiteral("USCG"),
            QStringLiteral("UN"),
            QStringLiteral("CAS No"),
            QStringLiteral("IMO chp"),
            QStringLiteral("IMO code"),
            QStringLiteral("IMO type"),
            QStringLiteral("MARPOL category"),
            QStringLiteral("Boiling point"),
            QStringLiteral("Melting point"),
            QStringLiteral("Flash point"),
            QStringLiteral("Specific Gravity"),
            QStringLiteral("Viscosity"),
            QStringLiteral("Heating Voyage"),
            QStringLiteral("Heating Discharge"),
            QStringLiteral("Maximum Adjacent"),
            QStringLiteral("External Heating"),
            QStringLiteral("Nitro"),
            QStringLiteral("Remarks"),
            QStringLiteral("SS"),
            QStringLiteral("Z"),
            QStringLiteral("E")}}}},
        {HenkelFile,
         {{QStringLiteral("VegOils"),
           {QStringLiteral("Product"), QStringLiteral("PreWash"), QStringLiteral("Final")}},
          {QStringLiteral("Additional"), {QStringLiteral("Chemical"), QStringLiteral("Solution")}},
          {QStringLiteral("Solutions"),
           {QStringLiteral("Mixture"), QStringLiteral("Medium"), QStringLiteral("Coating"),
            QStringLiteral("Temp"), QStringLiteral("Group")}}}},
        {UnitorFile, {{QStringLiteral("Unitor"), {QStringLiteral("Name"), QStringLiteral("Code")}}}},
    };
    return all;
}

const DatabaseSchema* database(const QString& fileName)
{
    for (const DatabaseSchema& schema : databases()) {
        if (schema.fileName == fileName)
            return &schema;
    }
    return nullptr;
}

QList<Missing> missingFrom(const DatabaseSchema& schema, const ColumnsOf& columnsOf)
{
    QList<Missing> missing;
    for (const TableSchema& table : schema.tables) {
        const std::optional<QStringList> columns = columnsOf(table.name);
        if (!columns) {
            missing << Missing{table.name, {}};
            continue;
        }
        for (const QString& field : table.fields) {
            if (!columns->contains(field, Qt::CaseInsensitive))
                missing << Missing{table.name, field};
        }
    }
    return missing;
}

} // namespace Schema
