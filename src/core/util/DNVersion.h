#pragma once

#include <QString>

// Compares dotted version texts by the integer value of each component: 1 when a is newer,
// -1 when older, 0 when equal. Missing components count as 0, so "1.2" equals "1.2.0",
// "2.0" is newer than "1.9.9" and "1.10" newer than "1.9".
int DNCompareVersion(const QString &a, const QString &b);
