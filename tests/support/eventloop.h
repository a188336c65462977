#pragma once

#include <QCoreApplication>

#include <functional>

// The main thread's event loop for tests of queued deliveries.
namespace testsupport {
// The process's application object, made on first use when none exists yet.
QCoreApplication &application();

// Turns the calling thread's event loop until done() holds or a generous limit (10 s) passes.
void spinUntil(const std::function<bool()> &done);
} // namespace testsupport
