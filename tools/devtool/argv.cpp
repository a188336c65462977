// argv SOURCE TITLE PROFILE [--nav 0|1] [--out DIR] [--trim S E] [--volume V]: the argument
// vector a profile's builder makes for one DVD title, one argument a line.
#include "DevtoolCommand.h"

#include "convert/registry/ArgvAssemblerRegistry.h"
#include "core/platform/DNBundle.h"
#include "dvd/NXDVDUtilities.h"
#include "profiles/DNProfile.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace {

constexpr const char *Name = "argv";

QString profilePathFor(const QString &argument)
{
    if (QFileInfo(argument).isFile())
        return argument;
    const QString shipped = DNBundle::pathForResource(QStringLiteral("profiles/DVD/") + argument);
    return QFileInfo(shipped).isFile() ? shipped : QString();
}

bool toInt(const QString &text, int &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

} // namespace

int argvCommand(const QStringList &arguments)
{
    const QString usage = QStringLiteral(
        "usage: talvane-devtool argv SOURCE TITLE PROFILE [--nav 0|1] [--out DIR] [--trim S E] [--volume V]");
    if (arguments.size() < 3)
        return devtoolFail(Name, usage);
    int titleIndex = 0;
    if (!toInt(arguments.at(1), titleIndex) || titleIndex < 0)
        return devtoolFail(Name, QStringLiteral("TITLE must be a title index (0 for the first title)"));

    bool nav = true;
    QString outDir = QDir::currentPath();  // made absolute below
    bool trim = false;
    int trimStart = 0, trimEnd = 0, volume = -1;
    for (int i = 3; i < arguments.size(); ++i) {
        const QString &option = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        int number = 0;
        if (option == QLatin1String("--nav") && hasValue && toInt(arguments.at(i + 1), number)) {
            nav = number != 0;
            ++i;
        } else if (option == QLatin1String("--out") && hasValue) {
            outDir = arguments.at(++i);
        } else if (option == QLatin1String("--trim") && i + 2 < arguments.size()
                   && toInt(arguments.at(i + 1), trimStart) && toInt(arguments.at(i + 2), trimEnd)) {
            trim = true;
            i += 2;
        } else if (option == QLatin1String("--volume") && hasValue && toInt(arguments.at(i + 1), volume) && volume >= 0) {
            ++i;
        } else {
            return devtoolFail(Name, QStringLiteral("bad option %1\n%2").arg(option, usage));
        }
    }

    if (!QFileInfo::exists(arguments.at(0)))
        return devtoolFail(Name, QStringLiteral("%1 does not exist").arg(arguments.at(0)));
    const QString profilePath = profilePathFor(arguments.at(2));
    if (profilePath.isEmpty())
        return devtoolFail(Name, QStringLiteral("no profile %1").arg(arguments.at(2)));
    const auto profile = DNProfile::parserFromContentOfFile(profilePath);
    const QByteArray builderName = profile->argvAssembler().toUtf8();
    const ArgvAssemblerFunction builder = ArgvAssemblerForName(builderName.constData());
    if (!builder)
        return devtoolFail(Name, QStringLiteral("no builder named \"%1\"").arg(QString::fromUtf8(builderName)));

    QString error;
    const DNDVDNodePtr node = NXDVDUtilities::loadDVDNode(NXDVDUtilities::sourceInfoForDVDPath(QFileInfo(arguments.at(0)).absoluteFilePath()), &error);
    if (!node)
        return devtoolFail(Name, error);
    if (titleIndex >= node->titleCount())
        return devtoolFail(Name, QStringLiteral("the source has %1 titles").arg(node->titleCount()));
    node->setProfile(profile);
    node->setTitleSelected(titleIndex);
    if (trim) {
        node->setEnableTrimming(true);
        node->setTrimStartTime(quint32(trimStart));
        node->setTrimEndTime(quint32(trimEnd));
    }
    if (volume >= 0)
        node->setGeneralVolume(quint32(volume));

    VideoConvertOptions options = MakeVideoConvertOptions();
    options.useDVDNav = nav ? 1 : 0;
    options.cpuCore = QThread::idealThreadCount();
    if (!SetOptionText(options.outputDirectory, QFileInfo(outDir).absoluteFilePath()))
        return devtoolFail(Name, QStringLiteral("the output folder path is too long"));

    ArgumentPtr argument(builder(node.get(), titleIndex, options));
    if (!argument)
        return devtoolFail(Name, QStringLiteral("%1 made no vector (see the log)").arg(QString::fromUtf8(builderName)));
    QString text;
    for (const QString &word : ArgumentList(argument.get()))
        text += word + QLatin1Char('\n');
    devtoolPrint(text);
    if (!ArgumentIsUsable(argument.get()))
        return devtoolFail(Name, QStringLiteral("the vector overflowed its limits"));
    return 0;
}
