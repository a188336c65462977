#pragma once

#include <QList>
#include <QString>

// The mounted file systems that sit on optical drives, from the kernel's mount table and its
// block-device tree. Both roots are parameters so tests can give fake ones.
struct DVDMountEntry
{
    QString mountPoint;
    QString deviceName; // kernel name, e.g. "sr0"
    int order = 0;      // position in the mount table
};

QString dvdDefaultSysBlockRoot();   // /sys/class/block
QString dvdDefaultMountInfoPath();  // /proc/self/mountinfo

// Whether the drive behind a kernel block-device name reports SCSI peripheral type 5.
bool dvdIsOpticalDevice(const QString &sysBlockRoot, const QString &deviceName);

// Every mount whose device is an optical drive, in mount-table order.
QList<DVDMountEntry> dvdOpticalMounts(const QString &sysBlockRoot, const QString &mountInfoPath);
