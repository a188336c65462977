#pragma once

#include <QString>

// Tests that change or corrupt media work on a copy: the authored set is shared by every test.
namespace testsupport {
// Copies fixture `relative` (a file or a folder) into `destinationDir`; returns the copy's path, or
// an empty string when something could not be copied.
QString copyFixture(const QString &relative, const QString &destinationDir);
// A copy of fixture file `relative` in `destinationDir` that holds only the first percentKept
// percent of its bytes, as a copy that stopped does; empty when it could not be made.
QString copyFixtureCutShort(const QString &relative, const QString &destinationDir, int percentKept);
} // namespace testsupport
