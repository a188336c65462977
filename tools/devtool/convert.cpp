// convert SOURCE TITLE PROFILE OUTDIR [flags]: one DVD title, or one media file (TITLE 0) with
// its edit flags, through the conversion driver with the real engines, progress on standard
// error; exit status 0 only when the output was written. SIGINT and SIGTERM stop the conversion
// as the Stop button does (exit status 128 + the signal's number).
#include "DevtoolCommand.h"
#include "DevtoolItems.h"
#include "StopOnSignal.h"

#include <QFileInfo>

namespace {

constexpr const char *Name = "convert";

} // namespace

int convertCommand(const QStringList &arguments)
{
    const StopOnSignal stop;
    const QString usage = QStringLiteral("usage: talvane-devtool convert SOURCE TITLE PROFILE OUTDIR [flags] (see talvane-devtool help)");
    if (arguments.size() < 4)
        return devtoolFail(Name, usage);
    bool ok = false;
    const int titleIndex = arguments.at(1).toInt(&ok);
    if (!ok || titleIndex < 0)
        return devtoolFail(Name, QStringLiteral("TITLE must be a title index (0 for the first title)"));
    const QString source = arguments.at(0);
    if (const QString problem = devtoolSourceProblem(source); !problem.isEmpty())
        return devtoolFail(Name, problem);
    const bool mediaFile = devtoolIsMediaFile(source);
    DevtoolEditFlags flags;
    QString error;
    if (!flags.parse(arguments, 4, mediaFile ? DevtoolEditFlags::FileEdits : 0, &error))
        return devtoolFail(Name, error + QStringLiteral(" (see talvane-devtool help)"));
    QString profilePath, outDir;
    if (!devtoolProfileAndOutDir(arguments.at(2), arguments.at(3), &profilePath, &outDir, &error))
        return devtoolFail(Name, error);

    const DevtoolItem item = devtoolLoadItem(source, titleIndex, profilePath, flags, &error);
    if (!item.node)
        return devtoolFail(Name, error);

    const int result = devtoolRunConversion(item.node.get(), titleIndex, outDir, stop);
    if (result != 0)
        return devtoolConversionFailed(Name, result, stop);
    devtoolPrintPath(item.outputName());
    return 0;
}
