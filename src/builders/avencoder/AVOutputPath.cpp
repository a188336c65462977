#include "builders/avencoder/DNAVVideoArgvPublic.h"

#include "builders/common/OutputPath.h"

QString makeAVOutputPath(const QString &folder, const QString &outputName, const QString &suffix)
{
    // The file road names outputs as the DVD road does, without a title suffix.
    return makeOutputPath(folder, outputName, QString(), suffix);
}
