#pragma once

#include <QSize>
#include <QString>

// Servers of the test process's own, for tests of the recorders: an X server (Xvfb) to record
// and show windows on, and a PulseAudio server with one silent output whose monitor is a sound
// source. Each starts at first use, only once, and ends with the test process.
namespace testsupport {

// The display name (":N") of a private Xvfb with one screen of that size (the size of the first
// call holds); empty when Xvfb cannot start.
QString privateXDisplay(QSize screen = QSize(1280, 720));

// Starts the private PulseAudio server and points this process (and the engines it starts) at
// it through PULSE_SERVER; the name of its one sound source, empty when no server could start
// (PulseAudio not installed).
QString privatePulseSource();

// Holds the private PulseAudio server still, or lets it go on: a sound server that a busy machine
// left without a core for a while. False when there is no server.
bool holdPrivatePulse(bool held);

} // namespace testsupport
