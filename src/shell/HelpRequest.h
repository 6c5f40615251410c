#pragma once

#include <QObject>
#include <QString>

#include <functional>

// One request to the help viewer: show the topic with a context number of a help file.
struct HelpRequest {
    static constexpr int ShowContext = 1;

    QString helpFile;
    int command = 0;
    int context = 0;

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

    static void setViewer(Viewer viewer);

private:
    HelpRequest m_request;
};
