#include "convert/registry/ArgvAssemblerRegistry.h"

#include "builders/avencoder/SubtitleExtraction.h"
#include "builders/common/ArgumentLog.h"
#include "builders/common/BuilderDirectory.h"
#include "convert/engine/DNAVEncoder.h"
#include "convert/registry/ArgvAssemblerFamilies.h"
#include "convert/registry/ArgvAssemblerNames.h"

#include <QByteArray>
#include <QHash>
#include <QSet>

#include <cstring>
#include <vector>

namespace {

// A forward chain longer than this is a loop in the families' data.
constexpr int MaxForwardDepth = 8;

struct Registry
{
    QHash<QByteArray, ArgvAssemblerRow> entries;        // every offered entry, first one wins
    QHash<QByteArray, ArgvAssemblerFunction> resolved;  // entries with their forwards followed
    QSet<QByteArray> pending;                           // entries that lead to a PendingBuilder
    std::vector<ArgvAssemblerTableRow> dvd;
    std::vector<ArgvAssemblerTableRow> video;
};

// The entry that builds for name, its forwards followed; null when the chain ends nowhere.
const ArgvAssemblerRow *follow(const Registry &registry, const QByteArray &name)
{
    QByteArray current = name;
    for (int depth = 0; depth <= MaxForwardDepth; ++depth) {
        const auto it = registry.entries.constFind(current);
        if (it == registry.entries.constEnd())
            return nullptr;
        if (it->function)
            return &*it;
        if (!it->forwardsTo)
            return nullptr;
        current = QByteArray(it->forwardsTo);
    }
    argumentLogLine(QStringLiteral("builder registry: the forwards from %1 do not end").arg(QString::fromLatin1(name)));
    return nullptr;
}

std::vector<ArgvAssemblerTableRow> tableOf(const Registry &registry, std::span<const char *const> names)
{
    std::vector<ArgvAssemblerTableRow> rows;
    for (const char *name : names) {
        const ArgvAssemblerFunction function = registry.resolved.value(QByteArray(name));
        if (function)
            rows.push_back({name, function});
    }
    return rows;
}

ArgvAssemblerFunction lookUpResolved(const char *name);

const Registry &registry()
{
    static const Registry instance = [] {
        Registry r;
        for (const auto family : AllArgvAssemblerFamilies()) {
            for (const ArgvAssemblerRow &row : family()) {
                if (!row.name || (!row.function && !row.forwardsTo))
                    continue;
                const QByteArray key(row.name);
                if (r.entries.contains(key)) {
                    argumentLogLine(QStringLiteral("builder registry: %1 is offered twice; the first is kept")
                                        .arg(QString::fromLatin1(key)));
                    continue;
                }
                r.entries.insert(key, row);
            }
        }
        for (auto it = r.entries.constBegin(); it != r.entries.constEnd(); ++it) {
            if (const ArgvAssemblerRow *row = follow(r, it.key())) {
                r.resolved.insert(it.key(), row->function);
                if (row->pending)
                    r.pending.insert(it.key());
            }
        }
        r.dvd = tableOf(r, DVDArgvAssemblerNames());
        r.video = tableOf(r, VideoArgvAssemblerNames());
        return r;
    }();
    // Builders that hand a job to another family (a group to its merge builder) look it up here;
    // the file builders take inner subtitles out of a movie through the AV encoder bridge.
    static const bool installed = (SetBuilderLookup(lookUpResolved), SetAVSubtitleExtractor(AVEncoderExtractSubFile), true);
    (void)installed;
    return instance;
}

ArgvAssemblerFunction lookUpResolved(const char *name)
{
    return name ? registry().resolved.value(QByteArray(name)) : nullptr;
}

ArgvAssemblerFunction scan(std::span<const ArgvAssemblerTableRow> table, const char *name)
{
    if (!name)
        return nullptr;
    for (const ArgvAssemblerTableRow &row : table) {
        if (std::strcmp(row.name, name) == 0)
            return row.function;
    }
    return nullptr;
}

} // namespace

std::span<const ArgvAssemblerTableRow> DVDArgvAssemblerTable()
{
    return registry().dvd;
}

std::span<const ArgvAssemblerTableRow> VideoArgvAssemblerTable()
{
    return registry().video;
}

ArgvAssemblerFunction DVDArgvAssemblerForName(const char *name)
{
    return scan(DVDArgvAssemblerTable(), name);
}

ArgvAssemblerFunction VideoArgvAssemblerForName(const char *name)
{
    return scan(VideoArgvAssemblerTable(), name);
}

ArgvAssemblerFunction ArgvAssemblerForName(const char *name)
{
    if (const ArgvAssemblerFunction function = DVDArgvAssemblerForName(name))
        return function;
    return VideoArgvAssemblerForName(name);
}

ArgvAssemblerFunction RegisteredArgvAssemblerForName(const char *name)
{
    return lookUpResolved(name);
}

bool IsPendingArgvAssembler(const char *name)
{
    return name && registry().pending.contains(QByteArray(name));
}

void logPendingBuilder(const char *name)
{
    argumentLogLine(QStringLiteral("%1: the builder is not built yet, no vector made").arg(QString::fromUtf8(name)));
}

void PrintArgument(const Argument *argument, std::FILE *out)
{
    if (!argument)
        return;
    const std::string stars(82, '*');
    std::fprintf(out, "%s\n", stars.c_str());
    std::fprintf(out, "argument count: %d\n", argument->argc);
    std::fprintf(out, "\n");
    for (int i = 0; i < argument->argc && i < MaxArguNumber; ++i)
        std::fprintf(out, "%s ", argument->argv[i] ? argument->argv[i] : "");
    std::fprintf(out, "\n\n");
    std::fprintf(out, "%s\n", stars.c_str());
}
