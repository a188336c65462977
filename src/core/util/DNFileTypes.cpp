#include "core/util/DNFileTypes.h"

#include <QFileInfo>

QStringList DNVideoExtensions()
{
    return {QStringLiteral("asf"),   QStringLiteral("avc"),   QStringLiteral("avi"),
            QStringLiteral("h264"),  QStringLiteral("wmv"),   QStringLiteral("wmp"),
            QStringLiteral("wm"),    QStringLiteral("rm"),    QStringLiteral("rmvb"),
            QStringLiteral("ram"),   QStringLiteral("ra"),    QStringLiteral("rpm"),
            QStringLiteral("rt"),    QStringLiteral("dat"),   QStringLiteral("m1v"),
            QStringLiteral("m2v"),   QStringLiteral("m2t"),   QStringLiteral("m2ts"),
            QStringLiteral("m2p"),   QStringLiteral("tpr"),   QStringLiteral("tp"),
            QStringLiteral("pss"),   QStringLiteral("pva"),   QStringLiteral("mpg"),
            QStringLiteral("mpeg"),  QStringLiteral("m4k"),   QStringLiteral("mod"),
            QStringLiteral("mpe"),   QStringLiteral("ts"),    QStringLiteral("m4b"),
            QStringLiteral("m4p"),   QStringLiteral("m4v"),   QStringLiteral("mp4"),
            QStringLiteral("mpeg2"), QStringLiteral("mpg4"),  QStringLiteral("mpeg4"),
            QStringLiteral("3gp"),   QStringLiteral("3gpp"),  QStringLiteral("3gp2"),
            QStringLiteral("3g2"),   QStringLiteral("mov"),   QStringLiteral("qt"),
            QStringLiteral("flv"),   QStringLiteral("f4v"),   QStringLiteral("hlv"),
            QStringLiteral("vob"),   QStringLiteral("amv"),   QStringLiteral("evo"),
            QStringLiteral("bik"),   QStringLiteral("divx"),  QStringLiteral("div"),
            QStringLiteral("mkv"),   QStringLiteral("mts"),   QStringLiteral("ogm"),
            QStringLiteral("pmp"),   QStringLiteral("webm"),  QStringLiteral("vp6"),
            QStringLiteral("vp8"),   QStringLiteral("swf"),   QStringLiteral("vpx"),
            QStringLiteral("xvid")};
}

QHash<QString, QString> DNVideoExtensionDictionary()
{
    QHash<QString, QString> map;
    for (const QString &e : DNVideoExtensions())
        map.insert(e, e);
    return map;
}

bool DNIsVideoFile(const QString &path)
{
    const QString ext = QFileInfo(path).suffix().toLower();
    return !ext.isEmpty() && DNVideoExtensionDictionary().contains(ext);
}

bool DNIsImageExtension(const QString &extension)
{
    static const QStringList images = {QStringLiteral("png"), QStringLiteral("jpg"),
                                       QStringLiteral("jpeg"), QStringLiteral("jpe"),
                                       QStringLiteral("tiff"), QStringLiteral("tif"),
                                       QStringLiteral("bmp"), QStringLiteral("bmpf")};
    return images.contains(extension.toLower());
}

QStringList DNWatermarkImageTypes()
{
    return {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("png"),
            QStringLiteral("tiff"), QStringLiteral("tif"), QStringLiteral("bmp")};
}

bool DNIsDVDVideoFolder(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isDir())
        return false;
    return QFileInfo(path + QStringLiteral("/VIDEO_TS")).isDir();
}
