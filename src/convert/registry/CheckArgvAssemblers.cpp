#include "convert/registry/ArgvAssemblerRegistry.h"

#include "convert/registry/ArgvAssemblerNames.h"

#include "core/platform/DNBundle.h"
#include "core/plist/DNPropertyList.h"

#include <QDir>
#include <QSet>
#include <QVariantMap>

namespace {
constexpr int ShortestBuilderName = 4;

using Lookup = ArgvAssemblerFunction (*)(const char *name);

// The one self-check over a profile folder; the two tables differ in their lookup, their label
// and in whether hidden files count (the file check counts them: a stray hidden file in the
// folder is reported, not skipped).
bool checkProfileFolder(const QString &profileFolder, std::FILE *out, const char *label, Lookup lookup,
                        QDir::Filters extraFilters)
{
    bool passed = true;
    int profiles = 0;
    QSet<QString> names;
    const QDir folder(profileFolder);
    const QStringList entries = folder.entryList(QDir::Files | QDir::NoDotAndDotDot | extraFilters, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.startsWith(QLatin1String("Category")))
            continue;
        ++profiles;
        const QVariantMap plist = readPropertyList(folder.filePath(entry)).toMap();
        const QString name = plist.value(QStringLiteral("ArgvAssembler")).toString();
        if (name.size() < ShortestBuilderName) {
            std::fprintf(out, "Plist没有定义转换函数: %s\n", entry.toUtf8().constData());
            passed = false;
            continue;
        }
        if (names.contains(name))
            continue;
        names.insert(name);
        const QByteArray key = name.toUtf8();
        if (!lookup(key.constData()) || IsPendingArgvAssembler(key.constData())) {
            std::fprintf(out, "Code没有实现转换函数: %s\n", key.constData());
            passed = false;
        }
    }
    // A folder without a single profile proves nothing.
    if (profiles == 0)
        passed = false;
    std::fprintf(out, "%s:  总计%d个Profile, %d个函数, 检查%s\n", label, profiles, int(names.size()),
                 passed ? "成功 ✅" : "失败 ❌");
    std::fflush(out);
    return passed;
}
} // namespace

bool CheckDVDArgvAssemblers()
{
    return CheckDVDArgvAssemblers(DNBundle::pathForResource(QStringLiteral("profiles/DVD")), stdout);
}

bool CheckDVDArgvAssemblers(const QString &profileFolder, std::FILE *out)
{
    return checkProfileFolder(profileFolder, out, "DVD", DVDArgvAssemblerForName, {});
}

bool CheckVideoArgvAssemblers()
{
    return CheckVideoArgvAssemblers(DNBundle::pathForResource(QStringLiteral("profiles/Video")), stdout);
}

bool CheckVideoArgvAssemblers(const QString &profileFolder, std::FILE *out)
{
    return checkProfileFolder(profileFolder, out, "Video", VideoArgvAssemblerForName, QDir::Hidden);
}

bool CheckVideoArgvAssemblerTable(std::FILE *out)
{
    const auto names = VideoArgvAssemblerNames();
    int built = 0;
    for (const char *name : names) {
        if (!VideoArgvAssemblerForName(name))
            std::fprintf(out, "Video table lacks the row: %s\n", name);
        else if (IsPendingArgvAssembler(name))
            std::fprintf(out, "Code没有实现转换函数: %s\n", name);
        else
            ++built;
    }
    const bool passed = built == int(names.size());
    std::fprintf(out, "Video table:  %d rows, %d built, check %s\n", int(names.size()), built,
                 passed ? "passed ✅" : "failed ❌");
    std::fflush(out);
    return passed;
}
