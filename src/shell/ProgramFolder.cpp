#include "shell/ProgramFolder.h"

#include "data/DataFolders.h"

namespace ProgramFolder {

QString path()
{
    return DataFolders::current().shippedFolder();
}

void setPath(const QString& path)
{
    DataFolders::setCurrent({path, path});
}

} // namespace ProgramFolder
