#include "core/plist/DNPropertyList.h"
#include "core/util/DNDigest.h"
#include "support/paths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The catalogue generator is the gate for every shipped profile: a row it accepts is written as
// the chooser and the builders read it, a row the builders could not use stops the build.

namespace {

const char *kHeader = "file\tid\tcategories\tArgvAssembler\ttitle\tdescription\ticon\tsuffix\tformat\ttwopass\t"
                      "recommend\tvideo_codecs\tvideo_bitrate_phases\tbitrate_model\tresolutions\tframe_rates\t"
                      "aspects\taudio_codecs\taudio_bitrates\tsample_rates\tchannels\n";

QString row(const QString &file, int id, const QString &category, const QString &audioBitrates = "96|*128")
{
    return QStringLiteral("%1\t%2\t%3\tDVD_To_Test_H264_With_MEncoder\tTitle %1\tDesc\ticon\tmp4\tMP4\t0\t0\tH264\t"
                          "500|800|1200\tVBR\t640x480|keep origin\tkeep origin|25\tkeep origin|16x9\tAAC\t%4\t"
                          "44100\t2|1\n")
        .arg(file)
        .arg(id)
        .arg(category, audioBitrates);
}

class ProfileGenerator : public ::testing::Test
{
protected:
    void writeTables(const QString &dvdRows, const QString &categories = QString())
    {
        auto write = [&](const QString &name, const QString &text) {
            QFile file(tables.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(text.toUtf8());
        };
        write("dvd.tsv", QString::fromLatin1(kHeader) + dvdRows);
        write("video.tsv", QString::fromLatin1(kHeader) + row("v1", 31001001, "Common"));
        write("categories.tsv",
              "kind\tlevel\tID\ttitle\ticon\tmembership\tmember_type\tdefault_index\tcontent\n"
              "DVD\tmajor\tRecent\tRecently Used\ti\tFrequently\tSpecified\t0\t\n"
              "DVD\tmajor\tPhones\tPhones\ti\tDevice\tCategory\t0\tPhone\n"
              "DVD\tsecondary\tPhone\tPhone\ti\t\tSpecified\t1\t\n"
              "Video\tmajor\tCommon\tCommon\ti\tGeneral\tSpecified\t0\t\n"
                  + categories);
    }

    int run(QString *errors = nullptr)
    {
        QProcess generator;
        generator.start(testsupport::buildDir() + "/tools-bin/talvane-profilegen",
                        {tables.path(), out.path(), out.filePath("digest.h")});
        generator.waitForFinished(60000);
        if (errors)
            *errors = QString::fromUtf8(generator.readAllStandardError());
        return generator.exitStatus() == QProcess::NormalExit ? generator.exitCode() : -1;
    }

    QTemporaryDir tables;
    QTemporaryDir out;
};

TEST_F(ProfileGenerator, WritesProfilesCategoriesAndTheDigestsOfTheDvdLists)
{
    writeTables(row("p1", 2001001, "Phone") + row("p2", 2001002, "Phone"));
    ASSERT_EQ(run(), 0);

    const QVariantMap p1 = readPropertyList(out.filePath("DVD/p1.plist")).toMap();
    EXPECT_EQ(p1.value("ID").toInt(), 2001001);
    EXPECT_EQ(p1.value("ArgvAssembler").toString(), QStringLiteral("DVD_To_Test_H264_With_MEncoder"));
    EXPECT_EQ(p1.value("AudioQuality").toMap().value("DefaultValue").toString(), QStringLiteral("128"));
    EXPECT_EQ(p1.value("VideoQuality").toMap().value("DefaultValue").toString(), QStringLiteral("800"));
    EXPECT_EQ(p1.value("AudioSampleRate").toMap().value("Customizable").toBool(), false);
    EXPECT_TRUE(QFile::exists(out.filePath("Video/v1.plist")));

    const QVariantList secondary = readPropertyList(out.filePath("DVD/Category_Secondary_Profile.plist")).toList();
    ASSERT_EQ(secondary.size(), 1);
    EXPECT_EQ(secondary.first().toMap().value("Content").toStringList(), QStringList({"p1", "p2"}));
    EXPECT_EQ(secondary.first().toMap().value("ProfileDefaultIDX").toInt(), 1);
    const QVariantList major = readPropertyList(out.filePath("DVD/Category_Major_Profile.plist")).toList();
    ASSERT_EQ(major.size(), 2);
    EXPECT_EQ(major.at(1).toMap().value("Content").toStringList(), QStringList({"Phone"}));
    EXPECT_EQ(major.at(1).toMap().value("Membership").toString(), QStringLiteral("Device"));

    QFile header(out.filePath("digest.h"));
    ASSERT_TRUE(header.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(header.readAll());
    for (const char *name : {"Category_Major_Profile.plist", "Category_Secondary_Profile.plist"}) {
        QFile list(out.filePath(QStringLiteral("DVD/") + name));
        ASSERT_TRUE(list.open(QIODevice::ReadOnly));
        EXPECT_TRUE(text.contains(DNMD5(list.readAll()))) << name;
    }

    // A profile dropped from the table leaves the build tree on the next run.
    writeTables(row("p1", 2001001, "Phone"));
    ASSERT_EQ(run(), 0);
    EXPECT_FALSE(QFile::exists(out.filePath("DVD/p2.plist")));
    EXPECT_TRUE(QFile::exists(out.filePath("DVD/p1.plist")));
}

TEST_F(ProfileGenerator, RefusesRowsTheBuildersCouldNotUse)
{
    const struct {
        const char *what;
        QString rows;
        const char *message;
    } cases[] = {
        {"keep origin in a number handed to the engine", row("p1", 2001001, "Phone", "keep origin|128"),
         "is not a number"},
        {"the same id twice", row("p1", 2001001, "Phone") + row("p2", 2001001, "Phone"), "used twice"},
        {"an unknown category", row("p1", 2001001, "Tablets"), "unknown category"},
        {"no id", row("p1", 0, "Phone"), "positive number"},
        {"a short row", QStringLiteral("p1\t2001001\n"), "cells"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        writeTables(c.rows);
        QString errors;
        EXPECT_NE(run(&errors), 0);
        EXPECT_TRUE(errors.contains(QLatin1String(c.message))) << errors.toStdString();
    }
}

} // namespace
