#include "support/privateservers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <unistd.h>

extern char **environ;

namespace testsupport {
namespace {

// Starts program with args (no shell) and this process's environment with extraEnv set, dying
// with this process; keepFd stays open in the child.
pid_t spawn(const std::string &program, const std::vector<std::string> &args, int keepFd = -1,
            const std::vector<std::string> &extraEnv = {})
{
    std::vector<char *> argv;
    for (const std::string &a : args)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<std::string> env;
    for (char **e = environ; *e; ++e) {
        const std::string entry(*e);
        const bool replaced = std::any_of(extraEnv.begin(), extraEnv.end(), [&](const std::string &x) {
            return entry.compare(0, x.find('=') + 1, x, 0, x.find('=') + 1) == 0;
        });
        if (!replaced)
            env.push_back(entry);
    }
    env.insert(env.end(), extraEnv.begin(), extraEnv.end());
    std::vector<char *> envp;
    for (std::string &e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
        const int devNull = ::open("/dev/null", O_RDWR);
        ::dup2(devNull, STDIN_FILENO);
        ::dup2(devNull, STDOUT_FILENO);
        ::dup2(devNull, STDERR_FILENO);
        if (keepFd >= 0)
            ::fcntl(keepFd, F_SETFD, 0);
        ::execve(program.c_str(), argv.data(), envp.data());
        ::_exit(127);
    }
    return child;
}

QString startXvfb(QSize screen)
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty())
        return QString();
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return QString();
    const std::string size = QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()).toStdString();
    // -displayfd: Xvfb picks a free display and writes its number when it is ready for clients.
    const pid_t pid = spawn(xvfb.toStdString(),
                            {"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", size, "-nolisten", "tcp",
                             "-noreset", "+extension", "XInputExtension"},
                            fds[1]);
    ::close(fds[1]);
    QString display;
    if (pid > 0) {
        std::string number;
        pollfd p{fds[0], POLLIN, 0};
        char c;
        while (::poll(&p, 1, 20000) > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n')
            number.push_back(c);
        if (!number.empty())
            display = QStringLiteral(":") + QString::fromStdString(number);
    }
    ::close(fds[0]);
    return display;
}

pid_t pulseServer = -1;

QString startPulse()
{
    const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    if (pulseaudio.isEmpty())
        return QString();
    static QTemporaryDir home(QDir::tempPath() + QStringLiteral("/talvane-pulse-XXXXXX"));
    if (!home.isValid())
        return QString();
    const QString socket = home.path() + QStringLiteral("/native");
    // Its own home and runtime folder, so it neither finds nor disturbs a user's server.
    const std::string folder = QFile::encodeName(home.path()).toStdString();
    const std::string load = "module-native-protocol-unix socket=" + socket.toStdString() + " auth-anonymous=1";
    const pid_t pid = spawn(pulseaudio.toStdString(),
                            {"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--disable-shm=yes",
                             "--use-pid-file=no", "--system=no", "-L", load, "-L",
                             "module-null-sink sink_name=talvane_test"},
                            -1, {"HOME=" + folder, "XDG_RUNTIME_DIR=" + folder, "XDG_CONFIG_HOME=" + folder,
                                 "PULSE_RUNTIME_PATH=" + folder});
    if (pid <= 0)
        return QString();
    pulseServer = pid;
    QElapsedTimer clock;
    clock.start();
    while (!QFileInfo::exists(socket) && clock.elapsed() < 20000)
        QThread::msleep(20);
    if (!QFileInfo::exists(socket))
        return QString();
    qputenv("PULSE_SERVER", QFile::encodeName(QStringLiteral("unix:") + socket));
    return QStringLiteral("talvane_test.monitor");
}

} // namespace

QString privateXDisplay(QSize screen)
{
    static const QString display = startXvfb(screen);
    return display;
}

QString privatePulseSource()
{
    static const QString source = startPulse();
    return source;
}

bool holdPrivatePulse(bool held)
{
    return !privatePulseSource().isEmpty() && pulseServer > 0 && ::kill(pulseServer, held ? SIGSTOP : SIGCONT) == 0;
}

} // namespace testsupport
