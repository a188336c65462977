#pragma once

#include <functional>

class QThreadPool;

// Thumbnails, covers and photo previews are made on thread pools, and a job may still run when
// the program ends. A job uses the application object, its painting, the image readers and the
// engine bridge, all of which go when the program ends; so each pool that outlives a window is
// registered here and waited for while they still exist: when the application is about to quit,
// again from the application object's destructor, and at the end of a test program's main().
void DNRegisterBackgroundPool(QThreadPool *pool);

// Runs job on a thread of its own that the waits below include: for work that may outlast the
// window that started it (an update check reading its record, say). A thread left running
// when the program ends would find the settings and the application object gone under it.
void DNStartBackgroundThread(std::function<void()> job);

// True while someone waits for the background work to end (the program quitting): a job that
// waits on something slow (a server that does not answer) gives up instead of holding the quit.
bool DNBackgroundWorkWindingDown();

// Waits for every job of every registered pool. Safe to call more than once.
void DNWaitForBackgroundWork();

// The same wait, turning the calling thread's event loop meanwhile when it is the application's
// (a job may be waiting for an answer from it); the other threads wait as above.
void DNWaitForBackgroundWorkServingEvents();
