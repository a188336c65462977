// slideshow PROFILE OUTDIR FOLDER... [--music FILE]...: the photos of the folders made a
// slideshow item (as the photo loader makes it), rendered by the image-to-video engine and
// converted with the profile, as the Convert command does; exit status 0 only when the output
// was written. SIGINT and SIGTERM stop the rendering or the conversion as the Stop button does
// (exit status 128 + the signal's number).
#include "DevtoolCommand.h"
#include "DevtoolItems.h"
#include "StopOnSignal.h"

#include "convert/slideshow/NXSlideshowConversion.h"
#include "dvd/file/DNFileNode.h"
#include "dvd/slideshow/DNGraphicsNode.h"
#include "profiles/DNProfile.h"

#include <QFileInfo>

#include <atomic>

namespace {

constexpr const char *Name = "slideshow";

} // namespace

int slideshowCommand(const QStringList &arguments)
{
    NXImageEngine engine;
    ConvertFailureReason failure;
    const StopOnSignal stop([&engine] { engine.stopEncoding(); });
    const QString usage = QStringLiteral("usage: talvane-devtool slideshow PROFILE OUTDIR FOLDER... [--music FILE]...");
    QStringList folders, music;
    for (int i = 2; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--music")) {
            if (++i >= arguments.size())
                return devtoolFail(Name, usage);
            if (!QFileInfo(arguments.at(i)).isFile())
                return devtoolFail(Name, QStringLiteral("no music file %1").arg(arguments.at(i)));
            music << QFileInfo(arguments.at(i)).absoluteFilePath();
        } else {
            if (const QString problem = devtoolSourceProblem(arguments.at(i)); !problem.isEmpty())
                return devtoolFail(Name, problem);
            folders << QFileInfo(arguments.at(i)).absoluteFilePath();
        }
    }
    if (arguments.size() < 3 || folders.isEmpty())
        return devtoolFail(Name, usage);
    QString profilePath, outDir, why;
    if (!devtoolProfileAndOutDir(arguments.at(0), arguments.at(1), &profilePath, &outDir, &why))
        return devtoolFail(Name, why);

    DNGraphicsNodePtr node;
    try {
        const std::atomic_bool never{false};
        node = DNGraphicsNode::graphicsNodeWithDirs(folders, &never);
    } catch (const DNNoPhotoFoundError &e) {
        return devtoolFail(Name, QString::fromUtf8(e.what()));
    }
    node->setProfile(DNProfile::parserFromContentOfFile(profilePath));
    for (const QString &path : music)
        node->audioTracks().append(DNGraphicsAudio::graphicsAudio(path));

    devtoolUseOutputFolder(outDir);
    std::atomic<bool> rendered{false};
    const int result = devtoolRunWithProgress(
        [&] {
            return NXConvertSlideshowItem(*node, engine, devtoolPrintState, nullptr,
                                          {[&rendered] { rendered = true; }, [&stop] { return stop.signalNumber() != 0; }},
                                          &failure);
        },
        [&]() -> QString {
            if (rendered)
                return devtoolConversionProgressLine();
            return QStringLiteral("rendering %1 / %2 frames").arg(engine.currentFrame()).arg(engine.totalFrames());
        });
    if (result != 0 && stop.signalNumber())
        return devtoolConversionFailed(Name, result, stop);
    if (result != 0)
        return devtoolFailWithReason(Name, failure, result);
    devtoolPrintPath(node->fileNode()->outputName());
    return 0;
}
