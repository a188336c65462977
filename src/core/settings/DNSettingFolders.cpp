#include "DNSettingFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <mutex>

namespace DNSettingFolders {

QString defaultMoviesFolder()
{
    QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    if (videos.isEmpty())
        videos = QDir::homePath() + QStringLiteral("/Videos");
    return videos + QStringLiteral("/Der Adido Rivuvov");
}

QString defaultPicturesFolder()
{
    QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (pictures.isEmpty())
        pictures = QDir::homePath() + QStringLiteral("/Pictures");
    return pictures;
}

void ensureDefaultMoviesFolder()
{
    static std::once_flag once;
    std::call_once(once, [] {
        const QString folder = defaultMoviesFolder();
        if (!QFileInfo(folder).isDir())
            QDir().mkpath(folder);
    });
}

} // namespace DNSettingFolders
