#include "builders/avencoder/DNAVVideoArgvPublic.h"

#include "builders/common/OutputPath.h"
#include "dvd/file/DNFileNode.h"
#include "profiles/DNProfile.h"

#include <QFileInfo>

namespace {

// The name without the output's own extension (or the other one of mp4/m4v), leading dot
// included: ".mp4" is what a cleared name field leaves behind.
QString stemBeforeSuffix(const QString &name, const QString &suffix)
{
    const int dot = int(name.lastIndexOf(QLatin1Char('.')));
    if (dot < 0 || suffix.isEmpty())
        return name;
    const QString own = name.mid(dot + 1).toLower();
    const QString wanted = suffix.toLower();
    const auto mp4Family = [](const QString &ext) { return ext == QLatin1String("mp4") || ext == QLatin1String("m4v"); };
    return own == wanted || (mp4Family(own) && mp4Family(wanted)) ? name.left(dot) : name;
}

// A name that would give no file name of its own: nothing but blanks and dots, once the
// output's extension is taken off (it would make a hidden ".mp4", or "..mp4").
bool isBlankName(const QString &name, const QString &suffix)
{
    const QString stem = stemBeforeSuffix(name, suffix).trimmed();
    return stem.isEmpty() || stem.count(QLatin1Char('.')) == stem.size();
}

} // namespace

QString makeAVOutputPath(const QString &folder, const QString &outputName, const QString &suffix,
                         const QString &sourcePath)
{
    QString name = outputName;
    if (!name.isNull() && isBlankName(name, suffix))
        name = sourcePath.isEmpty() ? QString() : QFileInfo(sourcePath).fileName();
    // The file road names outputs as the DVD road does, without a title suffix.
    return makeOutputPath(folder, name, QString(), suffix);
}

QString avOutputPathOf(const DNFileNode &item, const QString &folder)
{
    const QString suffix = item.profile() ? item.profile()->fileNameSuffix() : QString();
    const QString name = item.nodeInfo() ? item.nodeInfo()->outputName() : QString();
    return makeAVOutputPath(folder, name, suffix, item.path());
}
