// talvane-devtool: developer aids with no place in the user interface.
//
// Adding a sub-command: write tools/devtool/<name>.cpp defining
//     int <name>Command(const QStringList &arguments);
// then declare it below and add its row to the table.
#include "DevtoolCommand.h"

#include "core/log/DNLogSetUp.h"
#include "core/util/DNPrintableText.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <cstring>

int dvdinfoCommand(const QStringList &arguments);
int argvCommand(const QStringList &arguments);
int checkProfilesCommand(const QStringList &arguments);
int convertCommand(const QStringList &arguments);
int probeCommand(const QStringList &arguments);
int joinCommand(const QStringList &arguments);
int recordScreenCommand(const QStringList &arguments);
int slideshowCommand(const QStringList &arguments);

namespace {

const DevtoolCommand commands[] = {
    {"dvdinfo", "SOURCE    the DVD structure of a VIDEO_TS folder, its parent or an ISO image, as JSON", dvdinfoCommand},
    {"argv", "SOURCE TITLE PROFILE [--nav 0|1] [--out DIR] [--trim S E] [--volume V] [--rotate DEG] [--crop W:H:X:Y] [--subtitle FILE]    the builder's argument vector for a DVD title or a media file (TITLE 0), one argument a line", argvCommand},
    {"check-profiles", "[FOLDER]    the builder self-check over every shipped DVD and file profile", checkProfilesCommand},
    {"convert", "SOURCE TITLE PROFILE OUTDIR [--trim S E] [--volume V] [--rotate DEG] [--crop W:H:X:Y] [--subtitle FILE]    one DVD title or media file through the conversion driver, progress on standard error", convertCommand},
    {"join", "PROFILE OUTDIR FILE FILE...    media files joined into one output as a file group", joinCommand},
    {"slideshow", "PROFILE OUTDIR FOLDER... [--music FILE]...    the photos of the folders as a slideshow, rendered by the image-to-video engine and converted with the profile", slideshowCommand},
    {"probe", "FILE    the file item the loader makes of a media file (tracks, tags, lengths, side-car subtitles, default audio), as JSON", probeCommand},
    {"record-screen", "SECONDS OUTDIR [--region W:H:X:Y]    a recording of the X display (or a region, in pixels from the top left) through the screen recorder's session", recordScreenCommand},
};

int usage(FILE *to)
{
    std::fprintf(to, "usage: talvane-devtool COMMAND [ARGUMENTS]\n\ncommands:\n");
    for (const DevtoolCommand &command : commands)
        std::fprintf(to, "  %s %s\n", command.name, command.usage);
    return to == stdout ? 0 : 2;
}

} // namespace

namespace {
QList<QByteArray> argumentBytes;
}

int devtoolFail(const char *command, const QString &message)
{
    std::fprintf(stderr, "talvane-devtool %s: %s\n", command, DNPrintableText(message).toUtf8().constData());
    return 1;
}

void devtoolPrint(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void devtoolPrintPath(const QString &path)
{
    devtoolPrint(DNPrintableText(path) + QLatin1Char('\n'));
}

const QList<QByteArray> &devtoolArgumentBytes()
{
    return argumentBytes;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    for (int i = 1; i < argc; ++i)
        argumentBytes << QByteArray(argv[i]);
    // Named and logging as the program is, so its settings and log are the program's.
    QCoreApplication::setOrganizationName(QStringLiteral("Harnvale"));
    QCoreApplication::setApplicationName(QStringLiteral("Talvane"));
    DNSetUpProgramLog();
    QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty())
        return usage(stderr);
    const QString name = arguments.takeFirst();
    if (name == QLatin1String("help") || name == QLatin1String("--help") || name == QLatin1String("-h"))
        return usage(stdout);
    for (const DevtoolCommand &command : commands)
        if (name == QLatin1String(command.name))
            return command.run(arguments);
    std::fprintf(stderr, "talvane-devtool: unknown command \"%s\"\n", name.toLocal8Bit().constData());
    return usage(stderr);
}
