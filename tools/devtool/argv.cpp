// argv SOURCE TITLE PROFILE [flags]: the argument vector a profile's builder makes for one DVD
// title or one media file (TITLE 0), one argument a line.
#include "DevtoolCommand.h"
#include "DevtoolItems.h"

#include "convert/registry/ArgvAssemblerRegistry.h"
#include "core/util/DNPrintableText.h"
#include "profiles/DNProfile.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace {

constexpr const char *Name = "argv";

} // namespace

int argvCommand(const QStringList &arguments)
{
    const QString usage = QStringLiteral("usage: talvane-devtool argv SOURCE TITLE PROFILE [flags] (see talvane-devtool help)");
    if (arguments.size() < 3)
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
    flags.outDir = QDir::currentPath();
    QString error;
    const int accept = DevtoolEditFlags::Out | (mediaFile ? DevtoolEditFlags::FileEdits : DevtoolEditFlags::Nav);
    if (!flags.parse(arguments, 3, accept, &error))
        return devtoolFail(Name, error + QStringLiteral(" (see talvane-devtool help)"));

    const QString profilePath = devtoolProfilePath(arguments.at(2));
    if (profilePath.isEmpty())
        return devtoolFail(Name, QStringLiteral("no profile %1").arg(arguments.at(2)));
    const auto profile = DNProfile::parserFromContentOfFile(profilePath);
    const QByteArray builderName = profile->argvAssembler().toUtf8();
    const ArgvAssemblerFunction builder = ArgvAssemblerForName(builderName.constData());
    if (!builder)
        return devtoolFail(Name, QStringLiteral("no builder named \"%1\"").arg(QString::fromUtf8(builderName)));

    const DevtoolItem item = devtoolLoadItem(source, titleIndex, profilePath, flags, &error);
    if (!item.node)
        return devtoolFail(Name, error);

    VideoConvertOptions options = MakeVideoConvertOptions();
    options.useDVDNav = flags.nav ? 1 : 0;
    options.cpuCore = QThread::idealThreadCount();
    if (!SetOptionText(options.outputDirectory, QFileInfo(flags.outDir).absoluteFilePath()))
        return devtoolFail(Name, QStringLiteral("the output folder path is too long"));

    ArgumentPtr argument(builder(item.node.get(), titleIndex, options));
    if (!argument)
        return devtoolFail(Name, QStringLiteral("%1 made no vector (see the log)").arg(QString::fromUtf8(builderName)));
    QString text;
    for (const QString &word : ArgumentList(argument.get()))
        text += DNPrintableText(word) + QLatin1Char('\n');
    devtoolPrint(text);
    if (!ArgumentIsUsable(argument.get()))
        return devtoolFail(Name, QStringLiteral("the vector overflowed its limits"));
    return 0;
}
