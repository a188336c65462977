#pragma once

// What every builder test reads a vector with: its words, printed as texts when a comparison
// fails.

#include "builders/common/Argument.h"

#include <QStringList>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace buildertest {

inline QStringList words(const Argument *argument)
{
    return argument ? ArgumentList(argument) : QStringList();
}

} // namespace buildertest
