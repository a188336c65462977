#include "dvd/NXDVDUtilities.h"

#include "core/log/DNLogger.h"

#include <QDir>
#include <QFileInfo>

NXDVDSourceInfoPtr NXDVDUtilities::sourceInfoForDVDPath(const QString &path)
{
    QString clean = QDir::cleanPath(path);
    const QFileInfo info(clean);
    if (info.isDir() && info.fileName().compare(QLatin1String("VIDEO_TS"), Qt::CaseInsensitive) == 0)
        clean = info.absolutePath();
    return NXDVDSourceInfo::sourceInfoWithPath(clean);
}

DNDVDNodePtr NXDVDUtilities::loadDVDNode(const NXDVDSourceInfoPtr &source, QString *error,
                                         const QString &listPath)
{
    if (!source) {
        if (error)
            *error = QStringLiteral("No DVD source given.");
        return nullptr;
    }
    const auto structure = readDVDIFO(source->path(), source->devicePath(), error);
    if (!structure)
        return nullptr;
    const int main = checkMainTitle(structure->listOfTitles, source->name(), listPath);
    auto node = DNDVDNode::dvdNodeWithData(structure->listOfTitles, source);
    node->setTitleSelected(main);
    DNRoughLog(QStringLiteral("convert DVD dictionary to DNDVDNode"));
    return node;
}
