// The translation files themselves: every message of each language is finished and keeps its
// placeholders, the files hold exactly the texts the sources mark for translation today (lupdate
// is run over the sources, so a window that lands with new texts and no translations is
// caught), and the catalogue's translation files cover every title and description of its
// tables.
#include "support/paths.h"

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

const char *const kLanguages[] = {"ja", "de", "it", "fr", "es", "ko", "pt-PT", "zh-Hant", "zh-Hans"};

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

QList<Message> readTs(const QString &path)
{
    QList<Message> messages;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = Message{context, {}, {}, {}};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            messages << message;
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QString tsPath(const QString &code)
{
    return testsupport::sourceDir() + QStringLiteral("/resources/translations/talvane_%1.ts").arg(code);
}

// The placeholders a text is filled with: %1 to %9 (each once is enough) and %@ in order.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(\\d|@)"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured(0);
    QStringList numbered = found.filter(QRegularExpression(QStringLiteral("^%\\d$")));
    numbered.removeDuplicates();
    numbered.sort();
    return numbered + found.filter(QStringLiteral("%@"));
}

QString key(const Message &message)
{
    return message.context + QStringLiteral(" | ") + message.source;
}

TEST(TranslationFiles, EveryMessageIsFinishedAndKeepsItsPlaceholders)
{
    for (const char *language : kLanguages) {
        const QString code = QString::fromLatin1(language);
        SCOPED_TRACE(language);
        const QList<Message> messages = readTs(tsPath(code));
        ASSERT_FALSE(messages.isEmpty());
        for (const Message &message : messages) {
            EXPECT_TRUE(message.type.isEmpty()) << message.type.toStdString() << ": " << key(message).toStdString();
            EXPECT_FALSE(message.translation.trimmed().isEmpty()) << "empty: " << key(message).toStdString();
            EXPECT_EQ(placeholders(message.translation), placeholders(message.source))
                << key(message).toStdString() << " -> " << message.translation.toStdString();
        }
    }
}

// lupdate over the sources, as the talvane_lupdate target runs it, into a file of the test's own.
TEST(TranslationFiles, HoldExactlyTheTextsTheSourcesMarkForTranslation)
{
    QString lupdate = QLibraryInfo::path(QLibraryInfo::BinariesPath) + QStringLiteral("/lupdate");
    if (!QFile::exists(lupdate))
        lupdate = QStandardPaths::findExecutable(QStringLiteral("lupdate"));
    ASSERT_FALSE(lupdate.isEmpty()) << "lupdate (qt6-l10n-tools) is missing";
    QTemporaryDir dir;
    const QString probe = dir.filePath(QStringLiteral("sources.ts"));
    QProcess run;
    run.start(lupdate, {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                        testsupport::sourceDir() + QStringLiteral("/src"), QStringLiteral("-ts"), probe});
    ASSERT_TRUE(run.waitForFinished(120000));
    ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    // A text lupdate cannot place (tr() outside a class, say) can never be translated.
    EXPECT_TRUE(run.readAllStandardError().trimmed().isEmpty());

    QSet<QString> marked;
    for (const Message &message : readTs(probe))
        marked.insert(key(message));
    ASSERT_GT(marked.size(), 100);
    for (const char *language : kLanguages) {
        SCOPED_TRACE(language);
        QSet<QString> held;
        for (const Message &message : readTs(tsPath(QString::fromLatin1(language))))
            held.insert(key(message));
        QStringList missing = (marked - held).values();
        QStringList stale = (held - marked).values();
        missing.sort();
        stale.sort();
        EXPECT_TRUE(missing.isEmpty()) << "not in the .ts file (run the talvane_lupdate target, then translate):\n"
                                       << missing.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(stale.isEmpty()) << "no longer in the sources (run the talvane_lupdate target):\n"
                                     << stale.join(QLatin1Char('\n')).toStdString();
    }
}

// One column of a catalogue table, by its name in the header line.
QStringList column(const QString &table, const QString &name)
{
    QFile file(testsupport::sourceDir() + QStringLiteral("/resources/profiles/generator/") + table);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << table.toStdString();
    QStringList values;
    int index = -1;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (index < 0) {
            index = cells.indexOf(name);
            EXPECT_GE(index, 0) << table.toStdString() << " has no column " << name.toStdString();
            continue;
        }
        values << cells.value(index).trimmed();
    }
    return values;
}

TEST(TranslationFiles, TheCatalogueIsTranslatedIntoEveryLanguage)
{
    QSet<QString> english;
    for (const QString &table : {QStringLiteral("dvd.tsv"), QStringLiteral("video.tsv")})
        for (const QString &columnName : {QStringLiteral("title"), QStringLiteral("description")})
            for (const QString &text : column(table, columnName))
                english.insert(text);
    for (const QString &text : column(QStringLiteral("categories.tsv"), QStringLiteral("title")))
        english.insert(text);
    english.remove(QString());
    ASSERT_GT(english.size(), 100);

    for (const char *language : kLanguages) {
        SCOPED_TRACE(language);
        const QString table = QStringLiteral("translations/%1.tsv").arg(QLatin1String(language));
        const QStringList sources = column(table, QStringLiteral("english"));
        const QStringList translations = column(table, QStringLiteral("translation"));
        ASSERT_EQ(sources.size(), translations.size());
        QSet<QString> translated;
        for (int i = 0; i < sources.size(); ++i) {
            EXPECT_FALSE(translations.at(i).isEmpty()) << sources.at(i).toStdString();
            EXPECT_FALSE(translated.contains(sources.at(i))) << "twice: " << sources.at(i).toStdString();
            translated.insert(sources.at(i));
        }
        QStringList missing = (english - translated).values();
        QStringList stale = (translated - english).values();
        missing.sort();
        stale.sort();
        EXPECT_TRUE(missing.isEmpty()) << "not translated:\n" << missing.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(stale.isEmpty()) << "no longer in the tables:\n" << stale.join(QLatin1Char('\n')).toStdString();
    }
}

} // namespace
