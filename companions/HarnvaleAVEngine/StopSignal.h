#pragma once

// SIGTERM, SIGINT and SIGHUP ask the engine to stop: the frame loop sees the request between
// frames (and a write blocked on the encoder is interrupted by the signal).
void installStopSignals();
bool stopRequested();
