#pragma once

// What the preview player tests share: an application whose settings and data live in a folder
// of the test process's own, a snapshot folder, notification counting, playable items made from
// the authored media, and the traces a player run may leave.
#include "../mainwindow/shell_test_support.h"
#include "../ui_test_support.h"

#include "convert/files/DNMediaFileProbe.h"
#include "core/platform/DNBundle.h"
#include "core/notify/DNNotificationCenter.h"
#include "core/settings/DNAppSetting.h"
#include "core/settings/DNSetting.h"
#include "dvd/NXDVDUtilities.h"
#include "player/HVPlayerArguments.h"
#include "player/MPlayerFrameReceiver.h"
#include "playerchannel/HVPlayerChannel.h"
#include "support/paths.h"

#include <QDir>
#include <QHash>
#include <QImage>
#include <QTemporaryDir>

namespace playertest {

// Made first in a fixture, so the application exists before any widget.
struct Application
{
    Application() { shelltest::app(); }
};

// The preview control's notification names, as the main window observes them.
inline const QStringList &notificationNames()
{
    static const QStringList names{
        QStringLiteral("NXMPlayerControlPlaybackWillStart ~_~"),
        QStringLiteral("NXMPlayerControlPlaybackDidStart ~_~"),
        QStringLiteral("NXMPlayerControlPlaybackDidEnd ^_^"),
        QStringLiteral("NXMPlayerControlPlaybackStatusChanged #_#"),
        QStringLiteral("NXMPlayerControlPlaybackDurationAvailable >_<"),
        QStringLiteral("NXMPlayerControlDidVolumeChanged @_@"),
        QStringLiteral("NXMPlayerControlWillExitFullScreenMode =_="),
    };
    return names;
}

// Counts the control's notifications for as long as it lives.
class NotificationCounter
{
public:
    NotificationCounter()
    {
        for (const QString &name : notificationNames())
            ids_ << DNNotificationCenter::defaultCenter().addObserver(
                name, [this](const DNNotification &n) { ++counts_[n.name]; });
    }
    ~NotificationCounter()
    {
        for (auto id : ids_)
            DNNotificationCenter::defaultCenter().removeObserver(id);
    }
    // The count of a name, given by the start of its words ("DidEnd" for "...PlaybackDidEnd ^_^").
    int operator[](const char *part) const
    {
        int count = 0;
        for (auto it = counts_.begin(); it != counts_.end(); ++it)
            if (it.key().contains(QLatin1String(part)))
                count += it.value();
        return count;
    }

private:
    QList<DNNotificationCenter::ObserverId> ids_;
    QHash<QString, int> counts_;
};

using uitest::waitFor;

// Points the settings' snapshot folder at a new empty folder and returns it.
inline QString freshSnapshotFolder()
{
    static QTemporaryDir root;
    static int count = 0;
    const QString folder = root.path() + QStringLiteral("/snapshots-%1").arg(++count);
    QDir().mkpath(folder);
    DNSetting::shareSetting().appSetting()->setSnapshotDirectory(folder);
    return folder;
}

// A prefix whose fws/HVPlayer writes its arguments to "launches" and the lines it reads to
// "commands" in its working folder (a fresh snapshot folder, folder()), and ends at "quit".
class StandInPlayer
{
public:
    // greeting, when given, is shell the player runs before it reads its commands (to print
    // what a real player prints, say).
    explicit StandInPlayer(const QByteArray &greeting = {})
    {
        const QString fws = prefix_.path() + QStringLiteral("/lib/talvane/fws");
        QDir().mkpath(fws);
        QFile script(fws + QStringLiteral("/HVPlayer"));
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\n"
                     "{ printf '%s\\n' \"$@\"; echo ----; } >> \"$PWD/launches\"\n");
        script.write(greeting);
        script.write("while IFS= read -r line; do\n"
                     "  printf '%s\\n' \"$line\" >> \"$PWD/commands\"\n"
                     "  [ \"$line\" = quit ] && exit 0\n"
                     "done\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        DNBundle::setPrefixOverride(prefix_.path());
        folder_ = freshSnapshotFolder();
    }
    ~StandInPlayer() { DNBundle::setPrefixOverride(QString()); }

    QString folder() const { return folder_; }
    QStringList launches() const { return read(QStringLiteral("launches")).split(QStringLiteral("----\n"), Qt::SkipEmptyParts); }
    QStringList commands() const { return read(QStringLiteral("commands")).split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
    bool awaitCommands(int count) const { return waitFor([&] { return commands().size() >= count; }, 60000); }

private:
    QString read(const QString &name) const
    {
        QFile file(folder_ + QLatin1Char('/') + name);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    QTemporaryDir prefix_;
    QString folder_;
};

inline NXMediaNodePtr fileItem(const QString &relative)
{
    return fileNodeWithFile(testsupport::fixturePath(relative), false);
}

inline NXMediaNodePtr dvdItem(const QString &relative)
{
    return NXDVDUtilities::loadDVDNode(NXDVDUtilities::sourceInfoForDVDPath(testsupport::fixturePath(relative)));
}

// The preview's shared-memory object still exists.
inline bool previewBufferLeft()
{
    const std::string name =
        HVPlayerChannel::sharedMemoryName(QFile::encodeName(MPlayerFrameReceiver::channelDirectory()).toStdString(),
                                          HVPlayerArguments::previewBufferName().toStdString());
    return QFile::exists(QStringLiteral("/dev/shm") + QString::fromStdString(name));
}

// What the channel folder holds besides the receivers' sockets.
inline QStringList channelLeftovers()
{
    QStringList left = QDir(MPlayerFrameReceiver::channelDirectory())
                           .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System);
    left.removeAll(HVPlayerArguments::previewBufferName());
    return left;
}

// <build>/test-output/ui_player/<name>.png, for the eye.
inline void savePicture(const QImage &picture, const QString &name)
{
    const QString dir = testsupport::buildDir() + QStringLiteral("/test-output/ui_player");
    QDir().mkpath(dir);
    picture.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace playertest
