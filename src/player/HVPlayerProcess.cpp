#include "HVPlayerProcess.h"

#include "core/platform/DNChildProcess.h"
#include "core/platform/PlayerProcessRegistry.h"
#include "player/HVPlayerArguments.h"
#include "player/HVPlayerStatus.h"
#include "playerchannel/HVPlayerChannel.h"
#include "playerchannel/PlayerStartFailure.h"

#include <QPointer>
#include <QProcessEnvironment>

namespace {
constexpr int kGraceMs = 700;
} // namespace

HVPlayerProcess::HVPlayerProcess(QObject *parent) : QObject(parent)
{
}

HVPlayerProcess::~HVPlayerProcess()
{
    endGracefully();
}

bool HVPlayerProcess::launch(const QString &program, const QStringList &arguments, const QString &workingDirectory,
                             const QString &channelDirectory)
{
    if (process_)
        return false;
    process_ = new QProcess(this);
    process_->setProgram(program);
    process_->setArguments(arguments);
    process_->setWorkingDirectory(workingDirectory);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(HVPlayerChannel::kDirectoryVariable), channelDirectory);
    process_->setProcessEnvironment(environment);
    DNKeepOnlyStandardDescriptors(*process_);
    connect(process_, &QProcess::readyReadStandardOutput, this, &HVPlayerProcess::readOutput);
    connect(process_, &QProcess::readyReadStandardError, this, &HVPlayerProcess::readErrors);
    connect(process_, &QProcess::finished, this, &HVPlayerProcess::onFinished);
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        // The error text goes with the process; the caller reads it after the launch.
        startError_ = process_->errorString();
        onFinished();
    });
    startError_.clear();
    playerStartError_.clear();
    process_->start();
    if (!process_->waitForStarted())
        return false;
    registeredPid_ = process_->processId();
    QPointer<QProcess> owned = process_;
    PlayerProcessRegistry::shared().add(pid_t(registeredPid_), [owned](int waitMs) {
        if (owned)
            owned->waitForFinished(waitMs);
    });
    return true;
}

bool HVPlayerProcess::isRunning() const
{
    return process_ && process_->state() == QProcess::Running;
}

qint64 HVPlayerProcess::processId() const
{
    return process_ ? process_->processId() : 0;
}

QString HVPlayerProcess::workingDirectory() const
{
    return process_ ? process_->workingDirectory() : QString();
}

QStringList HVPlayerProcess::arguments() const
{
    return process_ ? process_->arguments() : QStringList();
}

void HVPlayerProcess::sendCommand(const QString &command)
{
    // A write to a player that has just exited fails quietly: the command is dropped.
    if (isRunning())
        process_->write(command.toUtf8());
}

void HVPlayerProcess::terminate()
{
    if (isRunning())
        process_->terminate();
}

void HVPlayerProcess::endGracefully()
{
    if (!isRunning())
        return;
    sendCommand(HVPlayerArguments::quitCommand());
    if (process_->waitForFinished(kGraceMs))
        return;
    process_->terminate();
    if (process_->waitForFinished(kGraceMs))
        return;
    process_->kill();
    process_->waitForFinished(-1);
}

void HVPlayerProcess::readOutput()
{
    const QByteArray bytes = process_->readAllStandardOutput();
    if (bytes.isEmpty())
        return;
    // The decoder keeps a character cut by the end of a read for the next one. Bytes that are
    // not UTF-8 (a title tag in Latin-1, say) become U+FFFD: the length and start lines read
    // in the same chunk must not be lost with them.
    const QString text = decoder_.decode(bytes);
    Q_EMIT outputChunk(text);
    const QStringList lines = outputLines_.take(text);
    if (!lines.isEmpty())
        Q_EMIT outputLines(lines);
}

void HVPlayerProcess::readErrors()
{
    errorLog_.feed(process_->readAllStandardError());
}

void HVPlayerProcess::readErrorLine(std::string_view line)
{
    if (const std::optional<std::string> why = PlayerStartFailure::reasonOf(line))
        playerStartError_ = QString::fromUtf8(why->data(), qsizetype(why->size()));
}

void HVPlayerProcess::onFinished()
{
    if (!process_)
        return;
    readOutput();
    readErrors();
    errorLog_.finish();
    // The player ran, but mplayer did not: a start that failed, with the player's reason.
    if (startError_.isEmpty() && !playerStartError_.isEmpty() && process_->exitStatus() == QProcess::NormalExit
        && process_->exitCode() == PlayerStartFailure::kExitStatus)
        startError_ = playerStartError_;
    if (const QStringList last = outputLines_.finish(); !last.isEmpty())
        Q_EMIT outputLines(last);
    decoder_.resetState();
    if (registeredPid_ > 0)
        PlayerProcessRegistry::shared().remove(pid_t(registeredPid_));
    registeredPid_ = 0;
    process_->disconnect(this);
    process_->deleteLater();
    process_ = nullptr;
    Q_EMIT terminated();
}
