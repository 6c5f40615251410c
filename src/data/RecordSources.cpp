#include "data/RecordSources.h"

namespace RecordSources {

const QString DtaA = QStringLiteral(
    "select CleaningA.[Abbreviated Name],CleaningA.[Full Name],CleaningA.[Cleaning Code],"
    "CleaningA.[Water Temperature],CleaningA.[Notes],CleaningA.[Personal Notes],CleaningA.[ID  Number],"
    "CleaningA.[United No],CleaningA.[Pollution Category], CleaningA.[Compatability Chart No],CleaningA.[H1],"
    "CleaningA.[H2],CleaningA.[H3],CleaningA.[SG],CleaningA.[Temp],CleaningA.[Corr],CleaningA.[Colour],"
    "CleaningA.[Boil],CleaningA.[Melt],CleaningA.[Heat Adj],CleaningA.[Flash],CleaningA.[SS],CleaningA.[MS],"
    "CleaningA.[Z],CleaningA.[Phen],CleaningA.[Peng],CleaningA.[Camc N],CleaningA.[Camc E],"
    "CleaningA.[Remarks],CleaningA.[Ship Type],CleaningA.[Tank Type],CleaningA.[Compliance],"
    "CleaningA.[Solubility],CleaningA.[Heat V],CleaningA.[Heat D],CleaningA.[CLASS] from CleaningA order by "
    "CleaningA.[Abbreviated Name]");

const QString DtaJo = QStringLiteral(
    "select Cargoes.[ID Number],Cargoes.[PRODUCT],Cargoes.[SYNONIMS],Cargoes.[USCG],Cargoes.[UN],"
    "Cargoes.[CAS No],Cargoes.[IMO chp],Cargoes.[IMO code],Cargoes.[IMO type],Cargoes.[MARPOL category], "
    "Cargoes.[Boiling point],Cargoes.[Melting point],Cargoes.[Flash point],Cargoes.[Specific Gravity],"
    "Cargoes.[Viscosity],Cargoes.[Heating Voyage],Cargoes.[Heating Discharge],Cargoes.[Maximum Adjacent],"
    "Cargoes.[External Heating],Cargoes.[Nitro],Cargoes.[Remarks],Cargoes.[SS],Cargoes.[Z],Cargoes.[E] from "
    "Cargoes order by Cargoes.[PRODUCT]");

const QString DtaH = QStringLiteral(
    "select VegOils.[Product],VegOils.[PreWash],VegOils.[Final]from VegOils order by VegOils.[Product]");

const QString dtaH1 = QStringLiteral(
    "select Additional.[Chemical],Additional.[Solution]from Additional order by Additional.[Chemical]");

const QString dtaChem = QStringLiteral(
    "select Solutions.[Mixture],Solutions.[Medium],Solutions.[Coating],Solutions.[Temp],Solutions.[Group] "
    "from "
    "Solutions order by Solutions.[Mixture]");

const QString DtaU = QStringLiteral("select Unitor.[Name],Unitor.[Code] from Unitor order by Unitor.[Name]");

const QString dtaU = QStringLiteral(
    "select CleaningA.[Abbreviated Name],CleaningA.[Compatability Chart No] from CleaningA order by "
    "CleaningA.[Abbreviated Name]");

} // namespace RecordSources

QList<Criterion> CriterionPrefixes::searchedColumns()
{
    QList<Criterion> columns;
    for (const QString& prefix :
         {CleaningName, JoProduct, HenkelOil, HenkelChemical, HenkelMixture, UnitorName})
        columns << *Criterion::parse(Criterion::build(prefix, QString()));
    return columns;
}
