// Builds the shipped profile catalogue from its source tables:
//   talvane-profilegen TABLE_DIR PROFILES_OUT_DIR DIGEST_HEADER
// TABLE_DIR holds dvd.tsv, video.tsv (one row per profile), categories.tsv and translations/ (the
// titles and descriptions in the other interface languages). The profiles and
// the two category lists of each kind are written as property lists under PROFILES_OUT_DIR/DVD
// and PROFILES_OUT_DIR/Video; DIGEST_HEADER receives the digests of the DVD category lists,
// which the start-up check compares. Files are rewritten only when their content changes.
#include "CatalogueTable.h"
#include "CatalogueTranslations.h"
#include "ProfileRow.h"

#include "core/plist/DNPropertyList.h"
#include "core/util/DNDigest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cstdio>

namespace {

bool fail(const QString &message)
{
    std::fprintf(stderr, "talvane-profilegen: %s\n", qPrintable(message));
    return false;
}

bool writeIfChanged(const QString &path, const QByteArray &data)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == data)
        return true;
    existing.close();
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(data) != data.size())
        return fail(QStringLiteral("cannot write %1").arg(path));
    return true;
}

bool writeList(const QString &path, const QVariant &value, QByteArray *written = nullptr)
{
    QString error;
    const QByteArray data = propertyListData(value, DNPropertyListFormat::XML, &error);
    if (data.isEmpty())
        return fail(QStringLiteral("%1: %2").arg(path, error));
    if (written)
        *written = data;
    return writeIfChanged(path, data);
}

// Writes one kind's profiles and category lists; the category lists' bytes go to the caller.
bool buildKind(const QString &kind, const QList<CatalogueRow> &profiles, const QList<CatalogueRow> &categories,
               const CatalogueTranslations &translations, const QString &outDir, QByteArray *majorData,
               QByteArray *secondaryData)
{
    QDir dir(outDir);
    if (!dir.mkpath(QStringLiteral(".")))
        return fail(QStringLiteral("cannot make %1").arg(outDir));

    QSet<QString> files;
    QSet<int> ids;
    QMap<QString, QStringList> members; // category id -> profile files in table order
    for (const CatalogueRow &row : profiles) {
        QString error;
        const QVariantMap profile = profileDictionaryFromRow(row, translations, &error);
        if (profile.isEmpty())
            return fail(error);
        const QString file = row.value(QStringLiteral("file"));
        const int id = profile.value(QStringLiteral("ID")).toInt();
        if (files.contains(file) || ids.contains(id))
            return fail(QStringLiteral("%1: file %2 or id %3 used twice").arg(row.value(QStringLiteral("#line")), file).arg(id));
        files.insert(file);
        ids.insert(id);
        for (const QString &category : row.value(QStringLiteral("categories")).split(QLatin1Char(','), Qt::SkipEmptyParts))
            members[category.trimmed()] << file;
        if (!writeList(dir.filePath(file + QStringLiteral(".plist")), profile))
            return false;
    }

    QVariantList major;
    QVariantList secondary;
    QSet<QString> known;
    for (const CatalogueRow &row : categories) {
        if (row.value(QStringLiteral("kind")) != kind)
            continue;
        const QString id = row.value(QStringLiteral("ID"));
        known.insert(id);
        QVariantMap item;
        item.insert(QStringLiteral("ID"), id);
        item.insert(QStringLiteral("Title"), translations.localised(row.value(QStringLiteral("title"))));
        item.insert(QStringLiteral("IconID"), row.value(QStringLiteral("icon")));
        const QString memberType = row.value(QStringLiteral("member_type"));
        item.insert(QStringLiteral("ContentMemberType"), memberType);
        item.insert(QStringLiteral("ProfileDefaultIDX"), row.value(QStringLiteral("default_index")).toInt());
        QStringList content = row.value(QStringLiteral("content")).split(QLatin1Char(','), Qt::SkipEmptyParts);
        if (memberType.startsWith(QLatin1String("Specified")))
            content = members.value(id);
        item.insert(QStringLiteral("Content"), content);
        const bool isMajor = row.value(QStringLiteral("level")) == QLatin1String("major");
        if (isMajor)
            item.insert(QStringLiteral("Membership"), row.value(QStringLiteral("membership")));
        (isMajor ? major : secondary) << item;
    }
    for (auto it = members.cbegin(); it != members.cend(); ++it) {
        if (!known.contains(it.key()))
            return fail(QStringLiteral("%1 profiles name the unknown category %2").arg(kind, it.key()));
    }

    // Profiles removed from the table must not linger in the build tree.
    for (const QString &name : dir.entryList({QStringLiteral("*.plist")}, QDir::Files)) {
        if (!name.startsWith(QLatin1String("Category")) && !files.contains(name.chopped(6)))
            dir.remove(name);
    }
    return writeList(dir.filePath(QStringLiteral("Category_Major_Profile.plist")), major, majorData)
        && writeList(dir.filePath(QStringLiteral("Category_Secondary_Profile.plist")), secondary, secondaryData);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return fail(QStringLiteral("usage: talvane-profilegen TABLE_DIR PROFILES_OUT_DIR DIGEST_HEADER")) ? 0 : 2;
    const QDir tables(args.at(1));
    const QDir out(args.at(2));

    QString error;
    QList<CatalogueRow> dvd, video, categories;
    CatalogueTranslations translations;
    if (!readCatalogueTable(tables.filePath(QStringLiteral("dvd.tsv")), &dvd, &error)
        || !readCatalogueTable(tables.filePath(QStringLiteral("video.tsv")), &video, &error)
        || !readCatalogueTable(tables.filePath(QStringLiteral("categories.tsv")), &categories, &error)
        || !translations.read(tables.filePath(QStringLiteral("translations")), &error))
        return fail(error) ? 0 : 1;

    QByteArray dvdMajor, dvdSecondary, unused1, unused2;
    if (!buildKind(QStringLiteral("DVD"), dvd, categories, translations, out.filePath(QStringLiteral("DVD")), &dvdMajor,
                   &dvdSecondary)
        || !buildKind(QStringLiteral("Video"), video, categories, translations, out.filePath(QStringLiteral("Video")),
                      &unused1, &unused2))
        return 1;

    const QByteArray header = QStringLiteral(
        "#pragma once\n"
        "// Written by talvane-profilegen: the digests of the DVD category lists as built.\n"
        "inline constexpr const char *kDNDVDMajorCategoryDigest = \"%1\";\n"
        "inline constexpr const char *kDNDVDSecondaryCategoryDigest = \"%2\";\n")
                                  .arg(DNMD5(dvdMajor), DNMD5(dvdSecondary))
                                  .toUtf8();
    QDir().mkpath(QFileInfo(args.at(3)).absolutePath());
    return writeIfChanged(args.at(3), header) ? 0 : 1;
}
