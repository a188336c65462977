#include "convert/registry/ArgvAssemblerRegistry.h"

#include "core/platform/DNBundle.h"
#include "core/plist/DNPropertyList.h"

#include <QDir>
#include <QSet>
#include <QVariantMap>

namespace {
constexpr int ShortestBuilderName = 4;
}

bool CheckDVDArgvAssemblers()
{
    return CheckDVDArgvAssemblers(DNBundle::pathForResource(QStringLiteral("profiles/DVD")), stdout);
}

bool CheckDVDArgvAssemblers(const QString &profileFolder, std::FILE *out)
{
    bool passed = true;
    int profiles = 0;
    QSet<QString> names;
    const QDir folder(profileFolder);
    const QStringList entries = folder.entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
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
        if (!DVDArgvAssemblerForName(name.toUtf8().constData())) {
            std::fprintf(out, "Code没有实现转换函数: %s\n", name.toUtf8().constData());
            passed = false;
        }
    }
    // A folder without a single profile proves nothing.
    if (profiles == 0)
        passed = false;
    std::fprintf(out, "DVD:  总计%d个Profile, %d个函数, 检查%s\n", profiles, int(names.size()),
                 passed ? "成功 ✅" : "失败 ❌");
    std::fflush(out);
    return passed;
}
