#pragma once

// The callbacks every engine bridge reports through. A state callback receives the context it was
// registered with and a state code; EncodeStateStarted means the engine has started producing
// the output of the current pass.
using EngineStateCallback = int (*)(void *context, int code);
using EngineLogCallback = void (*)(const char *line);

inline constexpr int EncodeStateStarted = 3298;
