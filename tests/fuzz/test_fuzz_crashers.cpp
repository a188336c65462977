// Every input that once crashed a fuzz target, and every seed, fed to its reader again: each must
// be read (or refused) without a crash. New crashers found by scripts/fuzz.sh go into
// tests/fuzz/crashers/<target>/.

#include "targets/FuzzTargets.h"

#include "support/paths.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(FuzzCrashers, EveryKeptInputIsReadWithoutACrash)
{
    int inputs = 0;
    for (const FuzzTarget &target : kFuzzTargets) {
        for (const char *kind : {"crashers", "seeds"}) {
            const QDir folder(testsupport::sourceDir() + QStringLiteral("/tests/fuzz/%1/%2").arg(QLatin1String(kind), QLatin1String(target.name)));
            for (const QString &name : folder.entryList(QDir::Files)) {
                SCOPED_TRACE(folder.filePath(name).toStdString());
                QFile file(folder.filePath(name));
                ASSERT_TRUE(file.open(QIODevice::ReadOnly));
                const QByteArray bytes = file.readAll();
                target.replay(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
                ++inputs;
            }
        }
    }
    EXPECT_GT(inputs, 0);
}
