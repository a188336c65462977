#include "support/paths.h"

#include <QDir>

namespace testsupport {
QString fixturesDir()
{
    const QByteArray env = qgetenv("TALVANE_FIXTURES_DIR");
    return env.isEmpty() ? QStringLiteral(TALVANE_FIXTURES_DIR) : QString::fromLocal8Bit(env);
}

QString fixturePath(const QString &relative)
{
    return QDir(fixturesDir()).filePath(relative);
}

QString sourceDir() { return QStringLiteral(TALVANE_SOURCE_DIR); }
QString buildDir() { return QStringLiteral(TALVANE_BUILD_DIR); }
} // namespace testsupport
