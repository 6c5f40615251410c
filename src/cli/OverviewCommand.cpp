#include "cli/OverviewCommand.h"

#include "cli/AdviseCommand.h"
#include "cli/HenkelCommand.h"
#include "cli/JoCommand.h"
#include "cli/NearMisses.h"
#include "cli/UnitorCommand.h"
#include "data/SampleData.h"
#include "data/Store.h"
#include "overview/CargoOverview.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

const QString PdfOption = QStringLiteral("pdf");

QJsonValue sourceJson(const OverviewSection& section, const CargoOverview& overview)
{
    if (!section.match)
        return QJsonValue::Null;
    switch (section.source) {
    case OverviewSource::Tavro:
        return adviceReport(section.match->name, *section.record).json();
    case OverviewSource::Jo:
        return productReport(*section.record).json();
    case OverviewSource::Unitor: {
        QJsonObject object;
        for (const auto& [key, value] :
             unitorAdviceMembers(section.match->name, UnitorCatalogue::adviceFor(section.match->name)))
            object.insert(key, value);
        return object;
    }
    case OverviewSource::Henkel:
        return henkelAnswer(*section.record);
    case OverviewSource::Compatibility: {
        const CompatibilityFacts& facts = *overview.compatibility();
        return QJsonObject{{QStringLiteral("group"), facts.group},
                           {QStringLiteral("incompatible"), QJsonArray::fromStringList(facts.incompatible)},
                           {QStringLiteral("exceptions"), QJsonArray::fromStringList(facts.exceptions)}};
    }
    }
    return QJsonValue::Null;
}

QJsonObject overviewJson(const CargoOverview& overview)
{
    QJsonObject sources;
    QJsonObject matched;
    QJsonObject sameUn;
    for (const OverviewSection& section : overview.sections()) {
        sources.insert(section.key(), sourceJson(section, overview));
        if (section.match)
            matched.insert(section.key(),
                           QJsonObject{{QStringLiteral("name"), section.match->name},
                                       {QStringLiteral("by"), matchedByKey(section.match->by)}});
        if (!section.sameUn.isEmpty())
            sameUn.insert(section.key(), QJsonArray::fromStringList(section.sameUn));
    }
    return {{QStringLiteral("cargo"), overview.cargo()},
            {QStringLiteral("sources"), sources},
            {QStringLiteral("matched"), matched},
            {QStringLiteral("same_un"), sameUn}};
}

void printOverview(const CargoOverview& overview, QTextStream& out)
{
    for (const OverviewSection& section : overview.sections()) {
        out << "== " << section.heading() << '\n' << section.matchLine(overview.cargo()) << '\n';
        for (const TitledText& text : section.texts)
            printField(out, text.title, text.text);
        for (const ManualTopic& topic : section.topics)
            printField(out, QStringLiteral("Link"),
                       QStringLiteral("velcarin-cli help %1 %2").arg(topic.file).arg(topic.context));
        if (!section.sameUn.isEmpty())
            out << section.sameUnLine() << '\n';
    }
}

// The sources whose names are cargoes, where a name no source holds may have come near one.
QList<SearchSource> cargoSources()
{
    QList<SearchSource> sources;
    for (int source = int(SearchSource::Tavro); source <= int(SearchSource::Manual); ++source) {
        if (namesACargo(SearchSource(source)))
            sources << SearchSource(source);
    }
    return sources;
}

} // namespace

bool asksForPdf(const QStringList& arguments)
{
    return std::any_of(arguments.cbegin(), arguments.cend(), [](const QString& argument) {
        return argument == QLatin1String("--pdf") || argument.startsWith(QLatin1String("--pdf="));
    });
}

const CommandHelp& overviewHelp()
{
    static const CommandHelp help{
        QStringLiteral("overview"),
        QStringLiteral("Everything the advisers, the Unitor manual and the chart hold about one cargo"),
        {QStringLiteral("velcarin-cli overview NAME [--json] [--pdf FILE] [--data-dir DIR]")},
        QStringLiteral(
            "A section for each source: Tavro, Jo Tankers, Unitor, Henkel and the compatibility chart. A "
            "source's entry belongs to the cargo when its name is the same, the same up to case, blanks and "
            "punctuation, or a Jo Tankers synonym or Tavro full name of the other; each section says how it "
            "was matched. A UN number alone never matches: other products under the same number are only "
            "listed. The JSON's tavro, jo and unitor objects are those of advise, jo and unitor."),
        {{QStringLiteral("NAME"), {}, QStringLiteral("The cargo's name, in any source's spelling.")}},
        {jsonOption(),
         {QStringLiteral("--pdf"), QStringLiteral("FILE"),
          QStringLiteral("Write the overview to this PDF file as well."), Completion::File}},
        {{ExitCode::Found, QStringLiteral("at least one source holds the cargo")},
         {ExitCode::NotFound, QStringLiteral("no source holds it; the search's nearest names are suggested")},
         {ExitCode::BadUse,
          QStringLiteral("bad use, or a database or the PDF file that cannot be read or written")}},
        QStringLiteral("velcarin-cli overview toluol --json"),
    };
    return help;
}

int runOverview(const QStringList& arguments, CliContext& context, const PdfWriter& writePdf)
{
    CommandLine commandLine(overviewHelp(), 1);
    if (!commandLine.parse(arguments, context))
        return ExitCode::BadUse;
    const QString pdf = commandLine.value(PdfOption);
    if (commandLine.isSet(PdfOption) && (pdf.isEmpty() || !writePdf))
        return commandLine.badUse(context, QStringLiteral("--pdf needs a file name"));
    const QString name = commandLine.positional().first();
    const Result<CargoOverview> overview = CargoOverview::build(commandLine.folders(), name);
    if (!overview) {
        context.err << overview.error() << Qt::endl;
        return ExitCode::BadUse;
    }

    QStringList suggestions;
    if (!overview->holdsCargo()) {
        suggestions = nearNames(commandLine.folders(), name, cargoSources());
        context.err << "no source holds a cargo named " << name << Qt::endl;
        sayDidYouMean(suggestions, context);
    }
    if (commandLine.json()) {
        QJsonObject object = overviewJson(*overview);
        if (!overview->holdsCargo())
            object.insert(QStringLiteral("suggestions"), QJsonArray::fromStringList(suggestions));
        context.out << QJsonDocument(object).toJson(QJsonDocument::Indented);
    } else if (overview->holdsCargo()) {
        printOverview(*overview, context.out);
    }
    if (!overview->holdsCargo())
        return ExitCode::NotFound;

    if (!pdf.isEmpty()) {
        Sheet sheet = overview->sheet();
        if (!SampleData::samplesIn(Store(commandLine.dataDir())).isEmpty())
            sheet.addNotice(SampleData::notice());
        if (const Result<> written = writePdf(sheet, pdf); !written) {
            context.err << "cannot write " << pdf << ": " << written.error() << Qt::endl;
            return ExitCode::BadUse;
        }
    }
    return ExitCode::Found;
}
