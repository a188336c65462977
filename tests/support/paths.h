#pragma once

#include <QString>

// Where the tests find their authored media and the trees they run against.
namespace testsupport {
QString fixturesDir();           // authored once per build tree by tests/fixtures/make-fixtures.sh
QString fixturePath(const QString &relative);
QString sourceDir();
QString buildDir();
} // namespace testsupport
