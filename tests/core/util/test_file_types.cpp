#include "core/util/DNFileTypes.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(DNFileTypes, VideoExtensionsKeepTheirOrder)
{
    const QStringList expected = QString(
        "asf avc avi h264 wmv wmp wm rm rmvb ram ra rpm rt dat m1v m2v m2t m2ts m2p tpr tp pss pva "
        "mpg mpeg m4k mod mpe ts m4b m4p m4v mp4 mpeg2 mpg4 mpeg4 3gp 3gpp 3gp2 3g2 mov qt flv f4v "
        "hlv vob amv evo bik divx div mkv mts ogm pmp webm vp6 vp8 swf vpx xvid").split(' ');
    EXPECT_EQ(DNVideoExtensions(), expected);
    const auto dict = DNVideoExtensionDictionary();
    EXPECT_EQ(dict.size(), expected.size());
    EXPECT_EQ(dict.value("m2ts"), "m2ts");
    EXPECT_EQ(DNWatermarkImageTypes(), QString("jpg jpeg png tiff tif bmp").split(' '));
}

TEST(DNFileTypes, RecognisesVideoAndImageNames)
{
    const struct
    {
        const char *path;
        bool video;
    } videos[] = {
        {"/m/film.MKV", true},  {"/m/a.b.vob", true},  {"clip.m2ts", true},
        {"/m/noext", false},    {"/m/film.mkv.txt", false}, {"/m/dir.mkv/file", false},
        {"/m/photo.jpg", false}, {"", false},
    };
    for (const auto &c : videos)
        EXPECT_EQ(DNIsVideoFile(c.path), c.video) << c.path;

    EXPECT_TRUE(DNIsImageExtension("JPEG"));
    EXPECT_TRUE(DNIsImageExtension("bmpf"));
    EXPECT_FALSE(DNIsImageExtension("gif"));
    EXPECT_FALSE(DNIsImageExtension(""));
}

TEST(DNFileTypes, DVDVideoFolderNeedsAVideoTSFolder)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString withFolder = tmp.filePath("disc");
    const QString withFile = tmp.filePath("fake");
    ASSERT_TRUE(QDir().mkpath(withFolder + "/VIDEO_TS"));
    ASSERT_TRUE(QDir().mkpath(withFile));
    QFile f(withFile + "/VIDEO_TS");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();

    EXPECT_TRUE(DNIsDVDVideoFolder(withFolder));
    EXPECT_FALSE(DNIsDVDVideoFolder(withFile));
    EXPECT_FALSE(DNIsDVDVideoFolder(withFolder + "/VIDEO_TS/missing"));
    EXPECT_FALSE(DNIsDVDVideoFolder(QString()));
}
