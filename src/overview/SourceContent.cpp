#include "overview/SourceContent.h"

#include "adviser/CargoAdvice.h"
#include "adviser/UnitorCatalogue.h"
#include "adviser/Vocabulary.h"
#include "charts/CompatibilityChart.h"
#include "charts/CompatibilityExceptions.h"
#include "charts/HazardRatings.h"
#include "data/RecordSet.h"
#include "help/Manual.h"
#include "jo/CleaningMethods.h"
#include "jo/ProductAdvice.h"
#include "search/SearchText.h"
#include "suppliers/HenkelGuide.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("CargoOverview", text);
}

// The vocabulary's texts break their lines with CR LF; the overview with LF alone, as Qt's texts do.
QString plain(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QString orNone(const QString& text)
{
    return text.trimmed().isEmpty() ? tr("none") : plain(text);
}

// A code followed, on the next line, by what it stands for.
QString decoded(const QString& code, const QString& meaning)
{
    if (code.isEmpty())
        return tr("none");
    return meaning.isEmpty() ? code : code + u'\n' + plain(meaning);
}

QString numberAndName(const QString& number, const std::optional<QString>& name)
{
    if (number.isEmpty())
        return tr("none");
    return name ? number + u' ' + *name : number;
}

struct FieldLine {
    const char* label;
    const char* field;
    const char* unit;
};

// "Label: value unit" for each field that holds a value, one a line.
QString fieldLines(const RecordSet& record, const QList<FieldLine>& fields)
{
    QStringList lines;
    for (const FieldLine& line : fields) {
        const QString value = record.value(QLatin1String(line.field)).trimmed();
        if (value.isEmpty())
            continue;
        const QString unit = QLatin1String(line.unit);
        lines << QLatin1String(line.label) + QLatin1String(": ") + value +
                     (unit.isEmpty() ? QString() : u' ' + unit);
    }
    return lines.isEmpty() ? tr("none") : lines.join(u'\n');
}

QString hazardRatings(const RecordSet& cargo)
{
    QStringList lines;
    for (const HazardRatings::Scale& scale : HazardRatings::scales()) {
        const QString rating = cargo.value(scale.name).trimmed();
        const QString description = HazardRatings::description(scale, rating);
        lines << scale.name + QLatin1String(": ") + (rating.isEmpty() ? tr("none") : rating) +
                     (description.isEmpty() ? QString() : QLatin1String(" - ") + description);
    }
    return lines.join(u'\n');
}

} // namespace

namespace SourceContent {

QList<TitledText> tavro(const QString& name, const RecordSet& cargo)
{
    const CargoCodes codes = CargoCodes::fromRecord(name, cargo);
    AdviceDisplay advice;
    bool contactOperator = false;
    adviseCargo(codes, advice, [&contactOperator](const AdviceDisplay&) { contactOperator = true; });
    const QString cleaningText = contactOperator ? Vocabulary::contactOperatorText() : advice.cleaningText;

    static const QList<FieldLine> physical{
        {"ID Number", "ID  Number", ""},
        {"United Number", "United No", ""},
        {"Specific Gravity", "SG", ""},
        {"at temp", "Temp", "deg.C"},
        {"Correction Factor", "Corr", ""},
        {"Color", "Colour", ""},
        {"Boiling Point", "Boil", "deg.C"},
        {"Melting Point", "Melt", "deg.C"},
        {"Flash Point", "Flash", "deg.C"},
        {"Heat Adj.", "Heat Adj", "deg.C"},
        {"Heat Req. Voyage", "Heat V", "deg.C"},
        {"Heat Req. Disch", "Heat D", "deg.C"},
        {"Ship Type", "Ship Type", ""},
        {"Tank Type", "Tank Type", ""},
        {"Solubility", "Solubility", ""},
        {"Compliance", "Compliance", ""},
        {"Remarks", "Remarks", ""},
    };
    static const QList<FieldLine> coatings{
        {"Stainless", "SS", ""},       {"Mild Steel", "MS", ""},  {"Z-11", "Z", ""},
        {"Phenoline 373", "Phen", ""}, {"Phenguard", "Peng", ""}, {"Camcote N", "Camc N", ""},
        {"Camcote EP", "Camc E", ""},
    };
    return {
        {tr("Cleaning code"), decoded(codes.cleaningCode, cleaningText)},
        {tr("Water temperature"), decoded(codes.waterTemperature, advice.temperatureText)},
        {tr("Notes"), decoded(codes.notes, advice.notesText)},
        {tr("Hazard ratings"), hazardRatings(cargo)},
        {tr("IMDG class"), numberAndName(codes.imdgClass, Vocabulary::imdgClassName(codes.imdgClass))},
        {tr("Pollution category"), orNone(codes.pollutionCategory)},
        {tr("USCG group"), numberAndName(codes.groupNumber, Vocabulary::uscgGroupName(codes.groupNumber))},
        {tr("Physical and handling data"), fieldLines(cargo, physical)},
        {tr("Tank coatings"), fieldLines(cargo, coatings)},
        {tr("Personal notes"), orNone(codes.personalNotes)},
    };
}

QList<int> methodsNamed(const QString& remarks)
{
    // "method 11", "methods 2 and 4", "METHOD 3, 5 OR 7"
    static const QRegularExpression named(
        QStringLiteral("\\bmethods?\\s*((?:\\d+(?:\\s*(?:,|and|or|&)\\s*)?)+)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression number(QStringLiteral("\\d+"));
    QList<int> methods;
    for (const QRegularExpressionMatch& list : named.globalMatch(remarks)) {
        for (const QRegularExpressionMatch& digits : number.globalMatch(list.captured(1))) {
            const int method = digits.captured().toInt();
            if (method >= 1 && method <= CleaningMethods::Count && !methods.contains(method))
                methods << method;
        }
    }
    return methods;
}

QList<TitledText> jo(const RecordSet& product)
{
    ProductNames names;
    const ProductCodes codes = ProductCodes::fromRecord(product);
    nameProduct(codes, names);
    const QString remarks = product.value(QStringLiteral("Remarks"));
    QList<TitledText> texts{
        {tr("USCG group"),
         numberAndName(codes.groupNumber,
                       names.groupName.isEmpty() ? std::nullopt : std::optional<QString>(names.groupName))},
        {tr("IMDG class"),
         numberAndName(codes.imoCode,
                       names.className.isEmpty() ? std::nullopt : std::optional<QString>(names.className))},
        {tr("Remarks"), orNone(remarks)},
    };
    const QList<int> methods = methodsNamed(remarks);
    if (methods.isEmpty())
        texts << TitledText{tr("Cleaning method"), tr("The remarks name no cleaning method.")};
    for (int method : methods)
        texts << TitledText{tr("Cleaning method %1").arg(method), plain(CleaningMethods::text(method))};
    return texts;
}

QList<TitledText> henkel(const RecordSet& entry)
{
    using namespace HenkelGuide;
    if (entry.fieldIndex(Fields::PreWash) >= 0)
        return {{tr("Pre-wash"), orNone(entry.value(Fields::PreWash))},
                {tr("Final cleaning"), orNone(entry.value(Fields::Final))}};
    return {{tr("Solution"), orNone(entry.value(Fields::Solution))}};
}

QList<ManualTopic> unitorTopics(const QString& catalogueName, const Manual* manual)
{
    static const QString file = QStringLiteral("Unitor.hlp");
    const auto topic = [&](int context, const QString& group) {
        QString title;
        if (manual) {
            const Result<std::optional<Manual::Topic>> found = manual->topic(context);
            if (found && found->has_value())
                title = (*found)->title;
        }
        if (title.isEmpty())
            title = tr("Topic %1").arg(context);
        return ManualTopic{title, file, context, group};
    };
    const UnitorCatalogue::Advice advice = UnitorCatalogue::adviceFor(catalogueName);
    QList<ManualTopic> topics;
    for (int context : advice.topics)
        topics << topic(context, {});
    for (QChar group : advice.groups) {
        for (int context : UnitorCatalogue::topicsFor(catalogueName, group))
            topics << topic(context, QString(group));
    }
    return topics;
}

QList<TitledText> unitor(const QList<ManualTopic>& topics)
{
    QStringList direct;
    QStringList byGroup;
    for (const ManualTopic& topic : topics) {
        if (topic.loadingGroup.isEmpty())
            direct << topic.title;
        else
            byGroup << tr("Loading group %1: %2").arg(topic.loadingGroup, topic.title);
    }
    QList<TitledText> texts;
    if (!direct.isEmpty())
        texts << TitledText{tr("Topics"), direct.join(u'\n')};
    if (!byGroup.isEmpty())
        texts << TitledText{tr("By the next cargo's loading group"), byGroup.join(u'\n')};
    return texts;
}

QList<int> groupsNamedIn(const QString& line)
{
    // "Group 5", "Groups 1-3, 5-9, 15 and 37", "Groups 6 (Ammonia) and 7 (Aliphatic amines)"
    static const QRegularExpression listed(
        QStringLiteral(
            "\\bGroups?\\s+(?:Group\\s+)?(\\d+(?:\\s*-\\s*\\d+)?(?:\\s*\\([^)]*\\))?"
            "(?:\\s*(?:,|and|or)\\s*(?:,|and|or)?\\s*\\d+(?:\\s*-\\s*\\d+)?(?:\\s*\\([^)]*\\))?)*)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression item(QStringLiteral("(\\d+)(?:\\s*-\\s*(\\d+))?|\\([^)]*\\)"));
    QList<int> groups;
    for (const QRegularExpressionMatch& list : listed.globalMatch(line)) {
        for (const QRegularExpressionMatch& range : item.globalMatch(list.captured(1))) {
            if (range.captured(1).isEmpty())
                continue; // a name in parentheses after a group's number
            const int first = range.captured(1).toInt();
            const int last = range.captured(2).isEmpty() ? first : range.captured(2).toInt();
            for (int group = first; group <= last && group - first < 100; ++group) {
                if (!groups.contains(group))
                    groups << group;
            }
        }
    }
    return groups;
}

QStringList cargoesNamedIn(const QString& line)
{
    // Each cargo is written with its group after it, "Acetone (18)"; its name reaches back to the
    // line's dash or the comma, "with", "and" or "or" before it.
    static const QRegularExpression group(QStringLiteral("\\(\\d+\\)"));
    static const QRegularExpression before(QStringLiteral("^.*(?:^|,|\\bwith\\b|\\band\\b|\\bor\\b|^\\s*-)"),
                                           QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : group.globalMatch(line)) {
        QString name = line.mid(from, match.capturedStart() - from);
        name.remove(before);
        from = match.capturedEnd();
        const QString folded = SearchText::folded(name);
        if (!folded.isEmpty())
            names << folded;
    }
    return names;
}

CompatibilityFacts compatibility(const QString& group, const QStringList& cargoNames)
{
    using namespace CompatibilityChart;
    CompatibilityFacts facts{group, Vocabulary::uscgGroupName(group).value_or(QString()), {}, {}};
    const std::optional<int> row = groupNamed(group, rowGroups());
    if (row) {
        for (int column : markedColumns(*row)) {
            const QString number = numeral(column);
            facts.incompatible << number + u' ' + Vocabulary::uscgGroupName(number).value_or(QString());
        }
    }
    // The group's own list, as the chart window shows it, then every line elsewhere that names the group
    // as a whole or the cargo itself; a line on another cargo whose name only begins like the cargo's
    // ("Acetone Cyanohydrin") is no exception of the cargo.
    const std::optional<int> number = group == QLatin1String("0") ? std::optional<int>(0) : row;
    QStringList folded;
    for (const QString& name : cargoNames)
        folded << SearchText::folded(name);
    QList<int> groups{0};
    groups << rowGroups();
    for (int listGroup : groups) {
        const std::optional<QString> text = CompatibilityExceptions::textOf(numeral(listGroup));
        if (!text)
            continue;
        const bool own = number == listGroup;
        for (const QString& line : text->split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
            const QStringList named = cargoesNamedIn(line);
            const bool namesCargo = std::any_of(named.cbegin(), named.cend(), [&folded](const QString& name) {
                return folded.contains(name);
            });
            if (own || namesCargo || (number && groupsNamedIn(line).contains(*number)))
                facts.exceptions << line;
        }
    }
    return facts;
}

QList<TitledText> compatibility(const CompatibilityFacts& facts)
{
    return {
        {tr("USCG group"), facts.groupName.isEmpty() ? facts.group : facts.group + u' ' + facts.groupName},
        {tr("Not to be stowed next to"),
         facts.incompatible.isEmpty() ? tr("no group the chart marks") : facts.incompatible.join(u'\n')},
        {tr("Exceptions"), facts.exceptions.isEmpty() ? tr("none") : facts.exceptions.join(u'\n')},
    };
}

} // namespace SourceContent
