// What the rows show of names from outside: a name holding a line break (or another control
// character) on its one line, the break drawn as a mark, and as the output name the very name the
// conversion writes; a name too long for its row cut in the middle with an ellipsis, its extension
// in view and the whole name in the tooltip; in English and in Japanese, whose texts are wider.
#include "medialist_test_support.h"

#include "builders/avencoder/DNAVVideoArgvPublic.h"
#include "profiles/DNProfile.h"
#include "ui/controls/DNPlainText.h"
#include "ui/medialist/DNCellWidgets.h"

#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>

using namespace medialisttest;

namespace {

const QString kEllipsis = QStringLiteral("…");

std::shared_ptr<DNProfile> mp4Profile()
{
    auto profile = std::make_shared<DNProfile>(QString());
    profile->setFileNameSuffix(QStringLiteral("mp4"));
    return profile;
}

// A file item named name, in /media, whose output takes its name as a loaded file's does.
std::shared_ptr<DNFileNode> fileNamed(const QString &name)
{
    auto file = makeFile(QStringLiteral("/media/") + name);
    file->nodeInfo()->setOutputName(name);
    file->setProfile(mp4Profile());
    return file;
}

// The text fits its label's width.
::testing::AssertionResult fits(const QLabel *label)
{
    const int wide = label->fontMetrics().horizontalAdvance(label->text());
    if (wide <= label->contentsRect().width())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << label->text().toStdString() << " is " << wide << " wide in "
                                         << label->contentsRect().width();
}

TEST(DisplayName, MarksWhatWouldBreakTheLineOrVanish)
{
    const struct
    {
        QString name;
        QString shown;
    } cases[] = {
        {QStringLiteral("two\nlines.mp4"), QStringLiteral("two⏎lines.mp4")},
        {QStringLiteral("dos\r\nbreak.mp4"), QStringLiteral("dos⏎break.mp4")},
        {QStringLiteral("old\rmac\u2028para\u2029end"), QStringLiteral("old⏎mac⏎para⏎end")},
        {QStringLiteral("tab\there"), QStringLiteral("tab⇥here")},
        {QStringLiteral("bell\x07 and \x7f"), QStringLiteral("bell\uFFFD and \uFFFD")},
        {QStringLiteral("夏休み «Grüße» <b>x</b>.mkv"), QStringLiteral("夏休み «Grüße» <b>x</b>.mkv")},
        {QString(), QString()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DNDisplayName(c.name), c.shown) << c.name.toStdString();
}

// The row of a file whose name holds a line break: the name on one line with the mark, and the
// output the conversion writes, the break kept in the file's name (the file road's group test
// converts such a file for real).
TEST(RowNames, ANameWithALineBreakStaysOnItsLineAndIsTheNameWritten)
{
    BasicListFixture<FileRowsDelegate> f(QSize(900, 300));
    const auto file = fileNamed(QStringLiteral("two\nlines.mp4"));
    f.table->addMovieNode(file);
    auto *row = qobject_cast<DNRootCell *>(f.row(0));
    ASSERT_TRUE(row);

    EXPECT_EQ(row->trackNameOriginal()->text(), QStringLiteral("two⏎lines.mp4"));
    QTemporaryDir folder;
    const QString written = QFileInfo(avOutputPathOf(*file, folder.path())).fileName();
    EXPECT_EQ(written, QStringLiteral("two\nlines.mp4"));
    EXPECT_EQ(row->trackNameOutput()->text(), DNDisplayName(written));
    EXPECT_TRUE(row->trackNameOutput()->toolTip().contains(QStringLiteral("two⏎lines.mp4")));

    // Left as it was, the field keeps the name, break and all; typed over, it takes what is typed.
    Q_EMIT row->trackNameOutput()->editingFinished();
    EXPECT_EQ(file->nodeInfo()->outputName(), QStringLiteral("two\nlines.mp4"));
    uitest::savePicture(&f.window, QStringLiteral("medialist"), QStringLiteral("row_line_break_name"));
    row->trackNameOutput()->setText(QStringLiteral("one line"));
    Q_EMIT row->trackNameOutput()->editingFinished();
    EXPECT_EQ(file->nodeInfo()->outputName(), QStringLiteral("one line.mp4"));

    // A '/' cannot be in a file's name: the field shows the '_' the file is written with.
    row->trackNameOutput()->setText(QStringLiteral("AC/DC live"));
    Q_EMIT row->trackNameOutput()->editingFinished();
    EXPECT_EQ(QFileInfo(avOutputPathOf(*file, folder.path())).fileName(), QStringLiteral("AC_DC live.mp4"));
    EXPECT_EQ(row->trackNameOutput()->text(), QStringLiteral("AC_DC live.mp4"));
    EXPECT_EQ(file->nodeInfo()->outputName(), QStringLiteral("AC_DC live.mp4"));
}

class LongNames : public ::testing::TestWithParam<const char *>
{
};

// A name too long for its row is cut in its middle: the start and the extension show, the
// ellipsis marks the cut and the tooltip holds the whole name. The output field shows the whole
// name while it is edited.
TEST_P(LongNames, AreCutInTheMiddleWithTheirExtensionInView)
{
    uitest::InterfaceLanguage language(GetParam());
    BasicListFixture<FileRowsDelegate> f(QSize(640, 420));
    const QString name =
        QStringLiteral("夏休みの思い出 Family holiday on the northern island, day one to day seven, uncut.mp4");
    const auto file = fileNamed(name);
    f.table->addMovieNode(file);
    auto *row = qobject_cast<DNRootCell *>(f.row(0));
    ASSERT_TRUE(row);

    QLabel *original = row->trackNameOriginal();
    EXPECT_TRUE(original->text().contains(kEllipsis)) << original->text().toStdString();
    EXPECT_TRUE(original->text().startsWith(QStringLiteral("夏休み")));
    EXPECT_TRUE(original->text().endsWith(QStringLiteral(".mp4")));
    EXPECT_TRUE(fits(original));
    EXPECT_TRUE(original->toolTip().contains(QStringLiteral("/media/") + name));

    DNTextField *output = row->trackNameOutput();
    const int room = output->contentsRect().width() - 4;
    EXPECT_TRUE(output->text().contains(kEllipsis)) << output->text().toStdString();
    EXPECT_TRUE(output->text().endsWith(QStringLiteral(".mp4")));
    EXPECT_LE(output->fontMetrics().horizontalAdvance(output->text()), room);
    EXPECT_EQ(output->toolTip(), name);
    EXPECT_EQ(file->nodeInfo()->outputName(), name) << "the name is kept whole";
    uitest::savePicture(&f.window, QStringLiteral("medialist"),
                        QStringLiteral("row_long_name_%1").arg(QString::fromLatin1(*GetParam() ? GetParam() : "en")));

    // Editing shows it whole; leaving it as it was keeps it.
    row->setEditState(true);
    ASSERT_TRUE(uitest::waitFor([&] { return output->hasFocus(); }));
    EXPECT_EQ(output->text(), name);
    row->setEditState(false);
    EXPECT_EQ(file->nodeInfo()->outputName(), name);
    EXPECT_TRUE(output->text().contains(kEllipsis));

    // A wider row shows more of it.
    const QString narrow = output->text();
    f.window.resize(1400, 420);
    f.table->resize(1400, 420);
    ASSERT_TRUE(uitest::waitFor([&] { return output->text() != narrow; }));
    EXPECT_GT(output->text().size(), narrow.size());

    // The disc's row cuts its output name the same way.
    BasicListFixture<FileRowsDelegate> discs(QSize(640, 420));
    const DNDVDNodePtr dvd = makeDVD({60, 90}, QStringLiteral("DISC"));
    dvd->setProfile(mp4Profile());
    dvd->nodeInfo()->setOutputName(QStringLiteral("THE_LONGEST_DISC_NAME_EVER_PRESSED_ON_A_DVD_AND_MORE.mp4"));
    discs.table->addMovieNode(dvd);
    auto *disc = qobject_cast<DNDVDRootCell *>(discs.row(0));
    ASSERT_TRUE(disc);
    EXPECT_TRUE(disc->trackNameOutput()->text().contains(kEllipsis)) << disc->trackNameOutput()->text().toStdString();
    EXPECT_TRUE(disc->trackNameOutput()->text().endsWith(QStringLiteral(".mp4")));
}

INSTANTIATE_TEST_SUITE_P(Languages, LongNames, ::testing::Values("", "ja"),
                         [](const ::testing::TestParamInfo<const char *> &info) {
                             return std::string(*info.param ? info.param : "en");
                         });

} // namespace
