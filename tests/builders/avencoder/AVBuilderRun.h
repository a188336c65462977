#pragma once

// One builder run over a made-up item: the builder, the item, the pass's core count and safe
// mode, and the output folder the vector writes into.

#include "AVBuilderTestSupport.h"

#include "builders/common/ArgvAssembler.h"
#include "core/util/DNSystemInfo.h"

#include <QTemporaryDir>

namespace avbuildertest {

struct BuilderRun
{
    ArgvAssemblerFunction builder;
    QTemporaryDir out;
    DNFileNodePtr item;
    int cpuCore = int(DNNumberOfCPUCores());
    bool safeMode = false;

    explicit BuilderRun(ArgvAssemblerFunction function, const ItemFacts &facts = {})
        : builder(function), item(makeItem(facts))
    {
    }
    ArgumentPtr run()
    {
        return ArgumentPtr(builder(item.get(), 0, passOptions(out.path(), cpuCore, safeMode)));
    }
    QStringList runWords()
    {
        const ArgumentPtr argument = run();
        EXPECT_TRUE(argument);
        return words(argument.get());
    }
    QString output(const char *suffix) const { return out.filePath(QStringLiteral("clip.") + QLatin1String(suffix)); }
    // The profile field's choice, for the fields the builders read as text.
    void choose(const std::shared_ptr<NXProfileInfoBase> &field, const char *value)
    {
        field->setCurrentValue(QString::fromLatin1(value));
    }
    // A trim of the item from start to end (fractions of its length).
    void trim(float start, float end)
    {
        item->setEnableTrimming(true);
        item->setting()->setTrimStartPercent(start);
        item->setting()->setTrimEndPercent(end);
    }
};

} // namespace avbuildertest
