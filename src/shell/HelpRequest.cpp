#include "shell/HelpRequest.h"

#include "data/DataFolders.h"

namespace {

CommonDialog::Viewer& viewer()
{
    static CommonDialog::Viewer instance;
    return instance;
}

} // namespace

CommonDialog::CommonDialog(const QString& objectName, QObject* parent)
    : QObject(parent)
{
    setObjectName(objectName);
}

void CommonDialog::showHelp() const
{
    if (viewer())
        viewer()(m_request);
}

void CommonDialog::requestTopic(const QString& fileName, int context)
{
    setHelpFile(DataFolders::current().locate(fileName));
    setHelpCommand(HelpRequest::ShowContext);
    setHelpContext(context);
    showHelp();
}

void CommonDialog::requestTarget(const QString& fileName, const QString& target)
{
    setHelpFile(DataFolders::current().locate(fileName));
    setHelpCommand(HelpRequest::ShowContext);
    setHelpContext(0);
    m_request.target = target;
    showHelp();
    m_request.target.clear();
}

void CommonDialog::setViewer(Viewer newViewer)
{
    viewer() = std::move(newViewer);
}
