// join PROFILE OUTDIR FILE FILE...: media files converted as one file group, joined into one
// output; exit status 0 only when it was written. SIGINT and SIGTERM stop it as the Stop button
// does (exit status 128 + the signal's number).
#include "DevtoolCommand.h"
#include "DevtoolItems.h"
#include "StopOnSignal.h"

#include "dvd/file/DNFileGroupNode.h"


namespace {

constexpr const char *Name = "join";

} // namespace

int joinCommand(const QStringList &arguments)
{
    const StopOnSignal stop;
    if (arguments.size() < 4)
        return devtoolFail(Name, QStringLiteral("usage: talvane-devtool join PROFILE OUTDIR FILE FILE..."));
    QString profilePath, outDir, why;
    if (!devtoolProfileAndOutDir(arguments.at(0), arguments.at(1), &profilePath, &outDir, &why))
        return devtoolFail(Name, why);

    QList<DNFileNodePtr> members;
    for (const QString &path : arguments.mid(2)) {
        QString error;
        const DNFileNodePtr member = devtoolLoadFileItem(path, profilePath, &error);
        if (!member)
            return devtoolFail(Name, error.isEmpty() ? QStringLiteral("%1 cannot be read").arg(path) : error);
        members.append(member);
    }
    const DNFileGroupNodePtr group = DNFileGroupNode::fileGroupNodeWithNodes(members);
    group->setProfile(members.first()->profile());

    const int result = devtoolRunConversion(group.get(), -1, outDir, stop);
    if (result != 0)
        return devtoolConversionFailed(Name, result, stop);
    devtoolPrintPath(group->outputName());
    return 0;
}
