#pragma once

#include <QObject>
#include <QString>

#include <functional>

// One request to the help viewer: show the topic with a context number of a help file, or the topic of a
// target where no number names it.
struct HelpRequest {
    static constexpr int ShowContext = 1;

    // Written as {file, command, context}, the target left empty.
    HelpRequest(QString helpFile = {}, int command = 0, int context = 0, QString target = {})
        : helpFile(std::move(helpFile))
        , command(command)
        , context(context)
        , target(std::move(target))
    {
    }

    QString helpFile;
    int command;
    int context;
    // A topic target as `velcarin-cli help FILE TARGET` takes it ("#12"); empty: the context number's topic.
    QString target;

    bool operator==(const HelpRequest&) const = default;
};

// The common dialog a window asks for help through: set the file, the command and the context
// number, then show help. The request goes to the viewer the program installs at its start; tests
// install their own.
class CommonDialog : public QObject {
    Q_OBJECT
public:
    using Viewer = std::function<void(const HelpRequest&)>;

    explicit CommonDialog(const QString& objectName, QObject* parent = nullptr);

    void setHelpFile(const QString& path) { m_request.helpFile = path; }
    void setHelpCommand(int command) { m_request.command = command; }
    void setHelpContext(int context) { m_request.context = context; }
    void showHelp() const;

    // Asks for a topic of a help file ("Unitor.hlp"): the one beside the databases, else the shipped one.
    void requestTopic(const QString& fileName, int context);
    // Asks for a topic of a help file by its target, as `velcarin-cli help FILE TARGET` takes it.
    void requestTarget(const QString& fileName, const QString& target);

    static void setViewer(Viewer viewer);

private:
    HelpRequest m_request;
};
