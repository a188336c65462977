// A DVD profile's description says what its vector does: the video codec the engine is told to
// write (or that the video is copied), the audio, and the container. Read from the vector the
// profile's builder makes for a title of the authored disc.
#include "convert/registry/ArgvAssemblerRegistry.h"
#include "profiles/DNProfileKind.h"

#include "../../builders/mencoder/DVDBuilderTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace dvdbuildertest;

namespace {

QString after(const QStringList &vector, const char *word)
{
    const int at = int(vector.indexOf(QLatin1String(word)));
    return at >= 0 && at + 1 < vector.size() ? vector.at(at + 1) : QString();
}

QString optionValue(const QString &options, const char *key)
{
    const QRegularExpression pattern(QStringLiteral("(?:^|:)%1=([^:]+)").arg(QLatin1String(key)));
    return pattern.match(options).captured(1);
}

// The words a description must hold for a vector; empty when the vector is none of the encoder's.
QStringList wordsTheDescriptionNeeds(const QStringList &vector)
{
    QStringList needed;
    if (vector.contains(QLatin1String("-dumpstream")))
        return {QStringLiteral("whole")};
    if (vector.value(2) == QLatin1String("iso") || vector.contains(QLatin1String("-f"))) {
        // The backup engines: the ISO tool copies the disc, HandBrake re-encodes into Matroska.
        if (vector.value(2) == QLatin1String("iso"))
            return {QStringLiteral("ISO")};
        if (after(vector, "-e") == QLatin1String("ffmpeg4"))
            needed << QStringLiteral("MPEG-4");
        if (after(vector, "-f") == QLatin1String("mkv"))
            needed << QStringLiteral("Matroska");
        return needed;
    }
    const QString ovc = after(vector, "-ovc");
    const QString oac = after(vector, "-oac");
    const QString lavc = after(vector, "-lavcopts");
    const QString container = after(vector, "-of");
    const QString output = after(vector, "-o");
    const QString suffix = QFileInfo(output).suffix().toUpper();
    const QString vcodec = optionValue(lavc, "vcodec");
    if (ovc == QLatin1String("x264"))
        needed << QStringLiteral("H.264");
    else if (ovc == QLatin1String("xvid"))
        needed << QStringLiteral("Xvid");
    else if (ovc == QLatin1String("copy"))
        needed << QStringLiteral("unconverted");
    else if (vcodec == QLatin1String("mpeg4"))
        needed << (container == QLatin1String("avi") ? QStringLiteral("DivX") : QStringLiteral("MPEG-4"));
    else if (vcodec == QLatin1String("mpeg2video"))
        needed << QStringLiteral("MPEG-2");
    else if (vcodec == QLatin1String("wmv2"))
        needed << QStringLiteral("WMV 8");
    else if (vcodec == QLatin1String("flv"))
        needed << QStringLiteral("FLV");

    const QString acodec = optionValue(lavc, "acodec");
    if (oac == QLatin1String("faac") || acodec == QLatin1String("libfaac"))
        needed << QStringLiteral("AAC");
    else if (oac == QLatin1String("mp3lame"))
        needed << QStringLiteral("MP3");
    else if (acodec == QLatin1String("mp2"))
        needed << QStringLiteral("MP2");
    else if (acodec == QLatin1String("ac3_fixed"))
        needed << QStringLiteral("AC-3");
    else if (oac == QLatin1String("copy"))
        needed << (ovc == QLatin1String("frameno") ? QStringLiteral("unconverted") : QStringLiteral("disc's own audio"));

    // The container the muxer writes: an MP4-form file named .3gp is said to be MP4.
    if (ovc != QLatin1String("frameno")) {
        const QString format = optionValue(after(vector, "-lavfopts"), "format");
        needed << (format == QLatin1String("ipod") && suffix == QLatin1String("3GP") ? QStringLiteral("MP4")
                                                                                   : suffix);
    }
    return needed;
}

} // namespace

TEST(CatalogueDescriptions, SayWhatEachDVDProfilesVectorDoes)
{
    QTemporaryDir out;
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QString());
    ASSERT_TRUE(node);
    const QDir folder(DNProfileFolderOfType(DNProfileKindDVD));
    int checked = 0;
    for (const QString &file : folder.entryList({QStringLiteral("*.plist")}, QDir::Files)) {
        if (file.startsWith(QLatin1String("Category_")))
            continue;
        SCOPED_TRACE(file.toStdString());
        node->setProfile(shippedProfile(file));
        ASSERT_TRUE(node->profile());
        node->titleAt(1)->setting()->setAudioIndex(0);
        const QByteArray name = node->profile()->argvAssembler().toUtf8();
        const ArgvAssemblerFunction builder = ArgvAssemblerForName(name.constData());
        ASSERT_NE(builder, nullptr) << name.constData();
        const ArgumentPtr argument(builder(node.get(), 1, passOptions(out.path())));
        ASSERT_TRUE(argument);
        const QString description = node->profile()->deviceDescription();
        for (const QString &word : wordsTheDescriptionNeeds(words(argument.get())))
            EXPECT_TRUE(description.contains(word)) << "\"" << description.toStdString() << "\" lacks " << word.toStdString()
                                                    << "\n" << words(argument.get()).join(u' ').toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 250);
}
