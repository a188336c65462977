#pragma once

#include "convert/capture/DNCaptureSource.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A device the recorders offer: its unique ID (a V4L2 device path, a PulseAudio source name),
// the name people know it by, and for sound whether it is the monitor of an output (what the
// computer plays) rather than a microphone.
struct DNCaptureDevice
{
    QString uniqueID;
    QString localizedName;
    bool isMonitor = false;

    bool operator==(const DNCaptureDevice &other) const { return uniqueID == other.uniqueID; }
};
using DNCaptureDeviceList = QList<DNCaptureDevice>;

// The devices the recorders choose from and the capture source a choice makes. The system's
// catalogue lists cameras and PulseAudio sources; tests put one of their own in its place.
class DNCaptureDeviceCatalogue
{
public:
    virtual ~DNCaptureDeviceCatalogue() = default;
    virtual DNCaptureDeviceList videoDevices() const = 0;
    virtual DNCaptureDeviceList audioDevices() const = 0;
    // The source recording video (required) with audio (may be null).
    virtual DNCaptureSourcePtr sourceFor(const DNCaptureDevice &video, const DNCaptureDevice *audio) const = 0;
    // Whether the desktop's sound output takes sound from the engine (a PulseAudio server runs).
    virtual bool canPlaySound() const = 0;
};

// Cameras are the V4L2 devices (/dev/video*) that capture pictures, by their driver's card name;
// sound sources are PulseAudio's, when a server runs.
class DNSystemCaptureDevices : public DNCaptureDeviceCatalogue
{
public:
    DNCaptureDeviceList videoDevices() const override;
    DNCaptureDeviceList audioDevices() const override;
    DNCaptureSourcePtr sourceFor(const DNCaptureDevice &video, const DNCaptureDevice *audio) const override;
    // A server answers with at least one source (the monitor of its output).
    bool canPlaySound() const override { return !audioDevices().isEmpty(); }
};

// A camera recorded through ffmpeg's V4L2 input, with a PulseAudio source's sound when named.
class DNCameraCaptureSource : public DNCaptureSource
{
public:
    DNCameraCaptureSource(QString devicePath, QString audioSource)
        : devicePath_(std::move(devicePath)), audioSource_(std::move(audioSource)) {}
    QStringList inputArguments() const override;
    bool hasAudio() const override { return !audioSource_.isEmpty(); }
    int framesPerSecond() const override { return 0; }
    QString describe() const override;

private:
    QString devicePath_;
    QString audioSource_;
};

// The PulseAudio sources as "ffmpeg -sources pulse" lists them: one "* name [description]" line a
// source (the default one starred); nothing when no server answered.
DNCaptureDeviceList DNParsePulseSources(const QByteArray &listing);
DNCaptureDeviceList DNPulseAudioSources();
// The picture-capturing V4L2 devices below folder ("/dev"), in device-number order.
DNCaptureDeviceList DNVideoForLinuxCameras(const QString &folder = QStringLiteral("/dev"));
