#include "core/log/DNLogSetUp.h"

#include "core/util/DNPaths.h"

#include <QFileInfo>

void DNSetUpProgramLog()
{
    const QString folder = DNApplicationDataDirectory();
    if (!folder.isEmpty() && !QFileInfo(folder).isDir())
        DNCreateDirectory(folder);
}
