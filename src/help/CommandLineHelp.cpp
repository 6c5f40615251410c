#include "help/CommandLineHelp.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("CommandLineHelp", text);
}

// The width a terminal has at least.
constexpr qsizetype LineWidth = 79;

// The words of a text in lines no wider than `width`, each line after the first indented by `indent`.
QString wrapped(const QString& text, qsizetype indent, qsizetype width)
{
    QString lines;
    qsizetype lineLength = indent;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (lineLength > indent && lineLength + 1 + word.size() > width) {
            lines += QLatin1Char('\n') + QString(indent, QLatin1Char(' '));
            lineLength = indent;
        } else if (lineLength > indent) {
            lines += QLatin1Char(' ');
            ++lineLength;
        }
        lines += word;
        lineLength += word.size();
    }
    return lines;
}

// Paragraphs, each wrapped to the terminal's width.
QString paragraphs(const QString& text)
{
    QStringList wrappedParagraphs;
    for (const QString& paragraph : text.split(QStringLiteral("\n\n")))
        wrappedParagraphs << wrapped(paragraph, 0, LineWidth);
    return wrappedParagraphs.join(QStringLiteral("\n\n")) + QLatin1Char('\n');
}

// Rows of two columns, the second starting at one place for all and wrapped beside the first.
QString table(const QList<std::pair<QString, QString>>& rows)
{
    qsizetype width = 0;
    for (const auto& row : rows)
        width = std::max(width, row.first.size());
    QString text;
    for (const auto& [left, right] : rows) {
        const qsizetype indent = 2 + width + 2;
        text += QStringLiteral("  ") + left.leftJustified(width + 2) + wrapped(right, indent, LineWidth) +
                QLatin1Char('\n');
    }
    return text;
}

QString optionTable(const QList<ArgumentHelp>& options)
{
    QList<std::pair<QString, QString>> rows;
    for (const ArgumentHelp& option : options)
        rows << std::pair{option.synopsis(), option.description};
    return table(rows);
}

QString exitCodeTable(const QList<ExitCodeHelp>& exitCodes)
{
    QList<std::pair<QString, QString>> rows;
    for (const ExitCodeHelp& exitCode : exitCodes)
        rows << std::pair{QString::number(exitCode.code), exitCode.meaning};
    return table(rows);
}

QString usageLines(const QStringList& usages)
{
    const QString usage = tr("usage: ");
    return usage + usages.join(QLatin1Char('\n') + QString(usage.size(), QLatin1Char(' '))) +
           QLatin1Char('\n');
}

// Text for roff: its escape character doubled, and a line that would start with a control character
// kept as text.
QString roffText(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\e"));
    escaped.replace(QRegularExpression(QStringLiteral("^([.'])"), QRegularExpression::MultilineOption),
                    QStringLiteral("\\&\\1"));
    return escaped;
}

// A command line in roff: options and words to type in bold, the values to put in in italics, minus signs
// that are no hyphens.
QString roffCommandLine(const QString& line)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z0-9_.-]+"));
    QString formatted;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : word.globalMatch(line)) {
        formatted += roffText(line.mid(from, match.capturedStart() - from));
        QString token = match.captured();
        const bool toType = token.startsWith(QLatin1Char('-')) || token != token.toUpper();
        token = roffText(token).replace(QLatin1Char('-'), QLatin1String("\\-"));
        formatted +=
            (toType ? QStringLiteral("\\fB") : QStringLiteral("\\fI")) + token + QStringLiteral("\\fR");
        from = match.capturedEnd();
    }
    return formatted + roffText(line.mid(from));
}

QString roffTaggedParagraphs(const QList<std::pair<QString, QString>>& rows)
{
    QString page;
    for (const auto& [tag, text] : rows)
        page += QStringLiteral(".TP\n") + tag + QLatin1Char('\n') + roffText(text) + QLatin1Char('\n');
    return page;
}

QString roffOptions(const QList<ArgumentHelp>& options)
{
    QList<std::pair<QString, QString>> rows;
    for (const ArgumentHelp& option : options)
        rows << std::pair{roffCommandLine(option.synopsis()), option.description};
    return roffTaggedParagraphs(rows);
}

QString roffExitCodes(const QList<ExitCodeHelp>& exitCodes)
{
    QList<std::pair<QString, QString>> rows;
    for (const ExitCodeHelp& exitCode : exitCodes)
        rows << std::pair{QStringLiteral(".B ") + QString::number(exitCode.code), exitCode.meaning};
    return roffTaggedParagraphs(rows);
}

QString roffUsages(const QStringList& usages)
{
    QString page = QStringLiteral(".nf\n");
    for (const QString& usage : usages)
        page += roffCommandLine(usage) + QLatin1Char('\n');
    return page + QStringLiteral(".fi\n");
}

QString roffCommand(const CommandHelp& command)
{
    QString page = QStringLiteral(".SS ") + command.name + QLatin1Char('\n') + roffUsages(command.usages) +
                   QStringLiteral(".PP\n") + roffText(command.summary) + QStringLiteral(". ") +
                   roffText(command.description) + QLatin1Char('\n');
    if (!command.arguments.isEmpty() || !command.options.isEmpty())
        page += QStringLiteral(".RS\n") + roffOptions(command.arguments + command.options) +
                QStringLiteral(".RE\n");
    if (!command.exitCodes.isEmpty())
        page += QStringLiteral(".PP\n") + tr("Exit codes:") + QStringLiteral("\n.RS\n") +
                roffExitCodes(command.exitCodes) + QStringLiteral(".RE\n");
    return page + QStringLiteral(".PP\n") + tr("Example:") + QStringLiteral("\n.RS\n.EX\n") +
           roffCommandLine(command.example) + QStringLiteral("\n.EE\n.RE\n");
}

} // namespace

QString ArgumentHelp::synopsis() const
{
    return value.isEmpty() ? name : name + QLatin1Char(' ') + value;
}

QStringList ArgumentHelp::names() const
{
    return name.split(QStringLiteral(", "));
}

QCommandLineOption ArgumentHelp::parserOption() const
{
    QStringList bare;
    for (const QString& typed : names())
        bare << typed.mid(typed.startsWith(QLatin1String("--")) ? 2 : 1);
    return {bare, description, value};
}

const CommandHelp* ProgramHelp::command(const QString& name) const
{
    const auto found = std::find_if(commands.cbegin(), commands.cend(),
                                    [&name](const CommandHelp& command) { return command.name == name; });
    return found == commands.cend() ? nullptr : &*found;
}

namespace CommandLineHelp {

QString programText(const ProgramHelp& program, const QString& folders)
{
    QString text = usageLines(program.usages) + QLatin1Char('\n') + paragraphs(program.description);
    if (!program.commands.isEmpty()) {
        QList<std::pair<QString, QString>> rows;
        for (const CommandHelp& command : program.commands)
            rows << std::pair{command.name, command.summary + QLatin1Char('.')};
        text += QLatin1Char('\n') + tr("Commands:") + QLatin1Char('\n') + table(rows);
    }
    text += QLatin1Char('\n') +
            (program.commands.isEmpty() ? tr("Options:") : tr("Options of every command:")) +
            QLatin1Char('\n') + optionTable(program.options);
    if (!folders.isEmpty())
        text += QLatin1Char('\n') + folders;
    if (!program.commands.isEmpty())
        text += QLatin1Char('\n') +
                tr("'%1 COMMAND --help' tells more of a command; 'man %1' tells all.").arg(program.name) +
                QLatin1Char('\n');
    return text;
}

QString commandText(const ProgramHelp& program, const CommandHelp& command)
{
    QString text = usageLines(command.usages) + QLatin1Char('\n') +
                   wrapped(command.summary + QStringLiteral(". ") + command.description, 0, LineWidth) +
                   QLatin1Char('\n');
    if (!command.arguments.isEmpty())
        text += QLatin1Char('\n') + tr("Arguments:") + QLatin1Char('\n') + optionTable(command.arguments);
    text += QLatin1Char('\n') + tr("Options:") + QLatin1Char('\n') +
            optionTable(command.options + program.options);
    const QList<ExitCodeHelp>& exitCodes =
        command.exitCodes.isEmpty() ? program.exitCodes : command.exitCodes;
    text += QLatin1Char('\n') + tr("Exit codes:") + QLatin1Char('\n') + exitCodeTable(exitCodes);
    text += QLatin1Char('\n') + tr("Example:") + QStringLiteral("\n  ") + command.example + QLatin1Char('\n');
    return text;
}

QString manualPage(const ProgramHelp& program, const QString& version)
{
    QString title = program.name.toUpper();
    QString page = QStringLiteral(".TH %1 1 \"\" \"Velcarin %2\" \"User Commands\"\n")
                       .arg(title.replace(QLatin1Char('-'), QLatin1String("\\-")), version);
    page += QStringLiteral(".SH NAME\n") +
            roffText(program.name).replace(QLatin1Char('-'), QLatin1String("\\-")) + QStringLiteral(" \\- ") +
            roffText(program.summary) + QLatin1Char('\n');
    page += QStringLiteral(".SH SYNOPSIS\n") + roffUsages(program.usages);
    page += QStringLiteral(".SH DESCRIPTION\n") +
            roffText(program.description).replace(QStringLiteral("\n\n"), QStringLiteral("\n.PP\n")) +
            QLatin1Char('\n');
    if (!program.commands.isEmpty()) {
        page += QStringLiteral(".SH COMMANDS\n");
        for (const CommandHelp& command : program.commands)
            page += roffCommand(command);
    }
    page += QStringLiteral(".SH OPTIONS\n") + roffOptions(program.options);
    page += QStringLiteral(".SH EXIT STATUS\n") + roffExitCodes(program.exitCodes);
    QList<std::pair<QString, QString>> environment;
    for (const FileHelp& variable : program.environment)
        environment << std::pair{QStringLiteral(".B ") + variable.path, variable.description};
    page += QStringLiteral(".SH ENVIRONMENT\n") + roffTaggedParagraphs(environment);
    QList<std::pair<QString, QString>> files;
    for (const FileHelp& file : program.files)
        files << std::pair{QStringLiteral(".I ") + roffText(file.path), file.description};
    page += QStringLiteral(".SH FILES\n") + roffTaggedParagraphs(files);
    QList<std::pair<QString, QString>> examples;
    for (const FileHelp& example : program.examples)
        examples << std::pair{roffCommandLine(example.path), example.description};
    page += QStringLiteral(".SH EXAMPLES\n") + roffTaggedParagraphs(examples);
    if (!program.seeAlso.isEmpty()) {
        QStringList references;
        for (const QString& reference : program.seeAlso)
            references << QStringLiteral(".BR ") + reference.section(QLatin1Char('('), 0, 0) +
                              QStringLiteral(" (") + reference.section(QLatin1Char('('), 1);
        page += QStringLiteral(".SH SEE ALSO\n") + references.join(QStringLiteral(",\n")) + QLatin1Char('\n');
    }
    return page;
}

} // namespace CommandLineHelp
