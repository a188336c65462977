// Names the program cannot carry and names too long for what it builds from them. A folder or
// source named by bytes that are not UTF-8 is refused before any engine runs, with the name to
// rename, and nothing is written anywhere (no twin folder named with U+FFFD beside the user's);
// a DVD folder whose name is nearly as long as a file system takes is backed up to an image of
// its whole name, whatever hidden names are made from it on the way.
#include "UnfinishedOutputSupport.h"

#include "convert/driver/ConvertFailureReason.h"
#include "convert/files/DNMediaFileProbe.h"
#include "dvd/NXDVDSourceInfo.h"
#include "dvd/NXDVDUtilities.h"
#include "dvd/file/DNFileNode.h"
#include "support/dvdimage.h"
#include "support/fixturecopy.h"
#include "support/rawnames.h"

#include <QDir>

namespace {

using namespace drivertest;
using testsupport::rawEntriesOf;

DNDVDNodePtr loadDiscAt(const QString &folder, const char *profile)
{
    QString error;
    DNDVDNodePtr node = NXDVDUtilities::loadDVDNode(NXDVDUtilities::sourceInfoForDVDPath(folder), &error);
    EXPECT_TRUE(node) << error.toStdString();
    if (node)
        node->setProfile(shippedProfile(QString::fromLatin1(profile)));
    return node;
}

DNFileNodePtr loadFileAt(const QString &path)
{
    QString error;
    DNFileNodePtr file = fileNodeWithFile(path, false, &error);
    EXPECT_TRUE(file) << error.toStdString();
    if (file)
        file->setProfile(DNProfile::parserFromContentOfFile(
            DNBundle::pathForResource(QStringLiteral("profiles/Video/Video_MP4_H264.plist"))));
    return file;
}

// A conversion of a media file and an ISO backup of a disc, each as the shell starts one.
struct Job
{
    const char *name;
    std::function<NXMediaNodePtr(const QString &work)> item;
    int titleIndex;
};

const Job kJobs[] = {
    {"file conversion",
     [](const QString &) { return NXMediaNodePtr(loadFileAt(testsupport::fixturePath("fileroad/h264_aac.mp4"))); }, 0},
    {"ISO backup",
     [](const QString &) { return NXMediaNodePtr(loadDiscAt(testsupport::fixturePath("dvd/ntsc"), "DVDBackupISO.plist")); },
     0},
};

} // namespace

// The output folder was chosen in an open panel, which reads its name with U+FFFD for the bytes
// that are not text. Nothing may be made by that reading: it names a twin beside the folder.
TEST(NamesNotText, AnOutputFolderNamedNotTextIsRefusedAndNothingIsWritten)
{
    for (const Job &job : kJobs) {
        SCOPED_TRACE(job.name);
        testsupport::RawNameFolder parent;
        ASSERT_TRUE(testsupport::makeRawFolder(parent.bytesOf("\xff\xfe")));
        const NXMediaNodePtr item = job.item(parent.path());
        ASSERT_TRUE(item);
        useOutputFolder(testsupport::lossyReading(parent.bytesOf("\xff\xfe")));

        EXPECT_EQ(DNVideoConverterStart(item.get(), job.titleIndex, nullptr, nullptr), ConvertResultFailed);
        const ConvertFailureReason reason = DNVideoConverterFailureReason();
        EXPECT_EQ(reason.kind(), ConvertFailureKind::OutputFolderNameNotText);
        EXPECT_EQ(reason.text(), QStringLiteral("the name \"\\xff\\xfe\" in %1 is not UTF-8 text, so nothing can be written "
                                                "into the output folder: rename it or choose another output folder")
                                     .arg(parent.path()));
        EXPECT_EQ(rawEntriesOf(parent.bytes()), QList<QByteArray>{"\xff\xfe"}) << "no twin beside the chosen folder";
        EXPECT_EQ(rawEntriesOf(parent.bytesOf("\xff\xfe")), QList<QByteArray>());
    }
}

// A source renamed after it was loaded, to bytes that are not text, and read again as an open
// panel reads it: refused for its name, not as a file that does not exist.
TEST(NamesNotText, ASourceNamedNotTextIsRefusedForItsName)
{
    testsupport::RawNameFolder work;
    QTemporaryDir out;
    useOutputFolder(out.path());
    {
        SCOPED_TRACE("media file");
        const QString copy = testsupport::copyFixture(QStringLiteral("fileroad/h264_aac.mp4"), work.path());
        const DNFileNodePtr file = loadFileAt(copy);
        ASSERT_TRUE(file);
        ASSERT_TRUE(testsupport::renameToRaw(copy, work.bytesOf("clip\xe9.mp4")));
        file->setPath(testsupport::lossyReading(work.bytesOf("clip\xe9.mp4")));
        EXPECT_EQ(DNVideoConverterStart(file.get(), 0, nullptr, nullptr), ConvertResultFailed);
        EXPECT_EQ(DNVideoConverterFailureReason().text(),
                  QStringLiteral("the name \"clip\\xe9.mp4\" in %1 is not UTF-8 text, so the source cannot be read: rename it")
                      .arg(work.path()));
    }
    {
        SCOPED_TRACE("DVD folder");
        const QString copy = testsupport::copyFixture(QStringLiteral("dvd/ntsc"), work.path());
        const DNDVDNodePtr disc = loadDiscAt(copy, "DVDBackupISO.plist");
        ASSERT_TRUE(disc);
        ASSERT_TRUE(testsupport::renameToRaw(copy, work.bytesOf("Disc\xff")));
        disc->sourceInfo()->setPath(testsupport::lossyReading(work.bytesOf("Disc\xff")));
        EXPECT_EQ(DNVideoConverterStart(disc.get(), 0, nullptr, nullptr), ConvertResultFailed);
        EXPECT_EQ(DNVideoConverterFailureReason().kind(), ConvertFailureKind::SourceNameNotText);
        EXPECT_TRUE(DNVideoConverterFailureReason().text().startsWith(QStringLiteral("the name \"Disc\\xff\" in ")));
    }
    EXPECT_EQ(entriesIn(out.path()), QStringList());
}

// The image of a DVD folder whose name is 223 to 251 bytes long is written under hidden names the
// engines build from that name (the program's, then the backup tool's own partial image beside
// it), each within what the file system takes; the image then carries the folder's whole name.
TEST(NamesNotText, AnISOBackupOfALongNamedFolderKeepsItsWholeName)
{
    for (const int bytes : {223, 238, 251}) {
        SCOPED_TRACE(std::to_string(bytes) + " bytes");
        QTemporaryDir work;
        // Three-byte characters, so that a cut by bytes would split one, then letters to the length.
        QString name = QString(60, QChar(0x30c7));
        name += QString(bytes - name.toUtf8().size(), QLatin1Char('b'));
        ASSERT_EQ(name.toUtf8().size(), bytes);
        const QString copy = testsupport::copyFixture(QStringLiteral("dvd/ntsc"), work.path());
        const QString disc = work.filePath(name);
        ASSERT_TRUE(QDir().rename(copy, disc));
        const DNDVDNodePtr node = loadDiscAt(disc, "DVDBackupISO.plist");
        ASSERT_TRUE(node);
        QTemporaryDir out;
        useOutputFolder(out.path());

        ASSERT_EQ(DNVideoConverterStart(node.get(), 0, nullptr, nullptr), 0) << DNVideoConverterFailureReason().text().toStdString();
        const QString image = out.filePath(name + QStringLiteral(".iso"));
        EXPECT_EQ(node->titleAt(0)->outputName(), image);
        expectOnlyTheWholeOutput(out.path(), image);
        EXPECT_EQ(testsupport::listDisc(image).lengths.size(), 3u);
    }
}
